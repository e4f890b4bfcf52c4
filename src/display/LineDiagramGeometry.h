// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/AppSettings.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the line diagram draws, computed without any drawing: zoom tables, the value-to-row
// mapping, grid lines with their labels and the points of a curve in a 589 x 187 pixel box.
// The painter only turns these into pixels.

inline constexpr int DiagramWidth = 589;
inline constexpr int DiagramHeight = 187;
// Sample column x (0..560) is drawn at pixel DiagramLeft + x.
inline constexpr int DiagramColumns = 560;
inline constexpr int DiagramSampleCount = DiagramColumns + 1;
inline constexpr int DiagramLeft = 25;
inline constexpr int DiagramRight = DiagramLeft + DiagramColumns;
// Row of the amplitude 0; the range +-R spans this many rows on either side.
inline constexpr int DiagramZeroRow = 93;
inline constexpr int DiagramHalfHeight = 89;
// Amplitude labels end at this x; axis labels hang from this row, just under the zero line.
inline constexpr int DiagramLabelRight = 20;
inline constexpr int DiagramAxisLabelTop = 94;

// Time/angle zoom, by the setting dxr (0..3): the window shows `periods` periods of the
// fundamental, `windowDegrees` degrees, in `divisions` angle divisions.
struct WindowZoom {
    int divisions;
    int degreesPerDivision;
    int windowDegrees;
    int periods;
};
inline constexpr std::array<WindowZoom, TimeZoomLevels> WindowTable{{
    {24, 15, 360, 1},
    {16, 45, 720, 2},
    {16, 90, 1440, 4},
    {16, 180, 2880, 8},
}};

// Amplitude zoom, by the setting dyr (0..6): `lines` grid lines each side of zero, `step`
// apart, so the plot reaches +-range.
struct AmplitudeZoom {
    int lines;
    int step;
    int range;
};
inline constexpr std::array<AmplitudeZoom, AmplitudeZoomLevels> AmplitudeRanges{{
    {5, 5, 25},
    {6, 10, 60},
    {6, 20, 120},
    {5, 50, 250},
    {6, 100, 600},
    {6, 200, 1200},
    {5, 500, 2500},
}};

// Table entries for a zoom level; a level outside its table is taken as the nearest one.
const WindowZoom& WindowFor(int dxr);
const AmplitudeZoom& AmplitudeFor(int dyr);

// The angle of the fundamental per sample column for a time/angle zoom level.
float DiagramAngleStep(int dxr);

// Rows per amplitude unit for a plot reaching `halfHeight` rows each side of zero:
// halfHeight / R as a 32-bit float. Its rounding is part of the mapping.
float RowScale(int halfHeight, int dyr);
// The screen's: 89 / R.
float DiagramRowScale(int dyr);

// Row of value v on a plot whose zero lies on `zeroRow`: zeroRow - round(v * k), the product
// exact in extended precision and rounded half to even. Values beyond the range give rows
// outside the grid, and far off values rows far outside the box; they are cut off only when
// drawn. A value that is not a number stays on the zero row.
int ValueRow(int zeroRow, long double v, float k);
// The screen's: 93 - round(v * k).
int DiagramRow(long double v, float k);

// The values of the amplitude grid with their labels, in drawing order: 0, then +step,
// -step, +2 step, ... as far as the zoom level's lines reach.
struct AmplitudeMark {
    int value;
    std::string label;
};
std::vector<AmplitudeMark> AmplitudeMarks(int dyr);

// The angle divisions of the window over `columns` columns: the column of each division
// line (0 .. columns) and its label in degrees, none at either end.
struct AngleTick {
    int column;
    std::optional<std::string> label;
};
std::vector<AngleTick> AngleTicks(int dxr, int columns);

// A stroke from (x1, y1) towards (x2, y2): the end point itself is not drawn, so lines that
// meet there do not paint it twice.
struct DiagramLine {
    int x1, y1, x2, y2;
    friend bool operator==(const DiagramLine&, const DiagramLine&) = default;
};

enum class LabelAnchor {
    Right,  // text ends at x
    Centre, // text is centred on x
};

struct DiagramLabel {
    std::string text; // UTF-8
    int x;
    int top;
    LabelAnchor anchor;
};

// A grid line and the label painted right after it. Labels are painted opaque, so the order
// of lines and labels decides which of them shows where they overlap.
struct GridMark {
    DiagramLine line;
    std::optional<DiagramLabel> label;
};

// The zero line with "0", then for each k the lines at +k*step and -k*step with their labels.
std::vector<GridMark> AmplitudeGrid(int dyr);

// Vertical lines at every angle division, labelled in degrees except at both ends.
std::vector<GridMark> AngleAxis(int dxr, int dyr);

// The grid step of a time axis `windowSeconds` long: the tenth of the window brought down to
// 1, 2 or 5 times a power of ten. Zero when the window is not a positive finite time.
float TimeGridStep(float windowSeconds);

// A line of the time axis after the one at time 0: its sample column in a window of
// `columns` columns, and its label, if it carries one.
struct TimeTick {
    float t;
    int column;
    std::optional<std::string> label;
};

// The lines at multiples of the time step over the window of dxr at fundamental frequency
// fo (Hz), spread over `columns` sample columns. Every line but those at the very end
// carries a label; the last label carries the unit "s".
std::vector<TimeTick> TimeTicks(int dxr, float fo, int columns);

// Vertical lines at time 0 and at every tick of TimeTicks over the diagram's columns.
std::vector<GridMark> TimeAxis(int dxr, int dyr, float fo);

// The whole static part of the diagram in painting order: amplitude grid, then the
// horizontal axis chosen by lanz (0 angle, 1 time, anything else none).
std::vector<GridMark> LineDiagramGrid(int dxr, int dyr, int lanz, float fo);

struct DiagramPoint {
    int x, y;
    friend bool operator==(const DiagramPoint&, const DiagramPoint&) = default;
};

// Polyline through (25 + x, row of samples[x]) for every sample.
std::vector<DiagramPoint> CurvePoints(const std::vector<float>& samples, float k);
// Single harmonics are plotted from their extended-precision values.
std::vector<DiagramPoint> CurvePoints(const std::vector<long double>& samples, float k);
