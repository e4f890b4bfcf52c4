// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/WaveformGeometry.h"

#include "signal/Signal.h"

#include <algorithm>
#include <array>

namespace {

// Every choice spreads one period over the same 448 pixels.
constexpr int PeriodWidth = 448;

// Grid lines every 10 units from -110 to +110; scale labels every 20 from -100 to +100.
constexpr int GridLineCount = 11;
constexpr int GridStep = 10;
constexpr int LabelCount = 5;
constexpr int LabelStep = 20;
constexpr int LabelTopAboveRow = 5;

// Rows further out than this are all off the box; the limit keeps coordinates small
// enough for any painter.
constexpr int64_t RowLimit = 1 << 20;

} // namespace

PointsLayout LayoutFor(int pointsIndex) {
    const int count = tSignal::SupportPointTotal(ValidPointsIndex(pointsIndex));
    return {count, SupportGridSize / count, PeriodWidth / count};
}

int PointX(const PointsLayout& layout, int k) {
    return WaveFirstX + k * layout.Spacing;
}

int GridRight(const PointsLayout& layout) {
    return PointX(layout, layout.PointCount) + WaveHitReach;
}

int ValueY(int64_t v) {
    return static_cast<int>(std::clamp(WaveZeroY - v, -RowLimit, RowLimit));
}

std::optional<WaveHit> HitTest(const PointsLayout& layout, int x, int y) {
    if (x < WaveGridLeft) return std::nullopt;
    const int k = (x - WaveGridLeft) / layout.Spacing;
    if (x > PointX(layout, k) + WaveHitReach || k > layout.PointCount) return std::nullopt;
    return WaveHit{k, WaveZeroY - y};
}

WavePicture DrawCurve(const PointsLayout& layout, const std::vector<int32_t>& values,
                      int selected) {
    const int n = layout.PointCount;
    WavePicture picture;
    for (int i = -GridLineCount; i <= GridLineCount; ++i) {
        const int y = WaveZeroY + GridStep * i;
        picture.grid.push_back({WaveGridLeft, y, GridRight(layout), y});
    }
    for (int k = 0; k <= n; ++k)
        picture.grid.push_back({PointX(layout, k), WaveGridTop, PointX(layout, k), WaveGridBottom});
    for (int i = -LabelCount; i <= LabelCount; ++i)
        picture.labels.push_back({WaveLabelRight, WaveZeroY - LabelTopAboveRow - LabelStep * i,
                                  std::to_string(LabelStep * i)});
    auto valueOf = [&](int k) { return values.at(k == n ? 0 : k); };
    for (int k = 0; k <= n; ++k) picture.curve.push_back({PointX(layout, k), ValueY(valueOf(k))});
    for (int k = 0; k <= n; ++k) {
        const bool white = k == selected || (k == n && selected == 0);
        picture.marks.push_back({PointX(layout, k) - 2, ValueY(valueOf(k)) - 2, white});
    }
    return picture;
}

WaveBand RedrawBand(const PointsLayout& layout, int k) {
    const int left = k > 0 ? PointX(layout, k - 1) : WaveGridLeft;
    const int right = k < layout.PointCount ? PointX(layout, k + 1) + 1 : GridRight(layout);
    return {left, right};
}
