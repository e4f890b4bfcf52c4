// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/Synthesis.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

tSignal FullSeries() {
    tSignal s;
    for (int n = 1; n <= MaxHarmonicNumber; ++n) {
        s.Amplitude[n] = 100.0f / n;
        s.Phase[n] = 7.0f * n;
    }
    return s;
}

// One line-diagram curve: 561 columns of a signal with 128 non-zero harmonics.
void BM_LineDiagramCurve(benchmark::State& state) {
    const tSignal s = FullSeries();
    const float step = AngleStepFor(720, 560);
    std::vector<float> curve(561);
    for (auto _ : state) {
        SignalCurve(s, step, curve);
        benchmark::DoNotOptimize(curve.data());
    }
}
BENCHMARK(BM_LineDiagramCurve)->Unit(benchmark::kMillisecond);

} // namespace
