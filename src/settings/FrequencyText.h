// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The text of the fo field in the settings dialog. The field always uses a decimal point,
// whatever the user's locale says, so that what it shows can be typed back unchanged.

// fo with three decimals, trailing zeros and then a trailing point removed:
// 1000 -> "1000", 440.5 -> "440.5", 0.1f -> "0.1".
std::string FormatFrequencyField(float fo);

// The fo that a typed text stands for. The text is
//   blanks* [+|-] digits* [. digits*] [(E|e) [+|-] digits+]
// with at least one digit before the exponent, and must end there: "1." and ".5" are
// numbers, "." and "1e" are not, and neither is anything with a trailing blank. A number
// becomes the nearest float; any other text keeps `previous`. Either way the result is
// clamped to 0.1..25000 Hz; numbers too large for a float count as above 25000.
float ReadFrequencyField(const std::string& text, float previous);
