// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/LineDiagramGeometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

const std::string Micro = "\u00b5";
const std::string Degree = "\u00b0";

TEST(DiagramRow, RangeEndsFallOnRows4And182AtEveryZoom) {
    for (int dyr = 0; dyr <= 6; ++dyr) {
        const float k = DiagramRowScale(dyr);
        const float r = static_cast<float>(AmplitudeRanges[dyr].range);
        EXPECT_EQ(DiagramRow(r, k), 4) << dyr;
        EXPECT_EQ(DiagramRow(-r, k), 182) << dyr;
        EXPECT_LT(DiagramRow(1.5f * r, k), 4) << dyr; // not limited to the grid
    }
    EXPECT_EQ(&AmplitudeFor(9), &AmplitudeRanges[6]);
    EXPECT_EQ(&WindowFor(-1), &WindowTable[0]);
}

TEST(DiagramRow, HalfwayProductsGoToTheEvenRow) {
    struct Case {
        float v, k;
        int row;
    };
    const Case cases[] = {
        {0.5f, 1.0f, 93},  {1.5f, 1.0f, 91},  {2.5f, 1.0f, 91},  {3.5f, 1.0f, 89},
        {-2.5f, 1.0f, 95}, {1.25f, 2.0f, 91}, {22.5f, 0.5f, 82}, {2.5f, 0.25f, 92},
    };
    for (const Case& c : cases) EXPECT_EQ(DiagramRow(c.v, c.k), c.row) << c.v << " * " << c.k;
}

TEST(DiagramRow, ProductIsFormedExactly) {
    // (1 + 2^-23) * (2.5 - 2^-22) = 2.5 + 2^-24 - 2^-45, just above the tie: 3. Rounded to a
    // float first it would become the tie 2.5 and go to 2.
    const float v = 1.0f + std::ldexp(1.0f, -23);
    const float k = 2.5f - std::ldexp(1.0f, -22);
    ASSERT_EQ(static_cast<float>(v * static_cast<long double>(k)), 2.5f);
    EXPECT_EQ(DiagramRow(v, k), 90);
    EXPECT_EQ(DiagramRow(-v, k), 96);
}

TEST(DiagramRow, UnusableValuesGiveNoOverflow) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_LT(DiagramRow(inf, 1.0f), -100000);
    EXPECT_GT(DiagramRow(-inf, 1.0f), 100000);
    EXPECT_EQ(DiagramRow(std::numeric_limits<float>::quiet_NaN(), 1.0f), 93);
}

TEST(AmplitudeGrid, ZeroFirstThenEachStepAboveAndBelow) {
    for (int dyr = 0; dyr <= 6; ++dyr) {
        const AmplitudeZoom& zoom = AmplitudeRanges[dyr];
        const std::vector<GridMark> marks = AmplitudeGrid(dyr);
        ASSERT_EQ(marks.size(), 1u + 2u * zoom.lines) << dyr;
        EXPECT_EQ(marks[0].line, (DiagramLine{25, 93, 585, 93}));
        for (std::size_t i = 0; i < marks.size(); ++i) {
            const GridMark& m = marks[i];
            const int value = static_cast<int>((i + 1) / 2) * zoom.step * (i % 2 ? 1 : -1);
            EXPECT_EQ(m.line, (DiagramLine{25, m.line.y1, 585, m.line.y1}));
            EXPECT_EQ(m.line.y1, DiagramRow(static_cast<float>(value), DiagramRowScale(dyr)));
            ASSERT_TRUE(m.label);
            EXPECT_EQ(m.label->text, std::to_string(value)) << dyr;
            EXPECT_EQ(m.label->x, 20);
            EXPECT_EQ(m.label->top, m.line.y1 - 5);
            EXPECT_EQ(m.label->anchor, LabelAnchor::Right);
        }
    }
}

// x of every line and its label text ("" for none), in order; checks what all vertical
// lines and axis labels share on the way.
struct Axis {
    std::vector<int> xs;
    std::vector<std::string> labels;
};

Axis Describe(const std::vector<GridMark>& marks, int dyr) {
    const float r = static_cast<float>(AmplitudeRanges[dyr].range);
    const int top = DiagramRow(r, DiagramRowScale(dyr));
    const int bottom = DiagramRow(-r, DiagramRowScale(dyr));
    Axis a;
    for (const GridMark& m : marks) {
        EXPECT_EQ(m.line, (DiagramLine{m.line.x1, top, m.line.x1, bottom}));
        a.xs.push_back(m.line.x1);
        a.labels.push_back(m.label ? m.label->text : "");
        if (!m.label) continue;
        EXPECT_EQ(m.label->x, m.line.x1);
        EXPECT_EQ(m.label->top, 94);
        EXPECT_EQ(m.label->anchor, LabelAnchor::Centre);
    }
    return a;
}

TEST(AngleAxis, DivisionsLabelledInDegreesExceptAtTheEnds) {
    for (int dxr = 0; dxr <= 3; ++dxr) {
        const WindowZoom& w = WindowTable[dxr];
        const Axis a = Describe(AngleAxis(dxr, 3), 3);
        ASSERT_EQ(a.xs.size(), static_cast<std::size_t>(w.divisions + 1)) << dxr;
        for (int i = 0; i <= w.divisions; ++i) {
            // Truncated one by one (560 / 24 is not whole), not spaced by a rounded step.
            EXPECT_EQ(a.xs[i], 25 + i * 560 / w.divisions);
            const bool end = i == 0 || i == w.divisions;
            EXPECT_EQ(a.labels[i], end ? "" : std::to_string(i * w.degreesPerDivision) + Degree);
        }
    }
    const Axis two = Describe(AngleAxis(1, 2), 2);
    EXPECT_EQ(two.xs[2], 95);
    EXPECT_EQ(two.labels[15], "675" + Degree);
    EXPECT_EQ(Describe(AngleAxis(0, 2), 2).xs[3], 95);
    EXPECT_EQ(Describe(AngleAxis(3, 2), 2).labels[15], "2700" + Degree);
}

