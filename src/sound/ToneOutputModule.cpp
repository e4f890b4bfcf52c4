// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/ToneOutput.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

std::unique_ptr<ToneOutput> LoadToneOutput() {
    const QString program = QCoreApplication::applicationDirPath();
    QStringList folders{program, program + QStringLiteral("/" WELLENWERK_MODULE_DIR_FROM_BIN)};
    if (const QString dir = qEnvironmentVariable("WELLENWERK_MODULE_DIR"); !dir.isEmpty())
        folders.prepend(dir);
    for (const QString& folder : folders) {
        // Never unloaded: the output's code must stay while the program runs.
        QLibrary module(folder + QStringLiteral("/wellenwerk_sound_output"));
        const auto make =
            reinterpret_cast<MakeToneOutputFunction>(module.resolve(MakeToneOutputSymbol));
        if (make) return std::unique_ptr<ToneOutput>(make());
    }
    return nullptr;
}
