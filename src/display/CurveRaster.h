// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display/LineDiagramGeometry.h"

#include <algorithm>
#include <vector>

// The pixels of a one-pixel polyline whose points stand in consecutive columns, as the line
// diagram's curves do. Each segment covers the rows from its start point towards its end
// point, the first half in the start column and the rest in the next one; the end point is
// left to the next segment, and the last point of the curve is drawn too, so the curve runs
// through every one of its points and stays 8-connected. Only rows 0..height-1 and columns
// 0..width-1 are visited, so points far outside the box cost nothing.
template <typename Plot>
void ForEachCurvePixel(const std::vector<DiagramPoint>& points, int width, int height,
                       Plot&& plot) {
    auto put = [&](int x, int y) {
        if (x >= 0 && x < width && y >= 0 && y < height) plot(x, y);
    };
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const DiagramPoint a = points[i], b = points[i + 1];
        const long long rows = std::abs(static_cast<long long>(b.y) - a.y);
        if (rows == 0) {
            put(a.x, a.y);
            continue;
        }
        const int step = b.y > a.y ? 1 : -1;
        const long long half = (rows + 1) / 2; // rows in the start column
        // Visit only the rows inside the box: row index r stands at y = a.y + r * step.
        long long first = 0, last = rows - 1;
        auto indexOf = [&](long long y) { return (y - a.y) * step; };
        const long long r0 = indexOf(step > 0 ? 0 : height - 1);
        const long long r1 = indexOf(step > 0 ? height - 1 : 0);
        first = std::max(first, r0);
        last = std::min(last, r1);
        for (long long r = first; r <= last; ++r)
            put(r < half ? a.x : b.x, static_cast<int>(a.y + r * step));
    }
    if (!points.empty()) put(points.back().x, points.back().y);
}
