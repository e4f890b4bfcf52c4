// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/ExtendedTrig.h"
#include "signal/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatDecimal, Examples) {
    struct Case {
        long double x;
        int digits;
        const char* text;
    };
    const Case cases[] = {
        {0.4352L, 4, "0,4352"},
        {5, 4, "5"},
        {12.5L, 4, "12,5"},
        {-0.00001L, 4, "0"},
        {0.00001L, 4, "0"},
        {0, 10, "0"},
        {100, 4, "100"},
        {-90, 10, "-90"},
        {0.1f, 10, "0,1000000015"},
        {-12.25L, 2, "-12,25"},
        {1234567.5L, 3, "1234567,5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDecimal(c.x, c.digits), c.text) << static_cast<double>(c.x);
}

TEST(FormatEngineering, Examples) {
    struct Case {
        long double x;
        const char* text;
    };
    const Case cases[] = {
        {1000, "1k"},     {1500, "1,5k"},         {250, "250 "},          {1, "1 "},
        {12.5L, "12,5 "}, {0.0025L, "2,5m"},      {0.0005L, "500\u00b5"}, {-1500, "-1,5k"},
        {0, "0"},         {999.7L, "1000 "},      {440, "440 "},          {2200, "2,2k"},
        {13200, "13,2k"}, {0.0002L, "200\u00b5"}, {0.0018f, "1,8m"},      {2500000, "2,5M"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatEngineering(c.x), c.text) << static_cast<double>(c.x);
}

TEST(Angle, FourQuadrantsAndTheAxes) {
    const float pi = static_cast<float>(PiExtended);
    const float halfPi = static_cast<float>(PiExtended / 2);
    EXPECT_EQ(Angle(0, 0), halfPi);
    EXPECT_EQ(Angle(1, 0), halfPi);
    EXPECT_EQ(Angle(-1, 0), -halfPi);
    EXPECT_EQ(Angle(0, 1), 0.0f);
    EXPECT_EQ(Angle(0, -1), pi);
    EXPECT_FLOAT_EQ(Angle(1, 1), pi / 4);
    EXPECT_FLOAT_EQ(Angle(1, -1), 3 * pi / 4);
    EXPECT_FLOAT_EQ(Angle(-1, -1), -3 * pi / 4);
    EXPECT_FLOAT_EQ(Angle(-1, 1), -pi / 4);
}

} // namespace
