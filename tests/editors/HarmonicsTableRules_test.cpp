// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/HarmonicsTableRules.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct Series {
    SeriesValues amplitude{};
    SeriesValues phase{};
};

HarmonicsCells Filled(const Series& s, int mode, float fo = 1000) {
    HarmonicsCells cells;
    FillTable(s.amplitude, s.phase, mode, fo, cells);
    return cells;
}

// Fills the table from `s`, puts `text` into one cell as a user would, and reads it back.
std::optional<CellFault> TypeAndRead(Series& s, int mode, int n, int column,
                                     const std::string& text) {
    HarmonicsCells cells = Filled(s, mode);
    cells[n][column] = text;
    return ReadTable(cells, mode, s.amplitude, s.phase);
}

TEST(HarmonicsTableRules, ShownCells) {
    Series s;
    s.amplitude = {-7, 50, 0, 10, 10, 10, std::numeric_limits<float>::infinity()};
    s.phase = {0, 270, 77, 181, 181.5f, 1e30f, 0};
    const struct {
        int mode, n;
        const char *first, *second;
    } cases[] = {
        {0, 0, "-7", "0"},   {1, 0, "-7", "0"},      {2, 0, "-7", "0"},
        {0, 1, "50", "-90"}, {2, 1, "50", "0"},      {1, 1, "0", "50"}, // one line, three modes
        {0, 2, "0", "0"},    {2, 2, "0", "0"},                          // no amplitude, no phase
        {0, 3, "10", "181"}, {0, 4, "10", "-178,5"},                    // shown in -181..181
        {0, 6, "0", "0"},                                               // not finite: shown as 0
    };
    for (const auto& c : cases) {
        const HarmonicsCells k = Filled(s, c.mode);
        EXPECT_EQ(k[c.n][FirstValueColumn], c.first) << "mode " << c.mode << " n " << c.n;
        EXPECT_EQ(k[c.n][SecondValueColumn], c.second) << "mode " << c.mode << " n " << c.n;
    }
    // A phase too large for repeated steps of 360 still ends in the shown range.
    EXPECT_LE(std::fabs(std::stod(Filled(s, 0)[5][SecondValueColumn])), 181);

    const HarmonicsCells k = Filled(s, 0, 1000);
    EXPECT_EQ(k[128][NumberColumn], "128");
    EXPECT_EQ(k[0][FrequencyColumn] + " " + k[1][FrequencyColumn] + " " + k[2][FrequencyColumn],
              "0 1000 2000");
    EXPECT_EQ(Filled(s, 0, 0.1f)[3][FrequencyColumn], "0,3");
}

TEST(HarmonicsTableRules, CellTexts) {
    // Only the first 255 characters count.
    const std::string cutBefore = "0.5" + std::string(252, '0') + "abc";
    const std::string cutAfter = "0.5" + std::string(251, '0') + "abc";
    const struct {
        std::string text;
        std::optional<float> value;
    } cases[] = {{"", 0.0f},     {"12,5", 12.5f},  {"12.5", 12.5f}, {"  -3", -3.0f},
                 {"+1e3", 1e3f}, {"12.5 ", {}},    {"abc", {}},     {"1,2,3", {}},
                 {"e5", {}},     {cutBefore, .5f}, {cutAfter, {}}};
    for (const auto& c : cases) EXPECT_EQ(ReadCell(c.text), c.value) << c.text;
}

