// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/SpectrumEditing.h"

#include "signal/ExtendedTrig.h"
#include "signal/NumberFormat.h"

#include <climits>
#include <cmath>

namespace {

bool IsValidSelection(const SpectrumSelection& s) {
    return s.column >= 0 && s.column < SpectrumColumnCount && (s.view == 0 || s.view == 1);
}

// The entry a selection shows; unlike the edited entry, column 0 of a lower view shows
// the line at 16 * scroll by the rule of its view.
int ShownEntry(const SpectrumSelection& s) {
    if (s.column == 0 && s.view == 0) return 0;
    const int n = SpectrumScrollStep * s.scroll + s.column;
    return n >= 0 && n <= MaxHarmonicNumber ? n : -1;
}

// Brings a phase stepped by the buttons into 0..360 (see WrapPhase360).
float NormalisedPhase(float phase) {
    return std::isfinite(phase) ? static_cast<float>(WrapPhase360(phase)) : phase;
}

void StoreCoefficients(tSignal& signal, int n, float a, float b) {
    const PolarLine line = PolarFromCoefficients(a, b);
    signal.Amplitude[n] = line.amplitude;
    signal.Phase[n] = line.phase;
}

} // namespace

int PickColumn(int x) {
    if (x < 16) return -1;
    const int c = (x - 16) / 9;
    return c < SpectrumColumnCount ? c : -1;
}

SpectrumSelection MoveColumn(SpectrumSelection s, ColumnMove move) {
    const int last = SpectrumColumnCount - 1;
    if (move == ColumnMove::Home) {
        s.column = 0, s.scroll = 0;
    } else if (move == ColumnMove::End) {
        s.column = last, s.scroll = MaxSpectrumScroll;
    } else if (move == ColumnMove::Right && s.column == last) {
        if (s.scroll < MaxSpectrumScroll) ++s.scroll, s.column -= SpectrumScrollStep - 1;
    } else if (move == ColumnMove::Right) {
        ++s.column;
    } else if (s.column == 1 && s.scroll > 0) {
        --s.scroll, s.column += SpectrumScrollStep - 1;
    } else if (s.column > 0) {
        --s.column;
    }
    return s;
}

SpectrumView SelectionView(const SpectrumSelection& selection) {
    return SpectrumViewFor(selection.mode, selection.view);
}

int EditedEntry(const SpectrumSelection& selection) {
    if (!IsValidSelection(selection)) return -1;
    if (selection.column == 0) return selection.view == 0 ? 0 : -1;
    return ShownEntry(selection);
}

std::optional<long double> SelectedLineValue(const tSignal& signal,
                                             const SpectrumSelection& selection) {
    if (!IsValidSelection(selection)) return std::nullopt;
    const int n = ShownEntry(selection);
    if (n < 0) return std::nullopt;
    switch (SelectionView(selection)) {
    case SpectrumView::Magnitude:
        return signal.Amplitude[n];
    case SpectrumView::Cosine:
        // The constant term is shown as itself, sign included.
        return n == 0 ? signal.Amplitude[0] : CosineCoefficient(signal, n);
    case SpectrumView::Sine:
        return SineCoefficient(signal, n);
    case SpectrumView::Angle:
        return ShownAngle(signal, n, selection.mode);
    }
    return std::nullopt;
}

float StepButtonValue(int row, SpectrumView view) {
    static constexpr float angleSteps[StepButtonCount] = {45, 5, 1, 0, -1, -5, -45};
    static constexpr float valueSteps[StepButtonCount] = {100, 10, 1, 0, -1, -10, -100};
    if (row < 0 || row >= StepButtonCount) return 0;
    return view == SpectrumView::Angle ? angleSteps[row] : valueSteps[row];
}

bool StepSelectedLine(tSignal& signal, const SpectrumSelection& selection, float step) {
    const int n = EditedEntry(selection);
    if (n < 0) return false;
    const bool zero = step == 0;
    float& amplitude = signal.Amplitude[n];
    float& phase = signal.Phase[n];
    if (n == 0) {
        // The constant term is a signed value in every upper view.
        amplitude = zero ? 0.0f : amplitude + step;
    } else {
        switch (SelectionView(selection)) {
        case SpectrumView::Magnitude:
            amplitude = zero ? 0.0f : amplitude + step;
            break;
        case SpectrumView::Angle:
            // Zeroing in the sine form's angle view zeroes the angle shown, not the phase.
            if (zero)
                phase = selection.mode == 2 ? -90.0f : 0.0f;
            else
                phase = phase + step;
            break;
        case SpectrumView::Cosine: {
            const float a = CosineCoefficient(signal, n);
            StoreCoefficients(signal, n, zero ? 0.0f : a + step, SineCoefficient(signal, n));
            break;
        }
        case SpectrumView::Sine: {
            const float b = SineCoefficient(signal, n);
            StoreCoefficients(signal, n, CosineCoefficient(signal, n), zero ? 0.0f : b + step);
            break;
        }
        }
    }
    phase = NormalisedPhase(phase);
    if (n > 0 && amplitude < 0) amplitude = 0;
    return true;
}

bool ApplyTypedValue(tSignal& signal, const SpectrumSelection& selection, int value) {
    const int n = EditedEntry(selection);
    if (n < 0) return false;
    float v = static_cast<float>(value);
    float& amplitude = signal.Amplitude[n];
    float& phase = signal.Phase[n];
    switch (SelectionView(selection)) {
    case SpectrumView::Magnitude:
        if (v < 0) v = 0;
        if (amplitude == v) return false;
        amplitude = v;
        return true;
    case SpectrumView::Angle: {
        if (selection.mode != 2) {
            // Stored as typed, even when equal, and not wrapped: 1000 stays 1000.
            phase = v;
            return true;
        }
        // The sine form's angle: the field shows phase + 90.
        const long double target = static_cast<long double>(v) - 90;
        if (phase == target) return false;
        phase = static_cast<float>(target);
        return true;
    }
    case SpectrumView::Cosine:
    case SpectrumView::Sine:
        break;
    }
    if (n == 0) {
        if (amplitude == v) return false;
        amplitude = v;
        return true;
    }
    float a = CosineCoefficient(signal, n);
    float b = SineCoefficient(signal, n);
    float& edited = SelectionView(selection) == SpectrumView::Cosine ? a : b;
    const bool changed = edited != v;
    edited = v;
    const PolarLine line = PolarFromCoefficients(a, b);
    amplitude = line.amplitude;
    phase = line.amplitude == 0 ? 0.0f : line.phase;
    return changed;
}
