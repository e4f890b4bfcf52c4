// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/FourierAnalysis.h"
#include "sound/SoundImage.h"

#include <benchmark/benchmark.h>

namespace {

// The longest tone: 5 Hz at 44.1 kHz is one period in 8820 samples, all 128 harmonics sounding.
void BM_SoundImageLongest(benchmark::State& state) {
    tSignal s;
    for (int n = 1; n <= MaxHarmonicNumber; ++n) {
        s.Amplitude[n] = 100.0f / n;
        s.Phase[n] = 13.0f * n - 500.0f;
    }
    for (auto _ : state) {
        auto image = BuildSoundImage(s, 5.0f, 2, PlayedHarmonics);
        benchmark::DoNotOptimize(image.data());
    }
}
BENCHMARK(BM_SoundImageLongest)->Unit(benchmark::kMillisecond);

void BM_AnalyseWaveform64(benchmark::State& state) {
    tSignal s;
    s.PointsIndex = 3;
    for (int k = 0; k < 64; ++k) s.SupportPoints[k] = (k * 37) % 227 - 113;
    for (auto _ : state) {
        AnalyseWaveform(s);
        benchmark::DoNotOptimize(s.Amplitude.data());
    }
}
BENCHMARK(BM_AnalyseWaveform64)->Unit(benchmark::kMicrosecond);

} // namespace
