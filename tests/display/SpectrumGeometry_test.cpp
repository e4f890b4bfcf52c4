// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/SpectrumGeometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr Rgb Red{255, 0, 0}, Maroon{128, 0, 0}, Blue{0, 0, 255}, Navy{0, 0, 128};
constexpr Rgb Lime{0, 255, 0}, Green{0, 128, 0}, Yellow{255, 255, 0}, Olive{128, 128, 0};
constexpr Rgb Aqua{0, 255, 255}, Teal{0, 128, 128}, Fuchsia{255, 0, 255}, Purple{128, 0, 128};

struct Line {
    int n;
    float amplitude;
    float phase;
};

tSignal WithLines(float a0, std::initializer_list<Line> lines) {
    tSignal s;
    s.Amplitude[0] = a0;
    for (const Line& l : lines) {
        s.Amplitude[l.n] = l.amplitude;
        s.Phase[l.n] = l.phase;
    }
    return s;
}

const SpectrumBar* BarOf(const std::vector<SpectrumBar>& bars, int column) {
    for (const SpectrumBar& b : bars)
        if (b.column == column) return &b;
    return nullptr;
}

std::vector<std::string> Texts(const std::vector<SpectrumAxisLabel>& labels) {
    std::vector<std::string> texts;
    for (const SpectrumAxisLabel& l : labels) texts.push_back(l.text);
    return texts;
}

TEST(SpectrumGeometry, HorizontalGridRowsAndLabels) {
    struct Case {
        SpectrumView view;
        int left;
        std::vector<int> rows;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        // 50 * 0.51f lies just below 25.5: a k in double precision would put it on row 54.
        {SpectrumView::Magnitude,
         18,
         {80, 67, 55, 42, 29, 16, 4},
         {"0", "25", "50", "75", "100", "125", "150"}},
        {SpectrumView::Angle, 17, {80, 61, 42, 23, 4}, {"-180", "-90", "0", "90", "180"}},
        {SpectrumView::Cosine, 17, {80, 61, 42, 23, 4}, {"-100", "-50", "0", "50", "100"}},
        {SpectrumView::Sine, 17, {80, 61, 42, 23, 4}, {"-100", "-50", "0", "50", "100"}},
    };
    for (const Case& c : cases) {
        const auto lines = SpectrumHorizontalGrid(c.view);
        ASSERT_EQ(lines.size(), c.rows.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            SCOPED_TRACE(c.labels[i]);
            EXPECT_EQ(lines[i].y, c.rows[i]);
            EXPECT_EQ(lines[i].xFrom, c.left);
            EXPECT_EQ(lines[i].xTo, 313);
            EXPECT_EQ(lines[i].label, c.labels[i]);
            EXPECT_EQ(lines[i].labelRight, 15);
            EXPECT_EQ(lines[i].labelTop, c.rows[i] - 5);
        }
    }
}

TEST(SpectrumGeometry, RowsRoundHalfwayValuesToEven) {
    // v * k is exactly halfway between two integers for these powers of two times the
    // odd mantissa of k; the lower neighbour is even, rounding away from zero would differ.
    const float v = 3 * 4194304.0f; // 3 * 2^22: v * 0.38f = 4781506.5
    EXPECT_EQ(SpectrumY(SpectrumView::Cosine, v), 42 - 4781506);
    EXPECT_EQ(SpectrumY(SpectrumView::Sine, -v), 42 + 4781506);
    EXPECT_EQ(SpectrumY(SpectrumView::Angle, 33554432.0f), 42 - 7046430); // 2^25 * 0.21f
}

TEST(SpectrumGeometry, VerticalGridSpansTheScaleAtEveryColumnCentre) {
    for (SpectrumView view :
         {SpectrumView::Magnitude, SpectrumView::Angle, SpectrumView::Cosine, SpectrumView::Sine}) {
        const auto lines = SpectrumVerticalGrid(view);
        ASSERT_EQ(lines.size(), 33u);
        for (int c = 0; c < 33; ++c) {
            EXPECT_EQ(lines[c].x, 9 * c + 22);
            EXPECT_EQ(lines[c].yFrom, 80);
            EXPECT_EQ(lines[c].yTo, 4);
        }
    }
}

