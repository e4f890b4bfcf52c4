// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/HarmonicsTable.h"

#include "settings/AppSettings.h"
#include "signal/Phase.h"

#include "display/SpectrumGeometry.h"
#include "signal/NumberFormat.h"

namespace {

constexpr const char* LineEnd = "\r\n";

const char* HeaderColumns(int mode) {
    switch (mode) {
    case MagnitudeAndPhase:
        return "cos\tphi";
    case CosineAndSine:
        return "cos\tsin";
    case MagnitudeAndSinePhase:
        return "sin\tphi";
    default:
        return "";
    }
}

} // namespace

std::string HarmonicsTableText(const std::string& name, const tSignal& s, int mode, float fo) {
    std::string text = name + LineEnd;
    text += std::string("n\tf(Hz)\t") + HeaderColumns(mode) + LineEnd;
    text += "0:\t0\t" + FormatDecimal(s.Amplitude[0], 3) + LineEnd;
    for (int p = 1; p <= MaxHarmonicNumber; ++p) {
        // Held as a float, like fo itself.
        const float frequency = static_cast<float>(p) * fo;
        text += std::to_string(p) + ":\t" + FormatDecimal(frequency, 3) + "\t";
        switch (mode) {
        case MagnitudeAndPhase:
        case MagnitudeAndSinePhase:
            // Unlike the angle bars, a line of amplitude 0 keeps its stored phase here.
            text +=
                FormatDecimal(s.Amplitude[p], 3) + "\t" + FormatDecimal(ShownAngle(s, p, mode), 2);
            break;
        case CosineAndSine: {
            // In extended precision: unlike the spectrum view, the table is not a float.
            const Coefficients c = CoefficientsOf(s.Amplitude[p], s.Phase[p]);
            text += FormatDecimal(c.a, 3) + "\t" + FormatDecimal(c.b, 3);
            break;
        }
        default:
            break;
        }
        text += LineEnd;
    }
    return text;
}
