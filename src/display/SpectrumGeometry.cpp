// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/SpectrumGeometry.h"

#include "signal/NumberFormat.h"
#include "text/TranslatableText.h"

#include <cmath>

namespace {

struct Scale {
    int base;
    float k; // pixels per unit; a float on purpose, its rounding places the grid rows
    std::vector<int> grid;
    int gridLeft;
};

const Scale& ScaleOf(SpectrumView view) {
    static const Scale magnitude{80, 0.51f, {0, 25, 50, 75, 100, 125, 150}, 18};
    static const Scale angle{42, 0.21f, {-180, -90, 0, 90, 180}, 17};
    static const Scale coefficient{42, 0.38f, {-100, -50, 0, 50, 100}, 17};
    switch (view) {
    case SpectrumView::Magnitude:
        return magnitude;
    case SpectrumView::Angle:
        return angle;
    default:
        return coefficient;
    }
}

constexpr int GridRight = 313;
constexpr int LabelRight = 15;
constexpr int AxisLabelTop = 81;
// Rows far outside the box stay far outside; the bound only keeps huge values from
// overflowing an int (base +- limit, and a bar's height, must fit).
constexpr long double RowLimit = 1.0e9L;

// A bar from the zero row towards v: up for v >= 0, down otherwise. Magnitude bars always
// grow upwards from below the zero row, so a negative magnitude covers nothing.
void AddBar(std::vector<SpectrumBar>& bars, SpectrumView view, int column, long double v,
            bool selected, const ColumnColours& colours) {
    if (std::isnan(v)) return;
    const int zero = SpectrumY(view, 0);
    int top;
    int bottom;
    if (view == SpectrumView::Magnitude || v >= 0) {
        top = SpectrumY(view, v);
        bottom = zero + 1;
    } else {
        top = zero;
        bottom = SpectrumY(view, v) + 1;
    }
    if (top >= bottom) return;
    const int left = SpectrumBarLeft(column);
    bars.push_back({column, left, left + 4, top, bottom, selected ? colours.bright : colours.dim});
}

} // namespace

ColumnColours ConstantColours(float a0) {
    return a0 < 0 ? ColumnColours{{0, 0, 255}, {0, 0, 128}}
                  : ColumnColours{{255, 0, 0}, {128, 0, 0}};
}

ColumnColours HarmonicColours(SpectrumView view) {
    switch (view) {
    case SpectrumView::Magnitude:
        return {{0, 255, 0}, {0, 128, 0}};
    case SpectrumView::Angle:
        return {{255, 255, 0}, {128, 128, 0}};
    case SpectrumView::Cosine:
        return {{0, 255, 255}, {0, 128, 128}};
    case SpectrumView::Sine:
        return {{255, 0, 255}, {128, 0, 128}};
    }
    return {{0, 255, 0}, {0, 128, 0}};
}

const std::vector<int>& SpectrumGridValues(SpectrumView view) {
    return ScaleOf(view).grid;
}

long double SpectrumLineValue(SpectrumView view, const tSignal& signal, int n, int mode) {
    switch (view) {
    case SpectrumView::Magnitude:
        return signal.Amplitude[n];
    case SpectrumView::Cosine:
        return CosineCoefficient(signal, n);
    case SpectrumView::Sine:
        return SineCoefficient(signal, n);
    case SpectrumView::Angle:
        // A line of amplitude 0 has no meaningful phase: show it at 0.
        return signal.Amplitude[n] == 0 ? 0 : ShownAngle(signal, n, mode);
    }
    return 0;
}

SpectrumView SpectrumViewFor(int mode, int position) {
    if (mode == 1) return position == 0 ? SpectrumView::Cosine : SpectrumView::Sine;
    return position == 0 ? SpectrumView::Magnitude : SpectrumView::Angle;
}

SpectrumTitles SpectrumTitlesFor(int mode) {
    switch (mode) {
    case 1:
        return {QT_TRANSLATE_NOOP("Wellenwerk", "Cosinusspektrum"),
                QT_TRANSLATE_NOOP("Wellenwerk", "Sinusspektrum")};
    case 2:
        return {QT_TRANSLATE_NOOP("Wellenwerk", "Betragsspektrum (Sinus)"),
                QT_TRANSLATE_NOOP("Wellenwerk", "Winkelspektrum")};
    default:
        return {QT_TRANSLATE_NOOP("Wellenwerk", "Betragsspektrum (Cosinus)"),
                QT_TRANSLATE_NOOP("Wellenwerk", "Winkelspektrum")};
    }
}

