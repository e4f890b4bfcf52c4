// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Rotation.h"

#include <cmath>
#include <limits>
#include <vector>

// The sums of harmonics that curves and tones are made of, computed by the angle-addition
// recurrence and still giving exactly the floats of the definition
//   s := float(s + amplitude * cos(argument))   (argument and sum in extended precision),
// each cosine being CosExtended of the argument as the definition rounds it.
//
// How identity is guaranteed: the fast term differs from the exact extended term by at most
// a bound `doubt` (below). Both sums s + term are rounded to float by the same monotonic
// rounding, so when s + term - doubt and s + term + doubt round to the same float, the exact
// sum rounds to it, too. Only where the interval straddles a rounding boundary (at ties, or
// where a sum cancels to far below its terms; in ordinary spectra a few terms in a million)
// the term is recomputed the exact way.

// One harmonic of the sum: amplitude * cos(n theta + phase) = re cos(n theta) - im sin(n theta).
struct SumTerm {
    int number;     // n, ascending through the list
    long double re; // amplitude * cos(phase)
    long double im; // amplitude * sin(phase)
    double doubt;   // bound on |fast term - exact extended term|; infinite: always exact
};

// Bound on the distance of re cos(n theta) - im sin(n theta) from the exact extended term
// amplitude * CosExtended(argument), for an argument of magnitude up to argumentSize that the
// definition forms with at most two roundings (scaled by at most pi):
// - the power base^n after n-1 products: each adds the base's error (sqrt 2 times
//   GridRotationError in length) and its own roundings (2^-62.5 in length), n 2^-57.4 in all;
// - the phase rotation and the products and difference of the term: below 2^-60;
// - the definition's own roundings: of the argument, 2^-62.3 of its size, of the product
//   2^-64; and CosExtended's error, LibraryTrigError;
// all relative to |amplitude|. The bound takes (n + 1) 2^-56 for the first lines (a margin
// of more than two) and doubles the whole.
inline double TermDoubt(int n, long double amplitude, long double argumentSize) {
    const long double doubt =
        2.0L * std::fabs(amplitude) * ((n + 1) * 0x1p-56L + 0x1p-62L * argumentSize);
    // Held as a double (a quicker load), rounded up.
    const double rounded = static_cast<double>(doubt * (1.0L + 0x1p-52L));
    return std::isfinite(rounded) ? rounded : std::numeric_limits<double>::infinity();
}

inline SumTerm MakeSumTerm(int n, float amplitude, long double phase, long double argumentSize) {
    const Rotation turn = RotationBy(phase);
    return {n, amplitude * turn.c, amplitude * turn.s, TermDoubt(n, amplitude, argumentSize)};
}

inline long double FastTerm(const SumTerm& term, const Rotation& power) {
    return term.re * power.c - term.im * power.s;
}

// Makes each doubt cover the roundings of the sums, too, for SumTerms. There the term is
// rounded to double and added to the float sum in double (the chain of dependent roundings
// from one term to the next is shortest that way), so the sum can lie off the definition's
// extended one by 2^-53 of the term, twice 2^-53 of the sum (once in forming sum +- doubt)
// and 2^-64 of the sum for the definition's own rounding. No partial sum exceeds |start| plus
// the amplitudes so far (each below |re| + |im|), give or take 2^-17 for the float roundings
// of 129 sums: 2^-50 of that bound covers all of it, added once here instead of computed at
// every term. Terms that are not finite make every later sum infinite or not a number, which
// SumTerms handles without them.
inline void AddSumDoubt(std::vector<SumTerm>& terms, float start) {
    long double limit = std::isfinite(start) ? std::fabs(start) : 0.0L;
    for (SumTerm& term : terms) {
        if (std::isfinite(term.doubt)) limit += std::fabs(term.re) + std::fabs(term.im);
        const double doubt =
            static_cast<double>((term.doubt + 0x1p-50L * limit) * (1.0L + 0x1p-52L));
        term.doubt = std::isfinite(doubt) ? doubt : std::numeric_limits<double>::infinity();
    }
}

// start + the terms in list order at the column whose fundamental turns by `base`, each sum
// rounded to float; the terms' doubts made by AddSumDoubt. exact(s, k) adds term k the way of
// the definition.
template <typename Exact>
float SumTerms(float start, const std::vector<SumTerm>& terms, const Rotation& base, Exact exact) {
    double s = start; // always a float
    Rotation power = base;
    int at = 1;
    for (std::size_t k = 0; k < terms.size(); ++k) {
        const SumTerm& term = terms[k];
        for (; at < term.number; ++at) power = power * base;
        const double v = s + static_cast<double>(FastTerm(term, power));
        const float next = static_cast<float>(v);
        // Not a number anywhere (or an infinite doubt) also takes the exact way.
        if (static_cast<float>(v - term.doubt) == static_cast<float>(v + term.doubt)) [[likely]]
            s = next;
        else
            s = exact(static_cast<float>(s), k);
    }
    return static_cast<float>(s);
}
