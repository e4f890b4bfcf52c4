// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"

#include <array>
#include <vector>

class SignalList;

// What the line diagram draws over its grid, on screen and in its picture alike.
enum class CurveRole {
    OtherSignal,  // a visible signal that is not the selected one, dimmed
    ConstantTerm, // the selected signal's constant term as a horizontal line
    Harmonic,     // a single harmonic of the selected signal
    Selected,     // the selected signal itself, visible or not
};

struct DiagramCurve {
    CurveRole role;
    int signal;   // index in the list
    int harmonic; // for Harmonic: 1..128
    friend bool operator==(const DiagramCurve&, const DiagramCurve&) = default;
};

// The curves in drawing order: the other visible signals in list order, then the constant
// term and the harmonics `drawn` marks (entry 0 for the constant term), then the selected
// signal on top. Nothing when `selectedIndex` names no entry.
std::vector<DiagramCurve> DiagramCurves(const SignalList& signalList, int selectedIndex,
                                        const std::array<bool, HarmonicCount>& drawn);
