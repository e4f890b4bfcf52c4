// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainForm.h"
#include "display/SpectrumEditing.h"

#include <QMouseEvent>

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QToolButton>
#include <benchmark/benchmark.h>

namespace {

// A control of the window by its object name.
template <typename T> T* Control(TMainForm& form, const char* name) {
    return form.findChild<T*>(QLatin1String(name));
}

// A main window with 20 visible signals of 128 non-zero harmonics each, the last selected,
// at a view size in percent.
std::unique_ptr<TMainForm> BusyWindow(int percent = 100) {
    auto form = std::make_unique<TMainForm>();
    form->settings().SetViewScale(percent);
    for (int i = 0; i < 20; ++i) {
        tSignal s;
        s.Visible = true;
        s.ColorIndex = i % 8;
        for (int n = 1; n <= MaxHarmonicNumber; ++n) {
            s.Amplitude[n] = (60.0f + i) / n;
            s.Phase[n] = 11.0f * n + i;
        }
        form->project().Append("Signal " + std::to_string(i + 1), s);
    }
    Control<QListWidget>(*form, "SignalListBox")->setCurrentRow(19);
    form->show();
    return form;
}

// Paints the whole window synchronously, as an expose after a refresh would.
void PaintWindow(TMainForm& form, QImage& target) {
    form.render(&target);
}

// Selects a column of the upper spectrum view as a click on it would.
void PickSpectrumColumn(TMainForm& form, int column) {
    QWidget* box = Control<QWidget>(form, "specbox0");
    int x = 0;
    while (PickColumn(x) != column) ++x;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(x, 40), box->mapToGlobal(QPointF(x, 40)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &press);
}

void RepaintAfterEdit(benchmark::State& state, int percent) {
    auto form = BusyWindow(percent);
    QImage target(form->size(), QImage::Format_RGB32);
    PaintWindow(*form, target);
    float delta = 1.0f;
    for (auto _ : state) {
        // A change of the selected signal's series, as an edit in the spectrum views makes it.
        form->project().EditSeries(19, [&](tSignal& s) {
            s.Amplitude[3] += delta;
            return true;
        });
        delta = -delta;
        PaintWindow(*form, target);
    }
    form->project().MarkSaved();
    form->settings().SetViewScale(100); // the next run starts at 100 % again
}

void BM_RepaintAfterEdit(benchmark::State& state) {
    RepaintAfterEdit(state, 100);
}
BENCHMARK(BM_RepaintAfterEdit)->Unit(benchmark::kMillisecond);

// The same on a projector: the window at 200 %, four times the pixels.
void BM_RepaintAfterEdit200(benchmark::State& state) {
    RepaintAfterEdit(state, 200);
}
BENCHMARK(BM_RepaintAfterEdit200)->Unit(benchmark::kMillisecond);

void BM_RepaintNoChange(benchmark::State& state) {
    auto form = BusyWindow();
    QImage target(form->size(), QImage::Format_RGB32);
    PaintWindow(*form, target);
    int row = 19;
    for (auto _ : state) {
        // A selection change: the same data, drawn with another signal on top.
        row = row == 19 ? 18 : 19;
        Control<QListWidget>(*form, "SignalListBox")->setCurrentRow(row);
        PaintWindow(*form, target);
    }
}
BENCHMARK(BM_RepaintNoChange)->Unit(benchmark::kMillisecond);

void BM_StepButton(benchmark::State& state) {
    auto form = BusyWindow();
    QImage target(form->size(), QImage::Format_RGB32);
    PickSpectrumColumn(*form, 3);
    PaintWindow(*form, target);
    QToolButton* plus = Control<QToolButton>(*form, "Plus2Btn");
    QToolButton* minus = Control<QToolButton>(*form, "Minus2Btn");
    bool up = true;
    for (auto _ : state) {
        (up ? plus : minus)->click();
        up = !up;
        form->render(&target);
    }
}
BENCHMARK(BM_StepButton)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// The line diagram alone, with every curve cached: what drawing 21 polylines costs.
void BM_LineDiagramPaintCached(benchmark::State& state) {
    auto form = BusyWindow();
    QWidget* diagbox = Control<QWidget>(*form, "diagbox");
    QImage target(diagbox->size(), QImage::Format_RGB32);
    diagbox->render(&target);
    for (auto _ : state) diagbox->render(&target);
}
BENCHMARK(BM_LineDiagramPaintCached)->Unit(benchmark::kMillisecond);

} // namespace