TEST(SpectrumGeometry, MagnitudeBars) {
    const tSignal s =
        WithLines(-20, {{1, 100, 0}, {2, 0, 33}, {3, -5, 0}, {4, 200, 0}, {5, 150, 0}});
    const auto bars = SpectrumBars(SpectrumView::Magnitude, s, 0, 0, 1);
    struct Case {
        int column;
        int top;
        Rgb colour;
    };
    const Case cases[] = {{0, 70, Navy},   // |A0| = 20, coloured by the negative sign
                          {1, 29, Lime},   // selected
                          {2, 80, Green},  // amplitude 0: one row on the zero line
                          {4, -22, Green}, // beyond the scale, not limited
                          {5, 4, Green},   {6, 80, Green}};
    for (const Case& c : cases) {
        const SpectrumBar* bar = BarOf(bars, c.column);
        ASSERT_NE(bar, nullptr) << c.column;
        EXPECT_EQ(bar->top, c.top) << c.column;
        EXPECT_EQ(bar->bottom, 81) << c.column;
        EXPECT_EQ(bar->left, 9 * c.column + 20);
        EXPECT_EQ(bar->right, 9 * c.column + 24);
        EXPECT_EQ(bar->colour, c.colour) << c.column;
    }
    EXPECT_EQ(BarOf(bars, 3), nullptr) << "a negative magnitude draws nothing above the zero row";
    EXPECT_EQ(bars.size(), 32u);

    EXPECT_EQ(BarOf(SpectrumBars(SpectrumView::Magnitude, s, 0, 0, 0), 0)->colour, Blue);
    const tSignal positive = WithLines(20, {});
    EXPECT_EQ(BarOf(SpectrumBars(SpectrumView::Magnitude, positive, 0, 0, 0), 0)->colour, Red);
    EXPECT_EQ(BarOf(SpectrumBars(SpectrumView::Magnitude, positive, 0, 0, -1), 0)->colour, Maroon);
}

TEST(SpectrumGeometry, SignedBars) {
    // Phases 0 and 180 give exact cosine values, 90 and -90 exact sine values.
    const tSignal s = WithLines(-20, {{1, 50, 0},
                                      {2, 50, 180},
                                      {3, 300, 0},
                                      {4, 0, 77},
                                      {5, 50, 90},
                                      {6, 50, -90},
                                      {7, 10, 270},
                                      {8, 10, 45}});
    struct Case {
        SpectrumView view;
        int mode;
        int column;
        int selected;
        int top, bottom; // bottom exclusive
        Rgb colour;
    };
    const Case cases[] = {
        {SpectrumView::Cosine, 1, 0, -1, 42, 51, Navy}, // A0 = -20 below the zero row
        {SpectrumView::Cosine, 1, 0, 0, 42, 51, Blue},
        {SpectrumView::Cosine, 1, 1, -1, 23, 43, Teal},
        {SpectrumView::Cosine, 1, 1, 1, 23, 43, Aqua},
        {SpectrumView::Cosine, 1, 2, -1, 42, 62, Teal},
        {SpectrumView::Cosine, 1, 3, -1, -72, 43, Teal}, // 300 runs out of the box
        {SpectrumView::Cosine, 1, 4, -1, 42, 43, Teal},  // zero: one row
        {SpectrumView::Sine, 1, 4, -1, 42, 43, Purple},
        {SpectrumView::Sine, 1, 5, -1, 42, 62, Purple}, // b = -A sin 90 = -50
        {SpectrumView::Sine, 1, 6, 6, 23, 43, Fuchsia},
        {SpectrumView::Angle, 0, 7, -1, 42, 62, Olive}, // 270 is shown as -90
        {SpectrumView::Angle, 2, 7, -1, 42, 43, Olive}, // mode 2: 270 + 90 is shown as 0
        {SpectrumView::Angle, 0, 8, 8, 33, 43, Yellow},
        {SpectrumView::Angle, 2, 8, -1, 14, 43, Olive}, // 135
        {SpectrumView::Angle, 0, 4, -1, 42, 43, Olive}, // amplitude 0: angle 0, phase 77 unused
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "view " << static_cast<int>(c.view) << " mode "
                                          << c.mode << " column " << c.column);
        const auto bars = SpectrumBars(c.view, s, c.mode, 0, c.selected);
        const SpectrumBar* bar = BarOf(bars, c.column);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->top, c.top);
        EXPECT_EQ(bar->bottom, c.bottom);
        EXPECT_EQ(bar->colour, c.colour);
        const bool hasConstant = c.view == SpectrumView::Cosine;
        EXPECT_EQ(BarOf(bars, 0) != nullptr, hasConstant)
            << "constant term only in the cosine view";
    }
    // Far beyond the scale: rows far outside the box, without overflow.
    const tSignal huge = WithLines(-3e30f, {{1, 3e38f, 0}});
    EXPECT_GT(BarOf(SpectrumBars(SpectrumView::Cosine, huge, 1, 0, -1), 0)->bottom, 91);
    EXPECT_LT(BarOf(SpectrumBars(SpectrumView::Cosine, huge, 1, 0, -1), 1)->top, 0);
}

