// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/ExtendedTrig.h"

#include <algorithm>
#include <cmath>
#include <vector>

// A point on the unit circle, e^(i angle), in extended precision. Multiplying two rotations
// adds their angles: the harmonics n theta of one column follow from each other by a product
// each, instead of a library cosine each.
struct Rotation {
    long double c = 1; // cosine
    long double s = 0; // sine
};

inline Rotation operator*(const Rotation& a, const Rotation& b) {
    return {a.c * b.c - a.s * b.s, a.c * b.s + a.s * b.c};
}

inline Rotation RotationBy(long double angle) {
    return {CosExtended(angle), SinExtended(angle)};
}

// How far each component of a GridRotations entry may lie from the exact rotation. Each table
// entry errs by the angle's error (below 2^-62) plus LibraryTrigError per component; the
// product of two entries adds both (with a factor sqrt 2 between component and length) and
// three roundings of 2^-64: below 2^-58.8.
inline constexpr long double GridRotationError = 0x1p-58L;

// e^(i k theta) for k = 0..count-1 on a regular grid, where angleOf(k) gives k theta within
// 2^-62 (whole turns left out or not). Every entry is the product of one of about sqrt(count)
// rotations of the low part of k and one of the high part, so its error does not grow with k
// and the grid costs some 4 sqrt(count) library calls instead of 2 count.
template <typename AngleOf> std::vector<Rotation> GridRotations(int count, AngleOf angleOf) {
    std::vector<Rotation> grid(count > 0 ? count : 0);
    const int low = std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count)))));
    std::vector<Rotation> lows(low);
    for (int l = 0; l < low; ++l) lows[l] = RotationBy(angleOf(l));
    for (int base = 0; base < count; base += low) {
        const Rotation high = RotationBy(angleOf(base));
        for (int l = 0; l < low && base + l < count; ++l) grid[base + l] = high * lows[l];
    }
    return grid;
}
