#pragma once

#include <cmath>

// Cosine and sine in extended precision. glibc's cosl/sinl are exact but slow; the x87
// instructions give the same results once rounded to float and are several times faster,
// which matters for the line diagram (tens of thousands of terms per curve).
inline long double CosExtended(long double x) {
#if defined(__x86_64__) || defined(__i386__)
    if (std::fabs(x) < 9.2e18L) { // fcos reduces its argument only below 2^63
        long double r;
        __asm__("fcos" : "=t"(r) : "0"(x));
        return r;
    }
#endif
    return cosl(x);
}

inline long double SinExtended(long double x) {
#if defined(__x86_64__) || defined(__i386__)
    if (std::fabs(x) < 9.2e18L) {
        long double r;
        __asm__("fsin" : "=t"(r) : "0"(x));
        return r;
    }
#endif
    return sinl(x);
}

inline constexpr long double PiExtended = 3.14159265358979323846264338327950288L;

// Degrees to radians the way every part of the program does it: (d * pi) / 180.
inline long double DegToRad(long double degrees) {
    return degrees * PiExtended / 180.0L;
}
