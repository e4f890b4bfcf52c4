// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/CurveRaster.h"

#include <gtest/gtest.h>
#include <set>

namespace {

std::vector<DiagramPoint> Pixels(const std::vector<DiagramPoint>& points, int w = 589,
                                 int h = 187) {
    std::vector<DiagramPoint> out;
    ForEachCurvePixel(points, w, h, [&](int x, int y) { out.push_back({x, y}); });
    return out;
}

TEST(CurveRaster, SteepSegmentsSplitTheirRowsBetweenTheTwoColumns) {
    struct Case {
        std::vector<DiagramPoint> points;
        std::vector<DiagramPoint> pixels;
    };
    const Case cases[] = {
        {{{10, 50}, {11, 50}}, {{10, 50}, {11, 50}}},
        {{{10, 50}, {11, 51}}, {{10, 50}, {11, 51}}},
        {{{10, 50}, {11, 54}}, {{10, 50}, {10, 51}, {11, 52}, {11, 53}, {11, 54}}},
        {{{10, 50}, {11, 47}}, {{10, 50}, {10, 49}, {11, 48}, {11, 47}}},
        {{{10, 50}, {11, 50}, {12, 40}},
         {{10, 50},
          {11, 50},
          {11, 49},
          {11, 48},
          {11, 47},
          {11, 46},
          {12, 45},
          {12, 44},
          {12, 43},
          {12, 42},
          {12, 41},
          {12, 40}}},
    };
    for (const Case& c : cases) EXPECT_EQ(Pixels(c.points), c.pixels);
}

TEST(CurveRaster, RunsThroughEveryPointAndStaysConnected) {
    std::vector<DiagramPoint> points;
    for (int x = 0; x < 200; ++x) points.push_back({x, 90 + ((x * 37) % 61) - 30});
    const auto pixels = Pixels(points);
    const std::set<std::pair<int, int>> set = [&] {
        std::set<std::pair<int, int>> s;
        for (auto p : pixels) s.insert({p.x, p.y});
        return s;
    }();
    for (auto p : points) EXPECT_TRUE(set.count({p.x, p.y})) << p.x;
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        EXPECT_LE(std::abs(pixels[i].x - pixels[i - 1].x), 1);
        EXPECT_LE(std::abs(pixels[i].y - pixels[i - 1].y), 1);
    }
}

TEST(CurveRaster, OnlyPixelsInsideTheBoxAreVisited) {
    // A segment a million rows long costs only the rows of the box.
    const auto pixels = Pixels({{5, -1000000}, {6, 1000000}, {7, 30}}, 20, 100);
    EXPECT_LE(pixels.size(), 201u);
    for (auto p : pixels) {
        EXPECT_TRUE(p.x >= 0 && p.x < 20 && p.y >= 0 && p.y < 100);
    }
    EXPECT_TRUE(Pixels({{30, 10}, {31, 11}}, 20, 100).empty());
}

} // namespace
