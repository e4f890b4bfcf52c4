// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/HarmonicsTable.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The text split at CR LF; the text must end in one.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
        end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text does not end in CR LF";
            break;
        }
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

TEST(HarmonicsTable, NameHeaderConstantTermAndAll128Rows) {
    tSignal s;
    s.Amplitude[0] = -2.5f;
    s.Amplitude[1] = 100;
    s.Phase[1] = -90;
    const std::vector<std::string> lines = Lines(HarmonicsTableText("S\xc3\xa4ge", s, 0, 1000));
    ASSERT_EQ(lines.size(), 131u);
    EXPECT_EQ(lines[0], "S\xc3\xa4ge");
    EXPECT_EQ(lines[2], "0:\t0\t-2,5");
    EXPECT_EQ(lines[3], "1:\t1000\t100\t-90");
    EXPECT_EQ(lines[130], "128:\t128000\t0\t0");
}

TEST(HarmonicsTable, HeaderAndRowsByMode) {
    struct Case {
        int mode, n;
        float amplitude, phase;
        const char* header;
        const char* row;
    };
    const Case cases[] = {
        // The sine column's negative zero is written as 0.
        {1, 1, 100, 0, "n\tf(Hz)\tcos\tsin", "1:\t1000\t100\t0"},
        {1, 2, 100, 60, "n\tf(Hz)\tcos\tsin", "2:\t2000\t50\t-86,603"},
        // The coefficients are not rounded to floats: all three decimals stay right.
        {1, 4, 100000, 45, "n\tf(Hz)\tcos\tsin", "4:\t4000\t70710,678\t-70710,678"},
        // 270 + 90 wraps to 0 in the sine form; plain 270 reads -90.
        {2, 3, 50, 270, "n\tf(Hz)\tsin\tphi", "3:\t3000\t50\t0"},
        {0, 3, 50, 270, "n\tf(Hz)\tcos\tphi", "3:\t3000\t50\t-90"},
        // Magnitudes with three decimals, phases with two.
        {0, 7, 1.23456f, 12.345f, "n\tf(Hz)\tcos\tphi", "7:\t7000\t1,235\t12,35"},
        // A line of amplitude 0 keeps its stored phase in the table.
        {2, 5, 0, 45, "n\tf(Hz)\tsin\tphi", "5:\t5000\t0\t135"},
        // An unknown mode ends header and rows after the tab that follows the frequency.
        {3, 1, 100, 0, "n\tf(Hz)\t", "1:\t1000\t"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        tSignal s;
        s.Amplitude[c.n] = c.amplitude;
        s.Phase[c.n] = c.phase;
        const std::vector<std::string> lines = Lines(HarmonicsTableText("x", s, c.mode, 1000));
        ASSERT_EQ(lines.size(), 131u);
        EXPECT_EQ(lines[1], c.header);
        EXPECT_EQ(lines[2 + c.n], c.row);
    }
}

TEST(HarmonicsTable, FrequenciesOfATenthOfAHertz) {
    const std::vector<std::string> lines = Lines(HarmonicsTableText("x", tSignal(), 3, 0.1f));
    ASSERT_EQ(lines.size(), 131u);
    for (int p = 1; p <= 128; ++p) { // 0,1 ... 0,9, 1, 1,1 ... 12,8
        std::string f = std::to_string(p / 10);
        if (p % 10 != 0) f += "," + std::to_string(p % 10);
        EXPECT_EQ(lines[2 + p], std::to_string(p) + ":\t" + f + "\t");
    }
}

TEST(HarmonicsTable, CsvHasAHeaderRowAndSemicolonsWithDecimalCommas) {
    tSignal s;
    s.Amplitude[0] = -2.5f;
    s.Amplitude[1] = 100;
    s.Phase[1] = -90;
    const std::vector<std::string> lines = Lines(HarmonicsCsv(s, 1, 440.5f));
    ASSERT_EQ(lines.size(), 130u);
    EXPECT_EQ(lines[0], "n;f(Hz);cos;sin");
    EXPECT_EQ(lines[1], "0;0;-2,5;");
    EXPECT_EQ(lines[2], "1;440,5;0;100");
    EXPECT_EQ(lines[129], "128;56384;0;0");
    EXPECT_EQ(Lines(HarmonicsCsv(s, 0, 1000))[0], "n;f(Hz);cos;phi");
    EXPECT_EQ(Lines(HarmonicsCsv(s, 7, 1000))[2], "1;1000"); // no columns for an unknown mode
}

} // namespace

TEST(HarmonicsTable, DecimalPointInEveryNumberButNotInTheName) {
    tSignal s;
    s.Amplitude[0] = -2.5f;
    s.Amplitude[3] = 12.25f;
    const std::vector<std::string> lines = Lines(HarmonicsTableText("a,b", s, 1, 0.1f, '.'));
    EXPECT_EQ(lines[0], "a,b");
    EXPECT_EQ(lines[2], "0:\t0\t-2.5");
    EXPECT_EQ(Lines(HarmonicsCsv(s, 1, 0.1f, '.'))[1], "0,0,-2.5,");
}
