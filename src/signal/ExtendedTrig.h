// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>

// Cosine and sine in extended precision: glibc's cosl/sinl, accurate to about one unit in the
// last place for every argument (their argument reduction is exact). Every value the program
// shows or draws is defined by them; the fast paths of the curves and the tone only ever
// stand in for them where they provably give the same float.
inline long double CosExtended(long double x) {
    return cosl(x);
}

inline long double SinExtended(long double x) {
    return sinl(x);
}

// What the fast paths assume of CosExtended and SinExtended: their results lie within this of
// the true cosine and sine (four units in the last place of a value near 1; glibc's tables of
// measured errors give at most two).
inline constexpr long double LibraryTrigError = 0x1p-61L;

inline constexpr long double PiExtended = 3.14159265358979323846264338327950288L;

// Degrees to radians the way every part of the program does it: (d * pi) / 180.
inline long double DegToRad(long double degrees) {
    return degrees * PiExtended / 180.0L;
}