TEST(SpectrumGeometry, ScrollShowsLaterHarmonicsButKeepsTheConstantTerm) {
    const tSignal s = WithLines(25, {{1, 150, 0}, {6, 150, 0}, {97, 100, 0}, {128, 50, 0}});
    const auto bars = SpectrumBars(SpectrumView::Magnitude, s, 0, 6, -1);
    EXPECT_EQ(BarOf(bars, 0)->top, 67);  // A0
    EXPECT_EQ(BarOf(bars, 1)->top, 29);  // harmonic 97
    EXPECT_EQ(BarOf(bars, 6)->top, 80);  // harmonic 102, not 6
    EXPECT_EQ(BarOf(bars, 32)->top, 55); // harmonic 128
    EXPECT_EQ(SpectrumEntry(1, 6), 97);
    EXPECT_EQ(SpectrumEntry(32, 6), 128);
    EXPECT_EQ(SpectrumEntry(0, 6), 0);
}

TEST(SpectrumGeometry, AxisLabels) {
    struct Case {
        int sanz;
        int scroll;
        float fo;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {0, 0, 1000, {"fo", "5·fo", "10·fo", "15·fo", "20·fo", "25·fo", "30·fo"}},
        {0, 2, 1000, {"33·fo", "37·fo", "42·fo", "47·fo", "52·fo", "57·fo", "62·fo"}},
        {0, 6, 1000, {"97·fo", "101·fo", "106·fo", "111·fo", "116·fo", "121·fo", "126·fo"}},
        {1, 0, 1000, {"1k", "5k", "10k", "15k", "20k", "25k", "30kHz"}},
        {1, 0, 440, {"440 ", "2,2k", "4,4k", "6,6k", "8,8k", "11k", "13,2kHz"}},
        // Scrolled, the first column's frequency still carries no unit.
        {1, 1, 1000, {"17k", "21k", "26k", "31k", "36k", "41k", "46kHz"}},
        {1, 0, 0.1f, {"100m", "500m", "1 ", "1,5 ", "2 ", "2,5 ", "3 Hz"}},
        {2, 0, 1000, {}},
        {-1, 0, 1000, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "sanz " << c.sanz << " scroll " << c.scroll);
        const auto labels = SpectrumAxisLabels(c.sanz, c.scroll, c.fo);
        EXPECT_EQ(Texts(labels), c.texts);
        const int centres[] = {31, 67, 112, 157, 202, 247, 292};
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_EQ(labels[i].centreX, centres[i]);
            EXPECT_EQ(labels[i].top, 81);
        }
    }
}

TEST(SpectrumGeometry, CoefficientsOfALine) {
    const tSignal s = WithLines(0, {{1, 10, 60}, {2, 10, -30}, {3, 0.1f, 0}});
    EXPECT_FLOAT_EQ(CosineCoefficient(s, 1), 5.0f);
    EXPECT_FLOAT_EQ(SineCoefficient(s, 1), -10 * std::sqrt(3.0f) / 2);
    EXPECT_FLOAT_EQ(CosineCoefficient(s, 2), 10 * std::sqrt(3.0f) / 2);
    EXPECT_FLOAT_EQ(SineCoefficient(s, 2), 5.0f);
    EXPECT_EQ(CosineCoefficient(s, 3), 0.1f);
    EXPECT_EQ(SineCoefficient(s, 3), 0.0f);
}

} // namespace