TEST(TimeGridStep, OneTwoOrFiveTimesAPowerOfTen) {
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        float window;
        float step;
    };
    const Case cases[] =
        {
            {10.0f, 1.0f},         {0.7f, 0.05f},     {0.35f, 0.02f},
            {0.15f, 0.01f},        {80.0f, 5.0f},     {125.0f, 10.0f},
            {1.0f / 440, 0.0002f}, {0.002f, 0.0002f}, // its tenth comes out at or just above 2
            {0.02f, 0.001f},                          // its tenth comes out just below 2 ms
            {0.0f, 0.0f},          {-1.0f, 0.0f},     {inf, 0.0f},
        };
    for (const Case& c : cases) EXPECT_FLOAT_EQ(TimeGridStep(c.window), c.step) << c.window;
}

TEST(TimeAxis, Examples) {
    struct Case {
        float fo;
        int dxr;
        Axis expected;
    };
    std::vector<Case> cases = {
        {1000.0f,
         1,
         {{25, 81, 137, 193, 249, 305, 361, 417, 473, 529, 585},
          {"", "200" + Micro, "400" + Micro, "600" + Micro, "800" + Micro, "1m", "1,2m", "1,4m",
           "1,6m", "1,8ms", ""}}},
        {0.1f,
         0,
         {{25, 81, 137, 193, 249, 305, 361, 417, 473, 529, 585},
          {"", "1 ", "2 ", "3 ", "4 ", "5 ", "6 ", "7 ", "8 ", "9 s", ""}}},
        {440.0f,
         0,
         {{25, 74, 124, 173, 222, 271, 321, 370, 419, 469, 518, 567},
          {"", "200" + Micro, "400" + Micro, "600" + Micro, "800" + Micro, "1m", "1,2m", "1,4m",
           "1,6m", "1,8m", "2ms", ""}}},
        {50.0f, 0, {}}, // 1 ms steps, 28 pixels apart
    };
    for (int i = 0; i <= 20; ++i) {
        cases.back().expected.xs.push_back(25 + 28 * i);
        cases.back().expected.labels.push_back(i == 0 || i == 20 ? ""
                                               : i == 19         ? "19ms"
                                                                 : std::to_string(i) + "m");
    }
    for (const Case& c : cases) {
        const Axis a = Describe(TimeAxis(c.dxr, 2, c.fo), 2);
        EXPECT_EQ(a.xs, c.expected.xs) << c.fo;
        EXPECT_EQ(a.labels, c.expected.labels) << c.fo;
    }
}

TEST(TimeAxis, OnlyTheLastLabelCarriesTheUnit) {
    for (int dxr = 0; dxr <= 3; ++dxr) {
        for (float fo = 0.1f; fo <= 25000.0f; fo *= 1.0213f) {
            const std::vector<GridMark> marks = TimeAxis(dxr, 1, fo);
            int withUnit = 0;
            std::size_t last = 0;
            for (std::size_t i = 1; i < marks.size(); ++i) {
                EXPECT_GT(marks[i].line.x1, marks[i - 1].line.x1) << fo;
                if (!marks[i].label) continue;
                last = i;
                withUnit += marks[i].label->text.back() == 's';
            }
            ASSERT_GT(last, 0u) << fo;
            EXPECT_EQ(withUnit, 1) << fo << " dxr " << dxr;
            EXPECT_EQ(marks[last].label->text.back(), 's') << fo << " dxr " << dxr;
            EXPECT_LE(marks.back().line.x1, 586) << fo;
        }
    }
}

TEST(LineDiagramGrid, AmplitudeGridThenTheChosenAxis) {
    const std::size_t amplitude = AmplitudeGrid(2).size();
    EXPECT_EQ(LineDiagramGrid(1, 2, 0, 1000.0f).size(), amplitude + AngleAxis(1, 2).size());
    EXPECT_EQ(LineDiagramGrid(1, 2, 1, 1000.0f).size(), amplitude + TimeAxis(1, 2, 1000.0f).size());
    EXPECT_EQ(LineDiagramGrid(1, 2, 2, 1000.0f).size(), amplitude);
    EXPECT_EQ(LineDiagramGrid(1, 2, 1, 1000.0f)[amplitude].line.x1, 25);
}

TEST(CurvePoints, OneColumnPerSampleFromPixel25) {
    const float k = DiagramRowScale(0);
    std::vector<float> samples(DiagramSampleCount);
    for (int x = 0; x < DiagramSampleCount; ++x) samples[x] = static_cast<float>(x % 60 - 30);
    const std::vector<DiagramPoint> points = CurvePoints(samples, k);
    ASSERT_EQ(points.size(), samples.size());
    for (int x = 0; x < DiagramSampleCount; ++x)
        EXPECT_EQ(points[x], (DiagramPoint{25 + x, DiagramRow(samples[x], k)}));
    EXPECT_EQ(points[5].y, 182); // -25 at the smallest range
    EXPECT_EQ(points.back().x, 585);
}

} // namespace
