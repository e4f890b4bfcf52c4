// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Phases in degrees as the program stores and shows them, and the magnitude-and-phase form
// of a line given by its cosine and sine coefficients.

// The cosine and sine coefficients of a line A*cos(nx + phi), in extended precision:
// a = A*cos(phi), b = -A*sin(phi), phi in degrees.
struct Coefficients {
    long double a;
    long double b;
};
Coefficients CoefficientsOf(float amplitude, float phaseDegrees);

// A line in magnitude and phase form, converted back from its coefficients.
struct PolarLine {
    float amplitude; // sqrt(a^2 + b^2)
    float phase;     // degrees, -180 <= phase < 180 (up to the rounding of pi); -90 for a = b = 0
};

// The line a*cos(nx) + b*sin(nx) as A*cos(nx + phi): A = sqrt(a^2 + b^2) formed in extended
// precision, phi = -Angle(b, a) * 180 / pi.
PolarLine PolarFromCoefficients(float a, float b);
float CoefficientPhase(float a, float b);

// Brings a phase into 0..360 as repeatedly adding or subtracting 360 would: below 0 into
// [0, 360), above 360 into (0, 360]; 360 itself stays. fmod is exact, so this equals the
// repetition wherever that is exact, and unlike it, it ends for phases so large that adding
// 360 changes nothing.
long double WrapPhase360(long double degrees);

// Brings an angle into -181..181 the way adding or subtracting 360 until it fits does:
// values above 181 end in (-179, 181], values below -181 in [-181, 179).
long double WrapShownAngle(long double degrees);
