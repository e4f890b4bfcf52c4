// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/LineDiagramPicture.h"
#include "export/PicturePainter.h"
#include "export/Wmf.h"
#include "project/SignalList.h"
#include "settings/AppSettings.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// SVG and PNG of a line-diagram picture with a full series, as the clipboard export makes
// them.
void BM_LineDiagramSvgAndPng(benchmark::State& state) {
    tSignal s;
    for (int n = 1; n <= MaxHarmonicNumber; ++n) s.Amplitude[n] = 100.0f / n;
    SignalList list;
    list.Append("Voll", s);
    const Picture picture = *LineDiagramPicture(list, 0, AppSettings());
    TWMF wmf;
    wmf.SetSize(picture.width, picture.height);
    wmf.Record([&picture](QPainter& p) { PaintPicture(p, picture); });
    for (auto _ : state) {
        benchmark::DoNotOptimize(wmf.Svg());
        benchmark::DoNotOptimize(wmf.Png());
    }
}
BENCHMARK(BM_LineDiagramSvgAndPng)->Unit(benchmark::kMillisecond);

} // namespace
