// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Curves, single harmonics and tones by their definition, term by term with the extended
// library cosine, and the comparison of the fast paths with them: a small sample in the
// tests, a large one in the exactness check.
#include "display/LineDiagramGeometry.h"
#include "signal/Synthesis.h"
#include "sound/SoundImage.h"
#include "sound/ToneLevels.h"

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace exact {

inline constexpr long double Pi = 3.14159265358979323846264338327950288L;

inline long double Argument(const tSignal& s, int n, int x, float step) {
    return static_cast<long double>(x * n) * step + s.Phase[n] * Pi / 180;
}

inline float SignalValue(const tSignal& s, int x, float step) {
    float sum = s.Amplitude[0];
    for (int n = 1; n <= 128; ++n)
        if (s.Amplitude[n] > 0)
            sum = static_cast<float>(sum + s.Amplitude[n] * cosl(Argument(s, n, x, step)));
    return sum;
}

inline float ToneLevel(const tSignal& s, int highest, float g, int h) {
    float acc = 0;
    for (int i = 1; i <= highest; ++i) {
        const long double angle = (2.0L * g * h * i + s.Phase[i] / 180.0L) * Pi;
        if (s.Amplitude[i] != 0) acc = static_cast<float>(acc + s.Amplitude[i] * cosl(angle));
    }
    return acc;
}

// Series of every sort: ordinary spectra; amplitudes from 1e-6 to 1e15 of both signs with
// phases of many turns; integer series on multiples of 45 degrees, whose sums fall on or
// next to halfway points between floats; phases too large for any shortcut.
inline tSignal RandomSignal(std::mt19937& random) {
    std::uniform_real_distribution<float> unit(0, 1);
    auto pick = [&](int count) { return static_cast<int>(random() % count); };
    tSignal s;
    const int kind = pick(4);
    s.Amplitude[0] = kind == 2 ? pick(9) - 4.5f : (unit(random) - 0.5f) * 200;
    for (int n = 1; n <= 128; ++n) {
        if (kind != 0 && pick(3) == 0) continue;
        s.Amplitude[n] = kind == 1   ? (pick(4) ? 1 : -1) * std::pow(10.0f, 21 * unit(random) - 6)
                         : kind == 2 ? (pick(5) ? pick(200) - 50.0f : 0x1p24f)
                                     : 100 * unit(random) / n;
        s.Phase[n] = kind == 1   ? (unit(random) - 0.5f) * 2e4f
                     : kind == 2 ? 45.0f * pick(9)
                     : kind == 3 ? 360 * unit(random) * std::pow(10.0f, 15 * unit(random))
                                 : 360 * unit(random);
    }
    return s;
}

struct Tally {
    long long compared = 0, differing = 0;
    void Add(bool same) { ++compared, differing += !same; }
};

inline bool SameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every column of the line diagram at every time zoom, bit for bit; and the rows of one
// random single harmonic at a random amplitude zoom each.
inline void CompareCurves(const tSignal& s, std::mt19937& random, Tally& tally) {
    std::vector<float> curve(DiagramSampleCount);
    std::vector<long double> harmonic(DiagramSampleCount);
    for (int dxr = 0; dxr < TimeZoomLevels; ++dxr) {
        const float step = DiagramAngleStep(dxr);
        SignalCurve(s, step, curve);
        for (int x = 0; x < DiagramSampleCount; ++x)
            tally.Add(SameBits(curve[x], exact::SignalValue(s, x, step)));
        const int n = 1 + static_cast<int>(random() % 128);
        const float k = DiagramRowScale(static_cast<int>(random() % AmplitudeZoomLevels));
        HarmonicCurve(s, n, step, k, harmonic);
        for (int x = 0; x < DiagramSampleCount; ++x)
            tally.Add(DiagramRow(harmonic[x], k) ==
                      DiagramRow(s.Amplitude[n] * cosl(Argument(s, n, x, step)), k));
    }
}

inline void CompareTone(const tSignal& s, float fo, int sfreq, int highest, Tally& tally) {
    const ToneTiming t = *ToneTimingFor(fo, SampleRateFor(sfreq));
    std::vector<float> levels(t.samples);
    ComputeToneLevels(s, highest, t.phaseStep, levels);
    for (int h = 1; h <= t.samples; ++h)
        tally.Add(SameBits(levels[h - 1], ToneLevel(s, highest, t.phaseStep, h)));
}

} // namespace exact
