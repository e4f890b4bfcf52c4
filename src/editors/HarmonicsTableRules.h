// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"
#include "text/MessageText.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The rules of the harmonics table, without widgets: how a series is shown in the cells for
// each display mode (the setting "mode": 0 magnitude and phase, 1 cosine and sine
// coefficients, 2 magnitude and the phase of the sine form) and how typed cells are read
// back into amplitudes and phases. The dialog only moves texts between these and its grid.

inline constexpr int NumberColumn = 0;    // n
inline constexpr int FrequencyColumn = 1; // n * fo
inline constexpr int FirstValueColumn = 2;
inline constexpr int SecondValueColumn = 3;
inline constexpr int HarmonicsColumnCount = 4;

// A cell's text is read as a short string: longer texts are cut to this many characters.
inline constexpr std::size_t MaxCellTextLength = 255;

using SeriesValues = std::array<float, HarmonicCount>;
// The texts of the table, cells[n][column] for n = 0..128, UTF-8.
using HarmonicsCells = std::array<std::array<std::string, HarmonicsColumnCount>, HarmonicCount>;

struct HarmonicsCaptions {
    std::string firstHeader;  // column 2
    std::string secondHeader; // column 3
    std::string l1;           // before the sum sign under the table
    std::string l2;           // after it
};
HarmonicsCaptions HarmonicsCaptionsFor(int mode);

// All four columns of every row from the working series: n, the frequency n * fo and the
// mode's two values. Row 0 holds the constant term and "0".
void FillTable(const SeriesValues& amplitude, const SeriesValues& phase, int mode, float fo,
               HarmonicsCells& cells);

// The number in a cell: empty is 0, "," counts as ".", otherwise the standard decimal
// conversion. Nothing when the text is no number.
std::optional<float> ReadCell(std::string_view text);

enum class CellProblem { Syntax, TooLarge };
struct CellFault {
    int column; // FirstValueColumn or SecondValueColumn
    int n;
    CellProblem problem;
};

// Reads columns 2 and 3 into the working series by the rules of the mode; stops at the first
// cell it refuses and reports it, keeping what it stored before. A cell is refused when it is
// no number, or too large: an amplitude or coefficient beyond MaxAmplitude, a phase that is
// not finite. Phase[0] is never written.
std::optional<CellFault> ReadTable(const HarmonicsCells& cells, int mode, SeriesValues& amplitude,
                                   SeriesValues& phase);

// "A", "PHI", "a", "b", "B" by mode and column.
std::string CellSymbol(int mode, int column);
// "Syntaxfehler bei PHI7 !" or "Wert zu groß bei A3 !".
MessageText CellFaultText(const CellFault& fault, int mode);
inline std::string CellFaultMessage(const CellFault& fault, int mode) {
    return CellFaultText(fault, mode).German();
}

inline constexpr const char* MultiplierErrorMessage =
    QT_TRANSLATE_NOOP("Wellenwerk", "Fehler bei Multiplikator");

// Multiplies every amplitude, the constant term included, by the factor in `text`, where
// only "." is a decimal point. Returns false and changes nothing when the text is no number
// or the factor would make an amplitude exceed MaxAmplitude.
bool MultiplyAmplitudes(std::string_view text, SeriesValues& amplitude);
