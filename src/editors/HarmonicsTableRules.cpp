// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/HarmonicsTableRules.h"

#include "settings/AppSettings.h"
#include "signal/NumberFormat.h"
#include "signal/Phase.h"
#include "text/NumberText.h"

#include <cmath>

namespace {

// The form a display mode shows the table in; an unknown mode shows magnitude and phase.
DisplayMode RepresentationOf(int mode) {
    return mode == CosineAndSine || mode == MagnitudeAndSinePhase ? static_cast<DisplayMode>(mode)
                                                                  : MagnitudeAndPhase;
}

// Cells show numbers through FormatDecimal; a value that is not finite (only possible in a
// signal read from elsewhere) shows as 0 rather than as "inf" or "nan".
std::string Shown(long double x, int digits) {
    return std::isfinite(x) ? FormatDecimal(x, digits) : "0";
}

} // namespace

HarmonicsCaptions HarmonicsCaptionsFor(int mode) {
    switch (RepresentationOf(mode)) {
    case CosineAndSine:
        return {"an", "bn", "s(x) = a0 +", "(an \u00b7 cos(nx) + bn \u00b7 sin(nx))"};
    case MagnitudeAndSinePhase:
        return {"Bn", "PHIn [\u00b0]", "s(x) = B0 +", "Bn \u00b7 sin(nx + PHIn)"};
    case MagnitudeAndPhase:
        break;
    }
    return {"An", "PHIn [\u00b0]", "s(x) = A0 +", "An \u00b7 cos(nx + PHIn)"};
}

void FillTable(const SeriesValues& amplitude, const SeriesValues& phase, int mode, float fo,
               HarmonicsCells& cells) {
    const DisplayMode shown = RepresentationOf(mode);
    for (int n = 0; n < HarmonicCount; ++n) {
        auto& row = cells[n];
        row[NumberColumn] = std::to_string(n);
        row[FrequencyColumn] = Shown(static_cast<float>(static_cast<float>(n) * fo), 3);
        const long double a = amplitude[n];
        if (n == 0) {
            row[FirstValueColumn] = Shown(a, 10);
            row[SecondValueColumn].assign(1, '0'); // not = "0": GCC 12 warns falsely (-Wrestrict)
        } else if (shown == CosineAndSine) {
            const Coefficients c = CoefficientsOf(amplitude[n], phase[n]);
            row[FirstValueColumn] = Shown(c.a, 10);
            row[SecondValueColumn] = Shown(c.b, 10);
        } else {
            long double p = phase[n];
            if (shown == MagnitudeAndSinePhase) p += 90;
            if (a == 0) p = 0; // a line without amplitude has no phase to show
            row[FirstValueColumn] = Shown(a, 10);
            row[SecondValueColumn] = Shown(WrapShownAngle(p), 10);
        }
    }
}

std::optional<float> ReadCell(std::string_view text) {
    if (text.empty()) return 0.0f;
    std::string number(text.substr(0, MaxCellTextLength));
    for (char& c : number)
        if (c == ',') c = '.';
    return ParseDecimalFloat(number);
}

std::optional<CellFault> ReadTable(const HarmonicsCells& cells, int mode, SeriesValues& amplitude,
                                   SeriesValues& phase) {
    // Reads one cell; an amplitude-like cell must stay within MaxAmplitude, any cell finite.
    std::optional<CellFault> fault;
    auto read = [&](int n, int column, bool isAmplitude) -> float {
        const std::optional<float> v = ReadCell(cells[n][column]);
        if (!v)
            fault = CellFault{column, n, CellProblem::Syntax};
        else if (isAmplitude ? !IsAllowedAmplitude(*v) : !std::isfinite(*v))
            fault = CellFault{column, n, CellProblem::TooLarge};
        return v.value_or(0.0f);
    };

    const DisplayMode shown = RepresentationOf(mode);
    if (shown == CosineAndSine) {
        const float a0 = read(0, FirstValueColumn, true);
        if (fault) return fault;
        amplitude[0] = a0;
        for (int n = 1; n < HarmonicCount; ++n) {
            const float a = read(n, FirstValueColumn, true);
            if (fault) return fault;
            const float b = read(n, SecondValueColumn, true);
            if (fault) return fault;
            PolarLine line = PolarFromCoefficients(a, b);
            // The coefficients shown for an amplitude at the limit come back rounded and may
            // give the float just above it: that is the limit itself, not a larger value.
            if (line.amplitude == std::nextafter(MaxAmplitude, HUGE_VALF))
                line.amplitude = MaxAmplitude;
            if (!IsAllowedAmplitude(line.amplitude)) {
                // Both coefficients are allowed, together they are not: blame the larger.
                const int column =
                    std::fabs(b) > std::fabs(a) ? SecondValueColumn : FirstValueColumn;
                return CellFault{column, n, CellProblem::TooLarge};
            }
            amplitude[n] = line.amplitude;
            phase[n] = line.amplitude != 0 ? line.phase : 0.0f;
        }
        return std::nullopt;
    }

    // Magnitude and phase: every amplitude is read before the first phase.
    for (int n = 0; n < HarmonicCount; ++n) {
        const float a = read(n, FirstValueColumn, true);
        if (fault) return fault;
        amplitude[n] = a;
    }
    for (int n = 1; n < HarmonicCount; ++n) {
        long double p = read(n, SecondValueColumn, false);
        if (fault) return fault;
        if (shown == MagnitudeAndSinePhase) p -= 90;
        p = WrapPhase360(p);
        // A negative amplitude is taken as its magnitude with the phase negated.
        if (amplitude[n] < 0) {
            amplitude[n] = -amplitude[n];
            p = -p;
        }
        phase[n] = static_cast<float>(p);
    }
    return std::nullopt;
}

std::string CellSymbol(int mode, int column) {
    const bool first = column == FirstValueColumn;
    switch (RepresentationOf(mode)) {
    case CosineAndSine:
        return first ? "a" : "b";
    case MagnitudeAndSinePhase:
        return first ? "B" : "PHI";
    case MagnitudeAndPhase:
        break;
    }
    return first ? "A" : "PHI";
}

MessageText CellFaultText(const CellFault& fault, int mode) {
    const char* what = fault.problem == CellProblem::Syntax
                           ? QT_TRANSLATE_NOOP("Wellenwerk", "Syntaxfehler bei %1%2 !")
                           : QT_TRANSLATE_NOOP("Wellenwerk", "Wert zu groß bei %1%2 !");
    return {what, {CellSymbol(mode, fault.column), std::to_string(fault.n)}};
}

bool MultiplyAmplitudes(std::string_view text, SeriesValues& amplitude) {
    const std::optional<float> factor = ParseDecimalFloat(text);
    if (!factor || !std::isfinite(*factor)) return false;
    SeriesValues product;
    for (int n = 0; n < HarmonicCount; ++n) {
        product[n] = amplitude[n] * *factor;
        if (!IsAllowedAmplitude(product[n])) return false;
    }
    amplitude = product;
    return true;
}
