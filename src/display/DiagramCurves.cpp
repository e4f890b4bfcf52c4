// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/DiagramCurves.h"

#include "display/LineDiagramGeometry.h"
#include "project/SignalList.h"

#include <cmath>

std::vector<DiagramCurve> DiagramCurves(const SignalList& signalList, int selectedIndex,
                                        const std::array<bool, HarmonicCount>& drawn,
                                        bool supportPoints) {
    std::vector<DiagramCurve> curves;
    if (!signalList.IsValidIndex(selectedIndex)) return curves;
    auto points = [&](int i) {
        if (supportPoints && signalList.Signal(i).Kind == Waveform)
            curves.push_back({CurveRole::SupportPoints, i, 0});
    };
    for (int i = 0; i < signalList.Count(); ++i) {
        if (i == selectedIndex || !signalList.Signal(i).Visible) continue;
        points(i);
        curves.push_back({CurveRole::OtherSignal, i, 0});
    }
    if (drawn[0]) curves.push_back({CurveRole::ConstantTerm, selectedIndex, 0});
    for (int n = 1; n < HarmonicCount; ++n)
        if (drawn[n]) curves.push_back({CurveRole::Harmonic, selectedIndex, n});
    points(selectedIndex);
    curves.push_back({CurveRole::Selected, selectedIndex, 0});
    return curves;
}

std::vector<SupportVertex> SupportPointVertices(const tSignal& signal, int dxr, int columns) {
    const int pointsIndex = ValidPointsIndex(signal.PointsIndex);
    const long long perPeriod = tSignal::SupportPointTotal(pointsIndex);
    const long long total = perPeriod * WindowFor(dxr).periods;
    std::vector<SupportVertex> vertices;
    vertices.reserve(static_cast<std::size_t>(total) + 1);
    for (long long j = 0; j <= total; ++j) {
        const long double column = static_cast<long double>(j * columns) / total;
        const int k = static_cast<int>(j % perPeriod);
        vertices.push_back({static_cast<int>(std::nearbyint(column)),
                            signal.SupportPoints[tSignal::SupportGridIndex(pointsIndex, k)]});
    }
    return vertices;
}

Rgb SupportPointColour(const tSignal& signal, bool selected) {
    const int index = PaletteIndex(signal.ColorIndex);
    const Rgb c = selected ? SignalPalette[index] : SignalDimPalette[index];
    auto half = [](uint8_t v) { return static_cast<uint8_t>(v + (255 - v) / 2); };
    return {half(c.r), half(c.g), half(c.b)};
}
