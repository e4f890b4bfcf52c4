// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/HarmonicsTable.h"

#include "settings/AppSettings.h"
#include "signal/Phase.h"

#include "display/SpectrumGeometry.h"
#include "signal/NumberFormat.h"
#include "text/NumberText.h"

#include <algorithm>

namespace {

constexpr const char* LineEnd = "\r\n";

// The names of the two value columns by display mode; nothing for a mode without columns.
std::string HeaderColumns(int mode, const char* separator) {
    constexpr const char* names[DisplayModeCount][2] = {
        {"cos", "phi"}, // MagnitudeAndPhase
        {"cos", "sin"}, // CosineAndSine
        {"sin", "phi"}, // MagnitudeAndSinePhase
    };
    if (mode < 0 || mode >= DisplayModeCount) return {};
    return std::string(names[mode][0]) + separator + names[mode][1];
}

// The two value cells of harmonic p by display mode, none for a mode without columns.
std::string ValueCells(const tSignal& s, int p, int mode, const char* separator) {
    switch (mode) {
    case MagnitudeAndPhase:
    case MagnitudeAndSinePhase:
        // Unlike the angle bars, a line of amplitude 0 keeps its stored phase here.
        return FormatDecimal(s.Amplitude[p], 3) + separator +
               FormatDecimal(ShownAngle(s, p, mode), 2);
    case CosineAndSine: {
        // In extended precision: unlike the spectrum view, the table is not a float.
        const Coefficients c = CoefficientsOf(s.Amplitude[p], s.Phase[p]);
        return FormatDecimal(c.a, 3) + separator + FormatDecimal(c.b, 3);
    }
    default:
        return {};
    }
}

} // namespace

std::string HarmonicsTableText(const std::string& name, const tSignal& s, int mode, float fo,
                               char decimalPoint) {
    std::string text = std::string("n\tf(Hz)\t") + HeaderColumns(mode, "\t") + LineEnd;
    text += "0:\t0\t" + FormatDecimal(s.Amplitude[0], 3) + LineEnd;
    for (int p = 1; p <= MaxHarmonicNumber; ++p) {
        // Held as a float, like fo itself.
        const float frequency = static_cast<float>(p) * fo;
        text += std::to_string(p) + ":\t" + FormatDecimal(frequency, 3) + "\t" +
                ValueCells(s, p, mode, "\t") + LineEnd;
    }
    // Only numbers carry a comma below the name.
    return name + LineEnd + WithDecimalSeparator(std::move(text), decimalPoint);
}

std::string HarmonicsCsv(const tSignal& s, int mode, float fo, char decimalPoint) {
    const std::string header = HeaderColumns(mode, ";");
    std::string text = "n;f(Hz)" + (header.empty() ? "" : ";" + header) + LineEnd;
    // The constant term in the first value column, so that every row has as many cells.
    text += "0;0;" + FormatDecimal(s.Amplitude[0], 3) + (header.empty() ? "" : ";") + LineEnd;
    for (int p = 1; p <= MaxHarmonicNumber; ++p) {
        const std::string values = ValueCells(s, p, mode, ";");
        text += std::to_string(p) + ";" + FormatDecimal(static_cast<float>(p) * fo, 3) +
                (values.empty() ? "" : ";" + values) + LineEnd;
    }
    text = WithDecimalSeparator(std::move(text), decimalPoint);
    // With a decimal point the cells are separated by commas, as spreadsheets expect there.
    if (decimalPoint != ',') std::replace(text.begin(), text.end(), ';', ',');
    return text;
}
