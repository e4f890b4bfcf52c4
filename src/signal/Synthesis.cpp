// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/Synthesis.h"

#include "signal/ExtendedTrig.h"
#include "signal/HarmonicSum.h"
#include "signal/NearestInteger.h"

#include <cmath>
#include <vector>

float AngleStepFor(int windowDegrees, int columns) {
    // (2 D) pi / (360 columns): the window in radians per column.
    return static_cast<float>((2.0L * windowDegrees) * PiExtended / (360.0L * columns));
}

namespace {

// The argument of harmonic n at column x: the product x n is an exact integer before it is
// multiplied by the step (and then exact in extended precision, below 2^41).
long double Argument(int x, int n, float angleStep, long double phase) {
    return static_cast<long double>(x * n) * angleStep + phase;
}

long double PhaseOf(const tSignal& signal, int n) {
    return DegToRad(signal.Phase[n]);
}

float AddTerm(float s, float amplitude, long double argument) {
    return static_cast<float>(s + amplitude * CosExtended(argument));
}

// The harmonics of the waveform (amplitude > 0) for columns whose fundamental angle stays
// within widestAngle.
std::vector<SumTerm> WaveformTerms(const tSignal& signal, long double widestAngle) {
    std::vector<SumTerm> terms;
    for (int n = 1; n <= MaxHarmonicNumber; ++n) {
        const float a = signal.Amplitude[n];
        if (!(a > 0.0f)) continue;
        const long double phase = PhaseOf(signal, n);
        terms.push_back(MakeSumTerm(n, a, phase, n * widestAngle + std::fabs(phase)));
    }
    AddSumDoubt(terms, signal.Amplitude[0]);
    return terms;
}

// Sum of the squares of harmonics above the fundamental (S) and of all harmonics (P).
struct PowerSums {
    float above;
    float all;
};

PowerSums HarmonicPowers(const tSignal& signal) {
    int f = 1;
    while (f <= MaxHarmonicNumber && signal.Amplitude[f] == 0.0f) ++f;
    float s = 0.0f;
    for (int n = f + 1; n <= MaxHarmonicNumber; ++n) {
        const long double a = signal.Amplitude[n];
        s = static_cast<float>(s + a * a);
    }
    const long double a1 = f <= MaxHarmonicNumber ? signal.Amplitude[f] : 0.0f;
    return {s, static_cast<float>(a1 * a1 + s)};
}

} // namespace

float SignalValue(const tSignal& signal, int x, float angleStep) {
    float s = signal.Amplitude[0];
    for (int n = 1; n <= MaxHarmonicNumber; ++n) {
        const float a = signal.Amplitude[n];
        if (a > 0.0f) s = AddTerm(s, a, Argument(x, n, angleStep, PhaseOf(signal, n)));
    }
    return s;
}

void SignalCurve(const tSignal& signal, float angleStep, std::span<float> values) {
    const int count = static_cast<int>(values.size());
    if (count == 0) return;
    const long double step = angleStep;
    const std::vector<SumTerm> terms = WaveformTerms(signal, std::fabs((count - 1) * step));
    const std::vector<Rotation> grid = GridRotations(count, [&](int x) { return x * step; });
    for (int x = 0; x < count; ++x) {
        values[x] = SumTerms(signal.Amplitude[0], terms, grid[x], [&](float s, std::size_t k) {
            const int n = terms[k].number;
            return AddTerm(s, signal.Amplitude[n], Argument(x, n, angleStep, PhaseOf(signal, n)));
        });
    }
}

long double HarmonicValue(const tSignal& signal, int n, int x, float angleStep) {
    return signal.Amplitude[n] * CosExtended(Argument(x, n, angleStep, PhaseOf(signal, n)));
}

void HarmonicCurve(const tSignal& signal, int n, float angleStep, float rowScale,
                   std::span<long double> values) {
    const int count = static_cast<int>(values.size());
    if (count == 0) return;
    // Along one harmonic the columns are a grid of n times the step (exact: below 2^32).
    const long double step = static_cast<long double>(n) * angleStep;
    const long double phase = PhaseOf(signal, n);
    const SumTerm term = MakeSumTerm(1, signal.Amplitude[n], phase,
                                     std::fabs((count - 1) * step) + std::fabs(phase));
    const long double scale = rowScale;
    const long double rowDoubt = std::fabs(scale) * term.doubt;
    const std::vector<Rotation> grid = GridRotations(count, [&](int x) { return x * step; });
    for (int x = 0; x < count; ++x) {
        const long double v = FastTerm(term, grid[x]);
        // The row is round(v * scale), the product rounded in extended precision as well.
        const long double row = v * scale;
        // Beyond the value's doubt, the product may be rounded differently (by at most
        // 2^-64 of it) here and in the row mapping, and so may row +- doubt: 2^-61 covers all.
        const long double doubt = rowDoubt + 0x1p-61L * std::fabs(row);
        const bool sure = NearestInteger(row - doubt) == NearestInteger(row + doubt);
        values[x] = sure ? v : HarmonicValue(signal, n, x, angleStep);
    }
}

float DistortionFactor(const tSignal& signal) {
    const PowerSums p = HarmonicPowers(signal);
    if (p.all == 0.0f) return 1.0f;
    return static_cast<float>(std::sqrt(static_cast<long double>(p.above) / p.all));
}

float RmsValue(const tSignal& signal) {
    const PowerSums p = HarmonicPowers(signal);
    const long double a0 = signal.Amplitude[0];
    return static_cast<float>(std::sqrt(a0 * a0 + static_cast<long double>(p.all) / 2.0L));
}
