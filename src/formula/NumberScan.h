// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string_view>

// Numbers of the formula language: digits, optionally "." and digits, optionally "E",
// a sign and digits ("1", "1.5", "2.", "1E3", "1.5E-3").

// Index just past the longest number run that starts at `start` (a digit).
std::size_t NumberRunEnd(std::string_view text, std::size_t start);

enum class NumberStatus { Ok, Invalid, Overflow };

struct NumberValue {
    NumberStatus status;
    float value;
};

// Converts a run to the nearest float, independent of the C locale. A run that is no
// complete number ("1E", "1E+") is Invalid; a value beyond the float range is Overflow;
// one too small for a float gives 0.
NumberValue ConvertNumber(std::string_view run);
