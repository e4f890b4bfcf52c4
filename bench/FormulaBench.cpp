// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/FormulaSeries.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A formula signal as a teacher might type it: 200-character sums of trigonometric terms,
// powers and the constants, evaluated for all 128 harmonics.
tSignal TypicalFormulaSignal() {
    tSignal s;
    s.Kind = Formulas;
    s.ConstK = "0,25";
    s.ConstL = "2*K+1";
    s.ConstM = "SQRT(K^2+L^2)";
    s.FormulaA0 = "K/2";
    s.FormulaAn = "2/PI/N*SIN(N*PI*K) + L*COS(N*PI/3)/N^2 - 0,5*SIN(2*N*K)*COS(N/L) + "
                  "K^2/(N+1)^3 + (-1)^N*M/(N^2+1) - ABS(SIN(N*K))/(N*L) + 1,5E-2*COS(N*PI*K)^2 + "
                  "SIN(N*L)^2/(3*N) - 0,125*COS(2*N*PI*M)/(N+K)^2 + L/(9*N)";
    s.FormulaBn = "4/PI/N*(1-COS(N*PI*K)) - L/N^2*SIN(N*PI/4) + 0,3*COS(N*K)^3/(1+N) + "
                  "K*SIN(N/L)*EXP(-N/20) + M*(-1)^(N+1)/(N*PI) - SIN(N*PI*L/7)/(N^2+K) + 2E-3*N - "
                  "COS(N*K)*SIN(N*M)/(N^2+L) + 0,05*SIN(N*PI/K)^3 + K/(N+5)";
    s.SeriesMode = 0;
    s.MaxHarmonic = 128;
    return s;
}

void BM_GenerateFromFormulas(benchmark::State& state) {
    tSignal s = TypicalFormulaSignal();
    for (auto _ : state) {
        const auto error = GenerateFromFormulas(s);
        if (error) state.SkipWithError(error->Text().c_str());
        benchmark::DoNotOptimize(s.Amplitude.data());
    }
    state.counters["an_chars"] = static_cast<double>(s.FormulaAn.size());
    state.counters["bn_chars"] = static_cast<double>(s.FormulaBn.size());
}
BENCHMARK(BM_GenerateFromFormulas)->Unit(benchmark::kMillisecond);

} // namespace
