// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainForm.h"

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <benchmark/benchmark.h>

namespace {

// A main window with 20 visible spectral-line signals, every harmonic and field set.
std::unique_ptr<TMainForm> FullWindow() {
    auto form = std::make_unique<TMainForm>();
    for (int i = 0; i < 20; ++i) {
        tSignal s;
        s.Visible = true;
        s.ColorIndex = i % 8;
        s.FormulaAn = s.FormulaBn = std::string(255, 'N');
        for (int n = 0; n <= MaxHarmonicNumber; ++n) {
            s.Amplitude[n] = (60.0f + i) / static_cast<float>(n + 1);
            s.Phase[n] = 11.0f * n + i;
        }
        for (int k = 0; k < SupportPointCount; ++k) s.SupportPoints[k] = k % 200 - 100;
        form->project().Append("Signal " + std::to_string(i + 1), s);
    }
    form->findChild<QListWidget*>(QStringLiteral("SignalListBox"))->setCurrentRow(10);
    form->show();
    return form;
}

// Undo of one change, a deleted signal, with the window's refresh and a full repaint; the
// iterations alternate undo and redo, so that each takes back or does one step.
void BM_Undo(benchmark::State& state) {
    auto form = FullWindow();
    Project& project = form->project();
    project.Remove(10);
    QImage target(form->size(), QImage::Format_RGB32);
    form->render(&target);
    bool undo = true;
    for (auto _ : state) {
        if (undo)
            project.Undo();
        else
            project.Redo();
        undo = !undo;
        form->render(&target);
    }
    project.MarkSaved();
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);

} // namespace
