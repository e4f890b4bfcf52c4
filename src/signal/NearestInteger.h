// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <limits>

// std::nearbyint for long double without its library call, which saves and restores the
// floating-point environment each time (a repaint rounds tens of thousands of values).
// Adding 1.5 * 2^(p-1) to a value below 2^(p-2) in magnitude leaves no fraction bit in the
// p-bit significand, so the addition itself rounds to the nearest integer, ties to even (the
// rounding the program never changes); the subtraction is exact. Larger values and values
// that are not numbers go to the library.
inline long double NearestInteger(long double x) {
    constexpr int digits = std::numeric_limits<long double>::digits;
    constexpr long double shifter = 1.5L * static_cast<long double>(1ULL << (digits - 1));
    if (!(std::fabs(x) < shifter / 4)) return std::nearbyint(x);
    return (x + shifter) - shifter;
}
