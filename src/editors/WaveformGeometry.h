// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Where the waveform editor draws in its 481 x 226 pixel box and which pixels answer the
// mouse, computed without any drawing. Point k of the period stands in column
// 25 + k * Spacing; value v in row 113 - v. The painter only turns these into pixels.

inline constexpr int WaveBoxWidth = 481;
inline constexpr int WaveBoxHeight = 226;
inline constexpr int WaveFirstX = 25;
inline constexpr int WaveZeroY = 113;
// A point's column answers this many pixels to either side; the grid reaches as far.
inline constexpr int WaveHitReach = 3;
inline constexpr int WaveGridLeft = WaveFirstX - WaveHitReach;
inline constexpr int WaveGridTop = 3;
inline constexpr int WaveGridBottom = 223;
inline constexpr int WaveLabelRight = 20;

// How many points one period has, how far apart they lie on the 64-position grid of the
// signal's support points and on the screen. N * Spacing is 448 for every choice.
struct PointsLayout {
    int PointCount;
    int Stride;
    int Spacing;
    friend bool operator==(const PointsLayout&, const PointsLayout&) = default;
};

// Layout for points index 0..3 (8, 16, 32, 64 points); any other index is taken as the
// default 2, as the analysis does.
PointsLayout LayoutFor(int pointsIndex);

int PointX(const PointsLayout& layout, int k);
// Right end of the grid and of the last point's hit band.
int GridRight(const PointsLayout& layout);
// Row of value v. Values far beyond the box give rows far outside it, limited to a range
// that painting handles; within that range the row is exactly 113 - v.
int ValueY(int64_t v);

// A pointer position on point `point` (0..N, N being the closing point that stands for
// point 0) with the value its height means.
struct WaveHit {
    int point;
    int value;
    friend bool operator==(const WaveHit&, const WaveHit&) = default;
};
// Nothing left of the grid, in the dead bands between the columns or right of the last.
// The value is not limited: a held button may drag the pointer far outside the box.
std::optional<WaveHit> HitTest(const PointsLayout& layout, int x, int y);

// A line whose two end pixels are both drawn.
struct WaveLine {
    int x1, y1, x2, y2;
    friend bool operator==(const WaveLine&, const WaveLine&) = default;
};
struct WavePoint {
    int x, y;
    friend bool operator==(const WavePoint&, const WavePoint&) = default;
};
// Text right-aligned to end at `right`, its top at `top`.
struct WaveLabel {
    int right, top;
    std::string text;
};
// The 5 x 5 round mark of a point, its box's top left corner; white when selected, else red.
struct WaveMark {
    int left, top;
    bool selected;
    friend bool operator==(const WaveMark&, const WaveMark&) = default;
};
inline constexpr int WaveMarkSize = 5;

// Everything the box shows, in drawing order: grey grid lines, black scale labels, the
// black curve, then the N + 1 marks (the last one the closing point's).
struct WavePicture {
    std::vector<WaveLine> grid;
    std::vector<WaveLabel> labels;
    std::vector<WavePoint> curve;
    std::vector<WaveMark> marks;
};

// The picture of the point values P_0..P_{N-1} with point `selected` marked (-1: none).
// The closing point repeats point 0 and shows as selected when either end is.
WavePicture DrawCurve(const PointsLayout& layout, const std::vector<int32_t>& values, int selected);

// The columns left <= x < right, over the box's full height, that repainting point k
// renews: from its left neighbour's column (or the grid's left end) to its right
// neighbour's (or the grid's right end). Its segments and its mark lie within.
struct WaveBand {
    int left, right;
    friend bool operator==(const WaveBand&, const WaveBand&) = default;
};
WaveBand RedrawBand(const PointsLayout& layout, int k);