int SpectrumY(SpectrumView view, long double v) {
    const Scale& s = ScaleOf(view);
    if (std::isnan(v)) return s.base;
    long double r = std::nearbyint(v * static_cast<long double>(s.k));
    if (r > RowLimit) r = RowLimit;
    if (r < -RowLimit) r = -RowLimit;
    return s.base - static_cast<int>(r);
}

int SpectrumEntry(int column, int scroll) {
    return column == 0 ? 0 : SpectrumScrollStep * scroll + column;
}

std::vector<SpectrumGridLine> SpectrumHorizontalGrid(SpectrumView view) {
    const Scale& s = ScaleOf(view);
    std::vector<SpectrumGridLine> lines;
    for (int g : s.grid) {
        const int y = SpectrumY(view, g);
        lines.push_back({y, s.gridLeft, GridRight, std::to_string(g), LabelRight, y - 5});
    }
    return lines;
}

std::vector<SpectrumVerticalLine> SpectrumVerticalGrid(SpectrumView view) {
    const Scale& s = ScaleOf(view);
    const int low = SpectrumY(view, s.grid.front());
    const int high = SpectrumY(view, s.grid.back());
    std::vector<SpectrumVerticalLine> lines;
    for (int c = 0; c < SpectrumColumnCount; ++c)
        lines.push_back({SpectrumColumnCentre(c), low, high});
    return lines;
}

std::vector<SpectrumAxisLabel> SpectrumAxisLabels(int sanz, int scroll, float fo) {
    std::vector<SpectrumAxisLabel> labels;
    if (sanz != 0 && sanz != 1) return labels;
    const int offset = SpectrumScrollStep * scroll;
    // Harmonic n as a label; the unscrolled first column reads plain "fo".
    auto text = [&](int n, bool last) {
        if (sanz == 0) return n == 1 ? std::string("fo") : std::to_string(n) + "\u00b7fo";
        std::string t = FormatEngineering(static_cast<long double>(n) * fo);
        // Only the rightmost label carries the unit; the first column's label does not,
        // even when scrolled, so that all labels but the last read alike.
        if (last) t += "Hz";
        return t;
    };
    labels.push_back({SpectrumColumnCentre(1), AxisLabelTop, text(offset + 1, false)});
    for (int p = 1; p <= 6; ++p)
        labels.push_back({SpectrumColumnCentre(5 * p), AxisLabelTop, text(5 * p + offset, p == 6)});
    return labels;
}

std::vector<SpectrumBar> SpectrumBars(SpectrumView view, const tSignal& signal, int mode,
                                      int scroll, int selectedColumn) {
    std::vector<SpectrumBar> bars;
    const float a0 = signal.Amplitude[0];
    if (view == SpectrumView::Magnitude || view == SpectrumView::Cosine) {
        const long double v = view == SpectrumView::Magnitude ? std::fabs(a0) : a0;
        AddBar(bars, view, 0, v, selectedColumn == 0, ConstantColours(a0));
    }
    const ColumnColours colours = HarmonicColours(view);
    for (int c = 1; c < SpectrumColumnCount; ++c) {
        const int n = SpectrumEntry(c, scroll);
        if (n < 0 || n > MaxHarmonicNumber) continue;
        AddBar(bars, view, c, SpectrumLineValue(view, signal, n, mode), selectedColumn == c,
               colours);
    }
    return bars;
}

float CosineCoefficient(const tSignal& signal, int n) {
    return static_cast<float>(CoefficientsOf(signal.Amplitude[n], signal.Phase[n]).a);
}

float SineCoefficient(const tSignal& signal, int n) {
    return static_cast<float>(CoefficientsOf(signal.Amplitude[n], signal.Phase[n]).b);
}

long double ShownAngle(const tSignal& signal, int n, int mode) {
    long double v = signal.Phase[n];
    if (mode == 2) v += 90;
    return WrapShownAngle(v);
}
