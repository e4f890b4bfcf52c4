// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

// Every rule by which the program reads numbers from text and writes them back, in one
// place. None of them depends on the C locale: the Qt application sets it from the
// environment, and under a German locale strtod would stop at a decimal point.

// The text without the blanks (spaces and tabs) around it.
std::string_view TrimBlanks(std::string_view text);

// --- whole numbers ----------------------------------------------------------------------

// The value field of the spectrum views: the whole text is a decimal integer with an
// optional sign. No blanks, fractions, exponents or hex; the empty text, a lone sign and
// anything outside the int range are not numbers.
std::optional<int> ParseIntegerText(std::string_view text);

// The message for a text that should have been a whole number:
// "'<text>' is not a valid integer value".
std::string IntegerConversionMessage(std::string_view text);

// An integer setting: an optional sign and decimal digits, blanks around them allowed.
// Anything else, or a number outside the int range, yields `fallback`.
int ParseIntSetting(std::string_view text, int fallback);

// An integer value of a project file: decimal with an optional sign, or hexadecimal after
// "0x"/"0X" (a text of at least three characters), blanks around allowed. Hexadecimal
// digits form a 32-bit pattern read as a signed number (0xFFFFFFFF is -1). Anything else
// yields `fallback`.
int ParseProfileInteger(std::string_view text, int fallback);

// --- decimal numbers --------------------------------------------------------------------

// The standard decimal conversion used by the input fields:
//   blanks* [+|-] digits* [. digits*] [(E|e) [+|-] digits+]
// with at least one digit before the exponent, consumed to the very end ("1." and ".5" are
// numbers, "." and "1e" are not, nor is anything with a trailing blank). The result is the
// nearest float; a number too large for a float is +-infinity, one too small +-0.
std::optional<float> ParseDecimalFloat(std::string_view text);

// A decimal number as stored in settings and project files: blanks around it are ignored
// and "," and "." are both accepted as the decimal separator, so a file written under
// another locale reads alike. Otherwise as ParseDecimalFloat.
std::optional<float> ParseStoredDecimal(std::string_view text);

// General format with at most 15 significant digits, as numbers are stored: no trailing
// zeros, no separator for whole numbers, fixed notation for magnitudes from 0.00001 up to
// below 10^15, otherwise scientific notation with "E" and the exponent ("1E20", "1,5E-7").
// Every float written this way reads back as the same float.
std::string FormatGeneral(long double x, char decimalSeparator);

// A number as the program writes it, with decimal commas, shown with `separator` in their
// place: how another language writes it. Only for texts of numbers (with their units and
// prefixes): a comma in a name is no decimal separator.
std::string WithDecimalSeparator(std::string number, char separator);
