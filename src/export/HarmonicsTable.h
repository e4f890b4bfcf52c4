// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"

#include <string>

// The harmonics of a signal as tab-separated text for other programs: the name, a header
// by display mode (0 magnitude and phase, 1 cosine and sine, 2 magnitude and the phase of
// the sine form), the constant term and all 128 harmonics with their frequencies p * fo.
// Lines end in CR LF; numbers carry `decimalPoint` (a comma in German, a point in English).
std::string HarmonicsTableText(const std::string& name, const tSignal& s, int mode, float fo,
                               char decimalPoint = ',');

// The same rows for a file that spreadsheet programs open as they are: UTF-8, a header row
// (n, f(Hz) and the two columns of the display mode), numbers with `decimalPoint`, cells
// separated by ";" after a decimal comma and by "," after a point, CR LF line ends; no name
// line.
std::string HarmonicsCsv(const tSignal& s, int mode, float fo, char decimalPoint = ',');
