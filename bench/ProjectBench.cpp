// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/ProjectFile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A project of `count` signals, a third of each kind, with every key of its kind set:
// 129 amplitudes and phases, 256 support points, all six formula texts for 128 harmonics.
SignalList FullProject(int count) {
    SignalList list;
    for (int i = 0; i < count; ++i) {
        tSignal s;
        s.Kind = i % SignalKindCount;
        s.Reserved = i;
        s.ColorIndex = i % 8;
        s.Visible = i % 2 == 0;
        for (int n = 0; n < HarmonicCount; ++n) {
            s.Amplitude[n] = 100.0f / static_cast<float>(n + 1) + 0.1f * static_cast<float>(i);
            s.Phase[n] = -90.0f + 0.7f * static_cast<float>(n);
        }
        s.PointsIndex = 3;
        for (int k = 0; k < SupportPointCount; ++k) s.SupportPoints[k] = (k * 37 + i) % 201 - 100;
        s.ConstK = "0,25";
        s.ConstL = "2*K+1";
        s.ConstM = "SQRT(K^2+L^2)";
        s.FormulaA0 = "K/2";
        s.FormulaAn = "2/PI/N*SIN(N*PI*K) + L*COS(N*PI/3)/N^2";
        s.FormulaBn = "4/PI/N*(1-COS(N*PI*K)) - M*(-1)^(N+1)/(N*PI)";
        s.MaxHarmonic = 128;
        list.Append("Signal " + std::to_string(i) + " Sägezahn", s);
    }
    return list;
}

std::string ProjectBytes(int count) {
    IniFile ini;
    SaveProjectFile(ini, FullProject(count), ',');
    return ini.Serialise();
}

// Loading: parse the file, read every signal and compute the series of waveform and
// formula signals.
void BM_ProjectLoad(benchmark::State& state) {
    const std::string bytes = ProjectBytes(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        LoadedProject loaded = LoadProjectFile(IniFile::Parse(bytes), {});
        benchmark::DoNotOptimize(loaded.list.Count());
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ProjectLoad)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

// Saving over the same project as a save does before the file is replaced: parse the old
// file, erase and write every signal, serialise.
void BM_ProjectSave(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::string old = ProjectBytes(count);
    const SignalList list = FullProject(count);
    for (auto _ : state) {
        IniFile ini = IniFile::Parse(old);
        SaveProjectFile(ini, list, ',');
        benchmark::DoNotOptimize(ini.Serialise());
    }
}
BENCHMARK(BM_ProjectSave)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
