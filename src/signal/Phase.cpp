// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/Phase.h"

#include "signal/ExtendedTrig.h"
#include "signal/NumberFormat.h"

#include <cmath>

Coefficients CoefficientsOf(float amplitude, float phaseDegrees) {
    const long double t = DegToRad(phaseDegrees);
    return {CosExtended(t) * amplitude, SinExtended(t) * -amplitude};
}

float CoefficientPhase(float a, float b) {
    return static_cast<float>(Angle(b, a) * -180.0L / PiExtended);
}

PolarLine PolarFromCoefficients(float a, float b) {
    const long double la = a;
    const long double lb = b;
    return {static_cast<float>(std::sqrt(la * la + lb * lb)), CoefficientPhase(a, b)};
}

long double WrapPhase360(long double p) {
    if (p < 0) {
        const long double r = std::fmod(p, 360.0L);
        return r < 0 ? r + 360 : 0.0L;
    }
    if (p > 360) {
        const long double r = std::fmod(p, 360.0L);
        return r == 0 ? 360.0L : r;
    }
    return p;
}

long double WrapShownAngle(long double v) {
    if (!std::isfinite(v)) return v;
    // Closed form of the repeated +-360: exact (fmod is exact), and it also terminates for
    // angles so large that adding 360 no longer changes them.
    if (v > 181) {
        const long double t = std::fmod(v - 181, 360.0L);
        return t == 0 ? 181.0L : t - 179;
    }
    if (v < -181) {
        const long double t = std::fmod(-181 - v, 360.0L);
        return t == 0 ? -181.0L : 179 - t;
    }
    return v;
}
