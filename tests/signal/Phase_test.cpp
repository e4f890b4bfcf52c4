// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/NumberFormat.h"
#include "signal/Phase.h"

#include <gtest/gtest.h>

namespace {

TEST(Phase, ShownAnglesMatchRepeatedTurns) {
    auto byTurns = [](long double v) {
        while (v < -181) v += 360;
        while (v > 181) v -= 360;
        return v;
    };
    for (long double v = -2000; v <= 2000; v += 0.25L)
        ASSERT_EQ(WrapShownAngle(v), byTurns(v)) << static_cast<double>(v);
    for (long double v : {181.0L, 181.5L, -181.0L, -181.5L, 541.0L, -541.0L, 1000.0L, 1e7L + 0.5L})
        EXPECT_EQ(WrapShownAngle(v), byTurns(v)) << static_cast<double>(v);
    EXPECT_EQ(WrapShownAngle(1000), -80);
    // Far too large for turns of 360 to change it; still ends inside the range.
    const long double huge = WrapShownAngle(1e30L);
    EXPECT_GE(huge, -181);
    EXPECT_LE(huge, 181);
}

TEST(Phase, PolarFormRoundTripsThroughTheCoefficients) {
    const float cases[][2] = {{3, 4}, {-3, 4}, {-3, -4}, {3, -4}, {0, 5}, {0, -5}, {5, 0}, {-5, 0}};
    for (const auto& c : cases) {
        const PolarLine line = PolarFromCoefficients(c[0], c[1]);
        const Coefficients back = CoefficientsOf(line.amplitude, line.phase);
        EXPECT_NEAR(line.amplitude, 5, 1e-5);
        EXPECT_GE(line.phase, -180.0001f);
        EXPECT_LT(line.phase, 180);
        EXPECT_NEAR(back.a, c[0], 1e-4) << c[0] << ", " << c[1];
        EXPECT_NEAR(back.b, c[1], 1e-4) << c[0] << ", " << c[1];
    }
    EXPECT_EQ(PolarFromCoefficients(0, 0).phase, -90);
    EXPECT_EQ(FormatDecimal(CoefficientsOf(1e12f, 90).a, 10), "-0,0000000251"); // exact cos
    EXPECT_EQ(FormatDecimal(CoefficientsOf(1e15f, 270).a, 10), "0,0001836686");
}

} // namespace