TEST(HarmonicsTableRules, StoredLines) {
    const struct {
        int mode;
        const char *first, *second;
        float amplitude, phase;
    } cases[] = {
        {0, "50", "-90", 50, 270},
        {2, "50", "0", 50, 270},
        {0, "-50", "30", 50, -30},
        {2, "-50", "120", 50, -30},
        {0, "1", "730", 1, 10},
        {0, "1", "720", 1, 360},
        {2, "0", "0", 0, 270},
        {0, "12,5", "", 12.5f, 0},
        {1, "0", "50", 50, -90},
        {1, "-50", "0", 50, -180},
        {1, "0", "0", 0, 0},
        {1, "", "", 0, 0},
        {0, "1", "1e30", 1, std::fmod(1e30f, 360.0f)}, // ends even where +-360 changes nothing
    };
    for (const auto& c : cases) {
        Series s;
        s.phase[1] = 99;
        HarmonicsCells k = Filled(s, c.mode);
        k[1][FirstValueColumn] = c.first;
        k[1][SecondValueColumn] = c.second;
        EXPECT_FALSE(ReadTable(k, c.mode, s.amplitude, s.phase));
        EXPECT_EQ(s.amplitude[1], c.amplitude) << c.mode << " " << c.first << " " << c.second;
        EXPECT_NEAR(s.phase[1], c.phase, 1e-4) << c.mode << " " << c.first << " " << c.second;
    }
    for (float phase = 0; phase < 360; ++phase) { // the limit, shown as coefficients, reads back
        Series s{{0, MaxAmplitude}, {0, phase}};
        ASSERT_FALSE(ReadTable(Filled(s, 1), 1, s.amplitude, s.phase)) << phase;
    }
    for (int mode = 0; mode < 3; ++mode) { // the constant term keeps its sign, Phase[0] stays
        Series s;
        s.phase[0] = 42;
        EXPECT_FALSE(TypeAndRead(s, mode, 0, FirstValueColumn, "-3,5"));
        EXPECT_EQ(s.amplitude[0], -3.5f);
        EXPECT_EQ(s.phase[0], 42);
    }
}

TEST(HarmonicsTableRules, RefusedCells) {
    const struct {
        int mode, n, column;
        std::string text;
        const char* message;
    } cases[] = {
        {0, 7, SecondValueColumn, "abc", "Syntaxfehler bei PHI7 !"},
        {0, 5, FirstValueColumn, "x", "Syntaxfehler bei A5 !"},
        {1, 12, SecondValueColumn, "1..2", "Syntaxfehler bei b12 !"},
        {1, 0, FirstValueColumn, "-", "Syntaxfehler bei a0 !"},
        {2, 3, FirstValueColumn, "?", "Syntaxfehler bei B3 !"},
        {2, 3, SecondValueColumn, "9 9", "Syntaxfehler bei PHI3 !"},
        {0, 3, FirstValueColumn, "2e15", "Wert zu gro\u00df bei A3 !"},
        {0, 0, FirstValueColumn, "-1e16", "Wert zu gro\u00df bei A0 !"},
        {1, 4, SecondValueColumn, "1e30", "Wert zu gro\u00df bei b4 !"},
        {2, 9, SecondValueColumn, "1e39", "Wert zu gro\u00df bei PHI9 !"},
        {0, 1, FirstValueColumn, std::string(300, '9'), "Wert zu gro\u00df bei A1 !"},
    };
    for (const auto& c : cases) {
        Series s;
        const auto fault = TypeAndRead(s, c.mode, c.n, c.column, c.text);
        ASSERT_TRUE(fault) << c.message;
        EXPECT_EQ(fault->n, c.n);
        EXPECT_EQ(fault->column, c.column);
        EXPECT_EQ(CellFaultMessage(*fault, c.mode), c.message);
    }
    // Coefficients each within the limit whose magnitude is not: the larger one is blamed.
    Series s;
    HarmonicsCells k = Filled(s, 1);
    k[2][FirstValueColumn] = "8e14";
    k[2][SecondValueColumn] = "-9e14";
    EXPECT_EQ(CellFaultMessage(*ReadTable(k, 1, s.amplitude, s.phase), 1),
              "Wert zu gro\u00df bei b2 !");
    EXPECT_EQ(s.amplitude[2], 0);
}

