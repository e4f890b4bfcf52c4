// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Palette.h"
#include "signal/Signal.h"

#include <array>
#include <vector>

class SignalList;

// What the line diagram draws over its grid, on screen and in its picture alike.
enum class CurveRole {
    SupportPoints, // a waveform signal's support points, joined by straight lines
    OtherSignal,   // a visible signal that is not the selected one, dimmed
    ConstantTerm,  // the selected signal's constant term as a horizontal line
    Harmonic,      // a single harmonic of the selected signal
    Selected,      // the selected signal itself, visible or not
};

struct DiagramCurve {
    CurveRole role;
    int signal;   // index in the list
    int harmonic; // for Harmonic: 1..128
    friend bool operator==(const DiagramCurve&, const DiagramCurve&) = default;
};

// The curves in drawing order: the other visible signals in list order, then the constant
// term and the harmonics `drawn` marks (entry 0 for the constant term), then the selected
// signal on top. With `supportPoints`, each waveform signal's support points come just
// before its curve, behind it. Nothing when `selectedIndex` names no entry.
std::vector<DiagramCurve> DiagramCurves(const SignalList& signalList, int selectedIndex,
                                        const std::array<bool, HarmonicCount>& drawn,
                                        bool supportPoints = false);

// The support points of a waveform signal over the window of time/angle zoom level `dxr`,
// `columns` columns wide: point k of period p (N points a period, P periods) at column
// round((p * N + k) * columns / (P * N)), ties to even, each period closed by the first
// point of the next and the last one by point 0 again.
struct SupportVertex {
    int column;
    int32_t value;
    friend bool operator==(const SupportVertex&, const SupportVertex&) = default;
};
std::vector<SupportVertex> SupportPointVertices(const tSignal& signal, int dxr, int columns);

// The colour of a waveform signal's support points: halfway from its curve's colour to white,
// bright for the selected signal, from the dim palette for the others.
Rgb SupportPointColour(const tSignal& signal, bool selected);
