// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/DiagramCurves.h"

#include "project/SignalList.h"

std::vector<DiagramCurve> DiagramCurves(const SignalList& signalList, int selectedIndex,
                                        const std::array<bool, HarmonicCount>& drawn) {
    std::vector<DiagramCurve> curves;
    if (!signalList.IsValidIndex(selectedIndex)) return curves;
    for (int i = 0; i < signalList.Count(); ++i)
        if (i != selectedIndex && signalList.Signal(i).Visible)
            curves.push_back({CurveRole::OtherSignal, i, 0});
    if (drawn[0]) curves.push_back({CurveRole::ConstantTerm, selectedIndex, 0});
    for (int n = 1; n < HarmonicCount; ++n)
        if (drawn[n]) curves.push_back({CurveRole::Harmonic, selectedIndex, n});
    curves.push_back({CurveRole::Selected, selectedIndex, 0});
    return curves;
}
