// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display/SpectrumGeometry.h"
#include "signal/Phase.h"
#include "signal/Signal.h"

#include <optional>
#include <string>

// Changing spectral lines in place in the spectrum views: picking a column, the value
// shown for it, the step buttons and typed values. Pure functions on a signal; the main
// window keeps the selection and does the repainting.

// Column under horizontal position x of a view, or -1. A column answers from 4 pixels left
// of its bar to the bar's right edge, so the gaps belong to the column on their right.
int PickColumn(int x);

struct SpectrumSelection {
    int column = 0; // 0..32
    int view = 0;   // 0 upper view, 1 lower view
    int scroll = 0; // scroll position of the views, 0..6
    int mode = 1;   // display mode 0..2
};

// Which spectrum the selected column lies in.
SpectrumView SelectionView(const SpectrumSelection& selection);

// The series entry a change of the selection edits: 0 for column 0 of the upper view,
// -1 for column 0 of the lower view (the constant term has no phase to edit there), and
// the harmonic 16 * scroll + column otherwise (-1 when outside the series).
int EditedEntry(const SpectrumSelection& selection);

// The value the value field shows for the selection, in the units of its view (the caller
// formats it with FormatDecimal(v, 10)); nullopt for a selection outside the series.
// Column 0 of a lower view shows entry 16 * scroll by the rule of that view.
std::optional<long double> SelectedLineValue(const tSignal& signal,
                                             const SpectrumSelection& selection);

// The keyboard's walk over the harmonics: Left and Right to the neighbouring harmonic, Home
// to the constant term, End to harmonic 128. Column 0 of the upper view is the constant term
// at every scroll position, so the walk scrolls the views by 16 harmonics where it passes
// column 32 or column 1; the view stays.
enum class ColumnMove { Left, Right, Home, End };
SpectrumSelection MoveColumn(SpectrumSelection selection, ColumnMove move);

// Step button rows from top to bottom: +big, +medium, +1, zero, -1, -medium, -big.
inline constexpr int StepButtonCount = 7;
// The step of a button (row 0..6) in a view: angles go by 45 and 5 degrees, every other
// value by 100 and 10. The zero button's step is 0.
float StepButtonValue(int row, SpectrumView view);

// Adds `step` to the selected line in the units of its view, or sets it to zero when
// `step` is 0, then brings the phase into 0..360 and a negative harmonic magnitude to 0.
// Returns false when nothing was changed (column 0 of the lower view).
bool StepSelectedLine(tSignal& signal, const SpectrumSelection& selection, float step);

// Stores a typed value in the selected line. Returns whether the stored value changed
// (the caller then redisplays). In the cosine and sine views the line is rewritten from its
// coefficients even when the value did not change, which brings its phase into -180..180.
bool ApplyTypedValue(tSignal& signal, const SpectrumSelection& selection, int value);
