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

TEST(ReadFrequencyField, TypedTexts) {
    const float previous = 1000.0f;
    const std::string zeros(300, '0');
    const struct {
        std::string text;
        float fo;
    } cases[] = {
        // plain numbers; the point is the only decimal separator
        {"440.5", 440.5f},
        {"440,5", previous},
        {"+7", 7.0f},
        {"000440.500", 440.5f},
        {"1.", 1.0f},
        {".5", 0.5f},
        {".", previous},
        // exponents need at least one digit
        {"1E3", 1000.0f},
        {"4.4e2", 440.0f},
        {"1e+2", 100.0f},
        {"1.5e-1", 0.15f},
        {"1e", previous},
        // blanks in front only
        {" 250", 250.0f},
        {"   -0.5e3", MinFrequency},
        {"250 ", previous},
        // not numbers at all
        {"", previous},
        {" ", previous},
        {"abc", previous},
        {"+-1", previous},
        {"--1", previous},
        {"inf", previous},
        {"nan", previous},
        // out of range, clamped to the nearer limit
        {"0", MinFrequency},
        {"-3", MinFrequency},
        {"0.05", MinFrequency},
        {"0.1", MinFrequency},
        {"0.09999999", MinFrequency},
        {"30000", MaxFrequency},
        {"1e5", MaxFrequency},
        // beyond what a float holds: the magnitude decides which limit
        {"1e39", MaxFrequency},
        {"1e400", MaxFrequency},
        {"100000e35", MaxFrequency},
        {"-1e400", MinFrequency},
        {"1e-400", MinFrequency},
        {"0.0000001e-40", MinFrequency},
        {"1e99999999999999999999", MaxFrequency},
        {"1" + zeros + "e-5", MaxFrequency},  // too large despite a negative exponent
        {"0." + zeros + "1e3", MinFrequency}, // too small despite a positive exponent
        // long digit strings are read exactly
        {zeros + "250", 250.0f},
        {"1" + zeros + "e-298", 100.0f},
        {"0." + zeros + "1e304", 1000.0f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadFrequencyField(c.text, previous), c.fo) << '"' << c.text << '"';
}

TEST(ReadFrequencyField, RoundsToTheNearestFloat) {
    // 440.123456789 lies between two floats; the nearer one is taken.
    const float fo = ReadFrequencyField("440.123456789", 1000.0f);
    const float below = std::nextafter(fo, 0.0f);
    const float above = std::nextafter(fo, 1e9f);
    EXPECT_LE(std::fabs(fo - 440.123456789), std::fabs(below - 440.123456789));
    EXPECT_LE(std::fabs(fo - 440.123456789), std::fabs(above - 440.123456789));
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
