// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Palette.h"
#include "signal/Phase.h"
#include "signal/Signal.h"

#include <string>
#include <vector>

// What the two spectrum views draw, computed without any drawing: scales, grids, labels
// and bars of a 317 x 91 pixel box. The painter only turns these into pixels.

enum class SpectrumView { Magnitude, Angle, Cosine, Sine };

inline constexpr int SpectrumBoxWidth = 317;
inline constexpr int SpectrumBoxHeight = 91;
// Column 0 holds the constant term, columns 1..32 consecutive harmonics.
inline constexpr int SpectrumColumnCount = 33;
// Scrolling moves the harmonics of columns 1..32 in steps of this many.
inline constexpr int SpectrumScrollStep = 16;
// The last scroll position shows the last 32 harmonics.
inline constexpr int MaxSpectrumScroll =
    (MaxHarmonicNumber - (SpectrumColumnCount - 1)) / SpectrumScrollStep;
static_assert(MaxSpectrumScroll == 6);

// The view shown in the upper (position 0) or lower (position 1) box for a display mode:
// mode 1 shows cosine and sine coefficients, every other mode magnitude and angle.
SpectrumView SpectrumViewFor(int mode, int position);

struct SpectrumTitles {
    std::string upper;
    std::string lower;
};
// Captions of the two group boxes for a display mode (0..2; anything else as 0).
SpectrumTitles SpectrumTitlesFor(int mode);

// Pixel row of value v: base - round(v * k), with the view's k as a 32-bit float (its
// rounding decides the rows of the grid, e.g. 50 -> 55 in the magnitude view). Values far
// beyond the scale give rows far outside the box; they are cut off only when drawn.
int SpectrumY(SpectrumView view, long double v);

// Harmonic (series entry) shown in column 1..32 at a scroll position; column 0 is A0.
int SpectrumEntry(int column, int scroll);

// Left pixel of a column's bar; its grid line and label centre lie 2 pixels further right.
inline constexpr int SpectrumBarLeft(int column) {
    return 9 * column + 20;
}
inline constexpr int SpectrumColumnCentre(int column) {
    return 9 * column + 22;
}

struct SpectrumGridLine {
    int y;
    int xFrom;         // first pixel
    int xTo;           // end point of the stroke; the stroke stops one pixel before it
    std::string label; // the grid value, right-aligned
    int labelRight;    // right edge of the label
    int labelTop;      // top edge of the label: y - 5
};
// Horizontal grid lines with their labels, from the lowest value up.
std::vector<SpectrumGridLine> SpectrumHorizontalGrid(SpectrumView view);

struct SpectrumVerticalLine {
    int x;
    int yFrom; // row of the lowest grid value, drawn
    int yTo;   // row of the highest grid value: the end point, not drawn (the top grid line
               // covers that row)
};
// One vertical line per column at its centre.
std::vector<SpectrumVerticalLine> SpectrumVerticalGrid(SpectrumView view);

struct SpectrumAxisLabel {
    int centreX;
    int top;
    std::string text; // UTF-8
};
// Column labels under the bars. sanz 0: harmonic numbers ("fo", "33·fo"); sanz 1:
// frequencies from fo, only the rightmost with the unit "Hz"; anything else: none.
std::vector<SpectrumAxisLabel> SpectrumAxisLabels(int sanz, int scroll, float fo);

struct SpectrumBar {
    int column;
    int left;   // first pixel column
    int right;  // last pixel column (inclusive): bars are 5 pixels wide
    int top;    // first pixel row
    int bottom; // one past the last pixel row (exclusive), so top < bottom always
    Rgb colour;
};
// The bars of one view for a signal. selectedColumn is the highlighted column, or -1 when
// the selection lies in the other view. Bars that would cover no row (a magnitude below
// about -1) are left out, as is column 0 of the angle and sine views. mode matters only for
// the angle view (mode 2 shows the phase of the sine form, 90 degrees further).
std::vector<SpectrumBar> SpectrumBars(SpectrumView view, const tSignal& signal, int mode,
                                      int scroll, int selectedColumn);

// Bar colours: bright for the selected column, dim for the others (and the exports).
struct ColumnColours {
    Rgb bright;
    Rgb dim;
};
// Column 0, by the sign of the constant term; columns 1..32 by the view.
ColumnColours ConstantColours(float a0);
ColumnColours HarmonicColours(SpectrumView view);

// The values of a view's horizontal grid lines, from the lowest up.
const std::vector<int>& SpectrumGridValues(SpectrumView view);

// The value a view shows for harmonic n (1..128): its magnitude, coefficient or angle (0 for
// a line of amplitude 0).
long double SpectrumLineValue(SpectrumView view, const tSignal& signal, int n, int mode);

// --- Values of a spectral line, shared with the editing of the views. ---

// an = cos(PHIn) * An and bn = -sin(PHIn) * An, as 32-bit floats.
float CosineCoefficient(const tSignal& signal, int n);
float SineCoefficient(const tSignal& signal, int n);

// The angle the angle view shows for entry n: the phase, plus 90 in mode 2, wrapped.
// (The bars additionally show 0 for a line of amplitude 0; this value does not.)
long double ShownAngle(const tSignal& signal, int n, int mode);
