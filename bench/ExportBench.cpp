// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/LineDiagramPicture.h"
#include "project/SignalList.h"
#include "settings/AppSettings.h"

#include <benchmark/benchmark.h>

namespace {

SignalList FullSeriesList() {
    tSignal s;
    for (int n = 1; n <= MaxHarmonicNumber; ++n) {
        s.Amplitude[n] = 100.0f / n;
        s.Phase[n] = 7.0f * n;
    }
    SignalList list;
    list.Append("Voll", s);
    return list;
}

// The line-diagram picture of a signal with 128 harmonics, alone and with all 128 single
// harmonics drawn as well (the most the export ever evaluates).
void BM_LineDiagramPicture(benchmark::State& state) {
    const SignalList list = FullSeriesList();
    AppSettings settings;
    if (state.range(0) != 0) settings.sh.fill(true);
    for (auto _ : state) benchmark::DoNotOptimize(LineDiagramPicture(list, 0, settings));
}
BENCHMARK(BM_LineDiagramPicture)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
