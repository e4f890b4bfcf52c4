// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/NumberText.h"

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr float Inf = std::numeric_limits<float>::infinity();

TEST(NumberText, ValueFieldIntegers) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {{"0", 0},
                 {"-5", -5},
                 {"+7", 7},
                 {"007", 7},
                 {"2147483647", INT_MAX},
                 {"-2147483648", INT_MIN},
                 {"2147483648", {}},
                 {"-2147483649", {}},
                 {"99999999999999999999999", {}},
                 {"", {}},
                 {"-", {}},
                 {"+", {}},
                 {" 5", {}},
                 {"5 ", {}},
                 {"1,5", {}},
                 {"1.5", {}},
                 {"1e3", {}},
                 {"0x10", {}},
                 {"--1", {}},
                 {"5-", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseIntegerText(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, SettingAndProjectIntegers) {
    const struct {
        const char* text;
        int setting; // ParseIntSetting with fallback 77
        int profile; // ParseProfileInteger with fallback 77
    } cases[] = {
        {"3", 3, 3},     {"-2", -2, -2},         {"+4", 4, 4},
        {" 5 ", 5, 5},   {"", 77, 77},           {"x", 77, 77},
        {"1.5", 77, 77}, {"-", 77, 77},          {"99999999999", 77, 77},
        {"12a", 77, 77}, {"0x1F", 77, 31},       {"0X10", 77, 16},
        {"0x", 77, 77},  {"0xFFFFFFFF", 77, -1}, {"0x100000000", 77, 77},
        {"0xg", 77, 77}, {" 0x7 ", 77, 7},       {"-0x5", 77, 77},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseIntSetting(c.text, 77), c.setting) << '"' << c.text << '"';
        EXPECT_EQ(ParseProfileInteger(c.text, 77), c.profile) << '"' << c.text << '"';
    }
}

TEST(NumberText, DecimalGrammar) {
    const std::string zeros(300, '0');
    const struct {
        std::string text;
        std::optional<float> value;
    } cases[] = {
        // the point is the only decimal separator
        {"440.5", 440.5f},
        {"440,5", {}},
        {"+7", 7.0f},
        {"000440.500", 440.5f},
        {"1.", 1.0f},
        {".5", 0.5f},
        {".", {}},
        // exponents need at least one digit
        {"1E3", 1000.0f},
        {"4.4e2", 440.0f},
        {"1e+2", 100.0f},
        {"1.5e-1", 0.15f},
        {"1e", {}},
        // blanks in front only
        {" 250", 250.0f},
        {"   -0.5e3", -500.0f},
        {"250 ", {}},
        // not numbers at all
        {"", {}},
        {" ", {}},
        {"abc", {}},
        {"+-1", {}},
        {"--1", {}},
        {"inf", {}},
        {"nan", {}},
        // beyond what a float holds: the magnitude decides
        {"1e39", Inf},
        {"1e400", Inf},
        {"100000e35", Inf},
        {"-1e400", -Inf},
        {"1e-400", 0.0f},
        {"0.0000001e-40", 0.0f},
        {"1e99999999999999999999", Inf},
        {"1" + zeros + "e-5", Inf},   // too large despite a negative exponent
        {"0." + zeros + "1e3", 0.0f}, // too small despite a positive exponent
        // long digit strings are read exactly
        {zeros + "250", 250.0f},
        {"1" + zeros + "e-298", 100.0f},
        {"0." + zeros + "1e304", 1000.0f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDecimalFloat(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, DecimalRoundsToTheNearestFloat) {
    // 440.123456789 lies between two floats; the nearer one is taken.
    const float v = *ParseDecimalFloat("440.123456789");
    for (float neighbour : {std::nextafter(v, 0.0f), std::nextafter(v, 1e9f)})
        EXPECT_LE(std::fabs(v - 440.123456789), std::fabs(neighbour - 440.123456789));
}

TEST(NumberText, StoredDecimalsTakeCommaOrPoint) {
    const struct {
        const char* text;
        std::optional<float> value;
    } cases[] = {{"0,5", 0.5f},   {"0.5", 0.5f},       {" 12,25 ", 12.25f},
                 {"-90", -90.0f}, {"1,5E-7", 1.5e-7f}, {"", {}},
                 {"1,5,0", {}},   {"abc", {}},         {"0,100000001490116", 0.1f}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseStoredDecimal(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, GeneralFormat) {
    const struct {
        long double x;
        char separator;
        const char* text;
    } cases[] = {
        {0.0L, ',', "0"},
        {100.0L, ',', "100"},
        {-90.0L, ',', "-90"},
        {0.5L, ',', "0,5"},
        {12.5L, '.', "12.5"},
        {0.1f, ',', "0,100000001490116"},
        {1000.0L, ',', "1000"},
        {0.00001L, ',', "0,00001"},
        {0.0000015L, ',', "1,5E-6"},
        {123456789012345.0L, ',', "123456789012345"},
        {1e15L, ',', "1E15"},
        {999999999999999.9L, ',', "1E15"}, // rounds up to the next power of ten
        {-2.5e20L, '.', "-2.5E20"},
        {3.4028234663852886e38L, ',', "3,40282346638529E38"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatGeneral(c.x, c.separator), c.text) << static_cast<double>(c.x);
}

TEST(NumberText, EveryFloatReadsBackBitForBit) {
    std::mt19937 random(4711);
    std::uniform_int_distribution<std::uint32_t> bits;
    int checked = 0;
    auto roundTrip = [&](float f) {
        if (!std::isfinite(f) || f == 0.0f) return; // zeros are never written
        for (char separator : {',', '.'}) {
            const std::string text = FormatGeneral(f, separator);
            const std::optional<float> back = ParseStoredDecimal(text);
            ASSERT_TRUE(back.has_value()) << text;
            ASSERT_EQ(std::bit_cast<std::uint32_t>(*back), std::bit_cast<std::uint32_t>(f)) << text;
        }
        ++checked;
    };
    for (int i = 0; i < 200'000; ++i) roundTrip(std::bit_cast<float>(bits(random)));
    for (float f : {std::numeric_limits<float>::max(), std::numeric_limits<float>::min(),
                    std::numeric_limits<float>::denorm_min(), 0.1f, 1e-5f, 9.99999e14f})
        roundTrip(f);
    EXPECT_GT(checked, 190'000);
}

} // namespace
