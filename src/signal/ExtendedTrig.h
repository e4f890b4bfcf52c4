#pragma once

#include <cmath>

// Cosine and sine in extended precision, exact to the last bit (glibc's cosl/sinl): for every
// value that is shown as a number or computed from a large argument.
inline long double CosExtended(long double x) {
    return cosl(x);
}

inline long double SinExtended(long double x) {
    return sinl(x);
}

// Arguments below this magnitude go to the x87 instruction in CosExtendedFast. The curves'
// arguments stay below it: 128 harmonics over at most 8 periods are about 6434 radians, plus
// a phase within a turn.
inline constexpr long double FastCosLimit = 8192;

// For curves only: the x87 instruction fcos, several times faster than cosl, which matters
// for the line diagram (tens of thousands of terms per curve). It reduces its argument with a
// 66-bit pi, so its error grows with the argument (about 1e-17 at the limit, whole percent
// from 1e11 on): below FastCosLimit it gives the same floats as cosl, which is all a curve
// keeps; beyond it, and for any value shown as a number, use CosExtended.
inline long double CosExtendedFast(long double x) {
#if defined(__x86_64__) || defined(__i386__)
    if (std::fabs(x) < FastCosLimit) {
        long double r;
        __asm__("fcos" : "=t"(r) : "0"(x));
        return r;
    }
#endif
    return cosl(x);
}

inline constexpr long double PiExtended = 3.14159265358979323846264338327950288L;

// Degrees to radians the way every part of the program does it: (d * pi) / 180.
inline long double DegToRad(long double degrees) {
    return degrees * PiExtended / 180.0L;
}
