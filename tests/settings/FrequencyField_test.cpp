// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/FrequencyText.h"

#include "settings/AppSettings.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

TEST(FormatFrequencyField, ThreeDecimalsWithoutTrailingZeros) {
    const struct {
        float fo;
        const char* text;
    } cases[] = {
        {1000.0f, "1000"},   {440.5f, "440.5"},
        {0.1f, "0.1"}, // the float is 0.100000001..., three decimals hide the rest
        {12.345f, "12.345"}, {25000.0f, "25000"},
        {100.25f, "100.25"}, {1234.5678f, "1234.568"}, // rounded, not cut
        {99.9996f, "100"},                             // rounding carries into the integer part
        {0.0004f, "0"},      {10.0f, "10"},            // a zero before the point stays
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFrequencyField(c.fo), c.text) << c.fo;
}

TEST(ReadFrequencyField, TypedTextsAreClampedOrIgnored) {
    const float previous = 1000.0f;
    const struct {
        const char* text;
        float fo;
    } cases[] = {
        {"440.5", 440.5f},       {"440,5", previous},      {"", previous},
        {"250 ", previous},      {"0", MinFrequency},      {"-3", MinFrequency},
        {"0.05", MinFrequency},  {"1e5", MaxFrequency},    {"30000", MaxFrequency},
        {"1e400", MaxFrequency}, {"-1e400", MinFrequency}, {"1e-400", MinFrequency},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadFrequencyField(c.text, previous), c.fo) << '"' << c.text << '"';
}

TEST(ReadFrequencyField, KeptValueIsClampedToo) {
    const struct {
        float previous;
        float fo;
    } cases[] = {
        {99999.0f, MaxFrequency},
        {0.0f, MinFrequency},
        {-5.0f, MinFrequency},
        {std::numeric_limits<float>::quiet_NaN(), MinFrequency},
        {std::numeric_limits<float>::infinity(), MaxFrequency},
        {440.0f, 440.0f},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadFrequencyField("", c.previous), c.fo) << c.previous;
        EXPECT_EQ(ReadFrequencyField("440,0", c.previous), c.fo) << c.previous;
    }
}

TEST(FrequencyField, WhatIsShownReadsBackAsTheSameFloat) {
    // The dialog shows fo and reads the field back on OK; an untouched field must not move
    // fo. This holds for every float that is the nearest float to a number with at most
    // three decimals, across the whole range and its float spacing (finer than 0.001 at
    // the bottom, coarser at the top).
    int checked = 0;
    for (long long thousandths = 100; thousandths <= 25'000'000; thousandths += 997) {
        const float fo = static_cast<float>(static_cast<double>(thousandths) / 1000.0);
        const std::string shown = FormatFrequencyField(fo);
        ASSERT_EQ(ReadFrequencyField(shown, -1.0f), fo) << shown;
        ++checked;
    }
    for (float fo : {MinFrequency, MaxFrequency, 0.3f, 16384.25f, 24999.998f})
        EXPECT_EQ(ReadFrequencyField(FormatFrequencyField(fo), -1.0f), fo) << fo;
    EXPECT_GT(checked, 25'000);
}

} // namespace
