// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/WaveformGeometry.h"

#include <gtest/gtest.h>

TEST(WaveformGeometry, LayoutsAndHitBands) {
    const PointsLayout layouts[] = {{8, 8, 56}, {16, 4, 28}, {32, 2, 14}, {64, 1, 7}};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(LayoutFor(i), layouts[i]);
    EXPECT_EQ(LayoutFor(7), layouts[2]) << "an unknown index counts as 32 points";

    struct Case {
        int pointsIndex, x, y;
        std::optional<WaveHit> hit;
    };
    const Case cases[] = {
        {0, 21, 113, std::nullopt},    {0, 22, 113, WaveHit{0, 0}}, {0, 28, 50, WaveHit{0, 63}},
        {0, 29, 113, std::nullopt},    {0, 77, 113, std::nullopt},  {0, 78, 300, WaveHit{1, -187}},
        {0, 476, 0, WaveHit{8, 113}},  {0, 477, 113, std::nullopt}, {3, 29, -50, WaveHit{1, 163}},
        {3, 476, 113, WaveHit{64, 0}}, {3, 477, 113, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HitTest(LayoutFor(c.pointsIndex), c.x, c.y), c.hit) << c.pointsIndex << c.x;
    // 8 points answer in 7 of every 56 columns; the bands of 64 points touch.
    for (const auto& [index, answering] : {std::pair{0, 7 * 9}, std::pair{3, 476 - 22 + 1}}) {
        int count = 0;
        for (int x = 0; x < WaveBoxWidth; ++x) count += HitTest(LayoutFor(index), x, 0) ? 1 : 0;
        EXPECT_EQ(count, answering);
    }
}

TEST(WaveformGeometry, PictureOfGridLabelsCurveAndMarks) {
    const PointsLayout eight = LayoutFor(0);
    const WavePicture p = DrawCurve(eight, {50, 0, 0, 0, 0, 0, -20, 0}, 6);
    ASSERT_EQ(p.grid.size(), 23u + 9u);
    EXPECT_EQ(p.grid.front(), (WaveLine{22, 3, 476, 3}));
    EXPECT_EQ(p.grid[22], (WaveLine{22, 223, 476, 223}));
    EXPECT_EQ(p.grid[23 + 8], (WaveLine{473, 3, 473, 223}));
    ASSERT_EQ(p.labels.size(), 11u);
    EXPECT_EQ(p.labels.front().text, "-100");
    EXPECT_EQ(p.labels.front().top, 208);
    EXPECT_EQ(p.labels.back().right, 20);
    const std::vector<WavePoint> curve{{25, 63},   {81, 113},  {137, 113}, {193, 113}, {249, 113},
                                       {305, 113}, {361, 133}, {417, 113}, {473, 63}};
    EXPECT_EQ(p.curve, curve);
    ASSERT_EQ(p.marks.size(), 9u);
    EXPECT_EQ(p.marks[0], (WaveMark{23, 61, false}));
    EXPECT_EQ(p.marks[6], (WaveMark{359, 131, true}));
    EXPECT_EQ(p.marks[8], (WaveMark{471, 61, false}));
    // The closing point shows white when either end is marked, point 0 only for itself.
    EXPECT_TRUE(DrawCurve(eight, std::vector<int32_t>(8), 0).marks[8].selected);
    EXPECT_FALSE(DrawCurve(eight, std::vector<int32_t>(8), 8).marks[0].selected);
}

TEST(WaveformGeometry, RedrawBandsAndFarValues) {
    EXPECT_EQ(RedrawBand(LayoutFor(0), 0), (WaveBand{22, 82}));
    EXPECT_EQ(RedrawBand(LayoutFor(0), 3), (WaveBand{137, 250}));
    EXPECT_EQ(RedrawBand(LayoutFor(3), 64), (WaveBand{466, 476}));
    EXPECT_EQ(ValueY(-1000), 1113);
    EXPECT_EQ(ValueY(INT32_MIN), 1 << 20);
}
