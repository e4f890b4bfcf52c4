// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks of the numeric core and of the main window's repaints (offscreen platform,
// private settings folder so that a run never touches the user's settings).
#include "app/Application.h"
#include "ui/Prompts.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/wellenwerk-bench-XXXXXX"));
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    WellenwerkApplication app(argc, argv);
    // Nobody answers questions during a run: every dialog is cancelled at once.
    DeclineAllPrompts noAnswers;
    SetPrompts(&noAnswers);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
