#pragma once

// Curves, single harmonics and tones by their definition, term by term with the extended
// library cosine, and the comparison of the program's fast paths with them. Shared by the
// tests (a small sample) and the exactness check (a large one).
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

inline long double HarmonicValue(const tSignal& s, int n, int x, float step) {
    return s.Amplitude[n] * cosl(Argument(s, n, x, step));
}

inline std::vector<float> ToneLevels(const tSignal& s, int highest, float g, int count) {
    std::vector<float> levels(count);
    for (int h = 1; h <= count; ++h) {
        float acc = 0;
        for (int i = 1; i <= highest; ++i) {
            if (s.Amplitude[i] == 0) continue;
            const long double angle = (2.0L * g * h * i + s.Phase[i] / 180.0L) * Pi;
            acc = static_cast<float>(acc + s.Amplitude[i] * cosl(angle));
        }
        levels[h - 1] = acc;
    }
    return levels;
}

// Series of every sort the fast paths meet: ordinary spectra; amplitudes from 1e-6 to 1e15
// of both signs with phases of many turns; integer series on whole-degree phases whose sums
// fall on or next to halfway points between floats; phases too large for any shortcut.
inline tSignal RandomSignal(std::mt19937& random) {
    std::uniform_real_distribution<float> unit(0, 1);
    auto pick = [&](int count) { return static_cast<int>(random() % count); };
    tSignal s;
    const int kind = pick(4);
    s.Amplitude[0] = kind == 2 ? pick(9) - 4.5f : (unit(random) - 0.5f) * 200;
    for (int n = 1; n <= 128; ++n) {
        if (kind != 0 && pick(3) == 0) continue;
        float a = 100 * unit(random) / n, phase = 360 * unit(random);
        if (kind == 1) {
            a = (pick(4) ? 1.0f : -1.0f) * std::pow(10.0f, -6 + 21 * unit(random));
            phase = (unit(random) - 0.5f) * 2e4f;
        } else if (kind == 2) {
            a = pick(5) == 0 ? 0x1p24f : static_cast<float>(pick(200) - 50);
            phase = 45.0f * pick(9);
        } else if (kind == 3) {
            phase *= std::pow(10.0f, 15 * unit(random));
        }
        s.Amplitude[n] = a;
        s.Phase[n] = phase;
    }
    return s;
}

struct Tally {
    long long compared = 0;
    long long differing = 0;
    void Add(bool same) {
        ++compared;
        differing += !same;
    }
};

// Every column of the line diagram at every time zoom: the curve, bit for bit; and the rows
// of a few single harmonics, at one amplitude zoom each.
inline Tally CompareCurves(const tSignal& s, std::mt19937& random) {
    Tally tally;
    std::vector<float> curve(DiagramSampleCount);
    std::vector<long double> harmonic(DiagramSampleCount);
    for (int dxr = 0; dxr < TimeZoomLevels; ++dxr) {
        const float step = DiagramAngleStep(dxr);
        SignalCurve(s, step, curve);
        for (int x = 0; x < DiagramSampleCount; ++x) {
            const float expected = exact::SignalValue(s, x, step);
            tally.Add(std::memcmp(&curve[x], &expected, sizeof expected) == 0);
        }
        const int n = 1 + static_cast<int>(random() % 128);
        const float k = DiagramRowScale(static_cast<int>(random() % AmplitudeZoomLevels));
        HarmonicCurve(s, n, step, k, harmonic);
        for (int x = 0; x < DiagramSampleCount; ++x)
            tally.Add(DiagramRow(harmonic[x], k) ==
                      DiagramRow(exact::HarmonicValue(s, n, x, step), k));
    }
    return tally;
}

inline Tally CompareTone(const tSignal& s, float fo, int sfreq, int highest) {
    Tally tally;
    const auto timing = ToneTimingFor(fo, SampleRateFor(sfreq));
    if (!timing) return tally;
    std::vector<float> levels(timing->samples);
    ComputeToneLevels(s, highest, timing->phaseStep, levels);
    const std::vector<float> expected =
        exact::ToneLevels(s, highest, timing->phaseStep, timing->samples);
    for (int k = 0; k < timing->samples; ++k)
        tally.Add(std::memcmp(&levels[k], &expected[k], sizeof(float)) == 0);
    return tally;
}

} // namespace exact