TEST(HarmonicsTableRules, ReadingStopsAtTheRefusedCell) {
    Series s;
    s.phase.fill(10);
    HarmonicsCells k = Filled(s, 0);
    for (int n = 0; n < HarmonicCount; ++n) k[n][FirstValueColumn] = std::to_string(n);
    k[3][SecondValueColumn] = "-30";
    k[7][SecondValueColumn] = "abc";
    ASSERT_TRUE(ReadTable(k, 0, s.amplitude, s.phase));
    EXPECT_EQ(s.amplitude[128], 128) << "all amplitudes come before the first phase";
    EXPECT_EQ(s.phase[3], 330);
    EXPECT_EQ(s.phase[7], 10);
    EXPECT_EQ(s.phase[8], 10);

    Series c; // mode 1 stores a line only when both its coefficients are good
    c.amplitude.fill(5);
    k = Filled(c, 1);
    k[4][FirstValueColumn] = "3";
    k[4][SecondValueColumn] = "no";
    ASSERT_TRUE(ReadTable(k, 1, c.amplitude, c.phase));
    EXPECT_EQ(c.amplitude[4], 5);
}

TEST(HarmonicsTableRules, Factor) {
    const SeriesValues a{2, 50, -4};
    const struct {
        const char* text;
        bool taken;
        float a0, a1, a2;
    } cases[] = {
        {"2", true, 4, 100, -8},    {"0.5", true, 1, 25, -2},  {"-1", true, -2, -50, 4},
        {" 2", true, 4, 100, -8},   {"0,5", false, 2, 50, -4}, {"", false, 2, 50, -4},
        {"1e14", false, 2, 50, -4}, // 50e14 would exceed MaxAmplitude
        {"1e39", false, 2, 50, -4},
    };
    for (const auto& c : cases) {
        SeriesValues v = a;
        EXPECT_EQ(MultiplyAmplitudes(c.text, v), c.taken) << c.text;
        EXPECT_EQ(v[0], c.a0) << c.text;
        EXPECT_EQ(v[1], c.a1) << c.text;
        EXPECT_EQ(v[2], c.a2) << c.text;
    }
    SeriesValues zero{}, large = a;
    EXPECT_FALSE(MultiplyAmplitudes("1e39", zero)) << "an infinite factor even for zeros";
    EXPECT_TRUE(MultiplyAmplitudes("1e13", large)); // 5e14 is allowed

    for (int mode = 0; mode < 3; ++mode) { // -1, then read back in each mode
        Series s;
        s.amplitude[0] = 7;
        s.amplitude[1] = 50;
        s.phase[1] = 30;
        ASSERT_TRUE(MultiplyAmplitudes("-1", s.amplitude));
        EXPECT_FALSE(TypeAndRead(s, mode, 0, FirstValueColumn, "-7"));
        EXPECT_NEAR(s.amplitude[1], 50, 1e-4) << mode;
        // Mode 1 stores the negated signal, the others the magnitude with the phase negated.
        EXPECT_NEAR(s.phase[1], mode == 1 ? -150 : -30, 1e-4) << mode;
    }
}

TEST(HarmonicsTableRules, CaptionsAndSymbols) {
    const struct {
        int mode;
        const char *h2, *h3, *l1, *l2, *s2, *s3;
    } cases[] = {
        {0, "An", "PHIn [\u00b0]", "s(x) = A0 +", "An \u00b7 cos(nx + PHIn)", "A", "PHI"},
        {1, "an", "bn", "s(x) = a0 +", "(an \u00b7 cos(nx) + bn \u00b7 sin(nx))", "a", "b"},
        {2, "Bn", "PHIn [\u00b0]", "s(x) = B0 +", "Bn \u00b7 sin(nx + PHIn)", "B", "PHI"},
    };
    for (const auto& c : cases) {
        const HarmonicsCaptions k = HarmonicsCaptionsFor(c.mode);
        EXPECT_EQ(k.firstHeader + "|" + k.secondHeader + "|" + k.l1 + "|" + k.l2,
                  std::string(c.h2) + "|" + c.h3 + "|" + c.l1 + "|" + c.l2);
        EXPECT_EQ(CellSymbol(c.mode, FirstValueColumn), c.s2);
        EXPECT_EQ(CellSymbol(c.mode, SecondValueColumn), c.s3);
    }
}

} // namespace
