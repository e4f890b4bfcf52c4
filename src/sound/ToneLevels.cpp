// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/ToneLevels.h"

#include "signal/ExtendedTrig.h"
#include "signal/HarmonicSum.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// x reduced by whole turns (2 half turns) to -1..1; exact, since the result and x lie within
// a factor of two of each other or the even integer taken off is 0.
long double ReducedHalfTurns(long double x) {
    return x - 2.0L * std::nearbyint(x / 2.0L);
}

// Phi/180: the phase in half turns, as the angle of the definition uses it.
long double HalfTurns(float phase) {
    return static_cast<long double>(phase) / 180.0L;
}

} // namespace

void ComputeToneLevels(const tSignal& signal, int highestHarmonic, float phaseStep,
                       std::span<float> levels) {
    const int count = static_cast<int>(levels.size());
    if (count == 0) return;
    // 2 g in half turns per sample; 2 g h i is exact (24 + 14 + 7 bits).
    const long double twiceStep = 2.0L * phaseStep;
    const int highest = std::clamp(highestHarmonic, 0, MaxHarmonicNumber);
    std::vector<SumTerm> terms;
    for (int i = 1; i <= highest; ++i) {
        const float a = signal.Amplitude[i];
        if (a == 0.0f) continue;
        const long double q = HalfTurns(signal.Phase[i]);
        const long double phase = std::isfinite(q) ? ReducedHalfTurns(q) * PiExtended : q;
        const long double widest = std::fabs(twiceStep * count * i) + std::fabs(q);
        terms.push_back(MakeSumTerm(i, a, phase, PiExtended * widest));
    }
    AddSumDoubt(terms, 0.0f);
    // The fundamental's turn at sample h: pi times 2 g h taken modulo whole turns (exactly),
    // so that the library cosines see small arguments.
    const std::vector<Rotation> grid = GridRotations(
        count + 1, [&](int h) { return ReducedHalfTurns(twiceStep * h) * PiExtended; });
    for (int h = 1; h <= count; ++h) {
        levels[h - 1] = SumTerms(0.0f, terms, grid[h], [&](float acc, std::size_t k) {
            const int i = terms[k].number;
            const long double angle = (twiceStep * h * i + HalfTurns(signal.Phase[i])) * PiExtended;
            return static_cast<float>(acc + signal.Amplitude[i] * CosExtended(angle));
        });
    }
}
