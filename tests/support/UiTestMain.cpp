// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// Entry point of the widget tests: offscreen platform, a private home and settings folder,
// the German translations, and fake prompts that fail on any question nobody expected.
#include "app/Application.h"
#include "support/FakePrompts.h"
#include "support/UiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString homeDir;
}

QString TestHome() {
    return homeDir;
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/wellenwerk-test-XXXXXX"));
    homeDir = home.path();
    // Nothing a test does may reach the user's real settings or home folder.
    qputenv("HOME", homeDir.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (homeDir + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (homeDir + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (homeDir + QStringLiteral("/run")).toLocal8Bit());
    // Qt insists on a runtime folder that only the user can enter.
    QDir().mkpath(homeDir + QStringLiteral("/run"));
    QFile::setPermissions(homeDir + QStringLiteral("/run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("WELLENWERK_MODULE_DIR", WELLENWERK_MODULE_DIR);
    // Nor a sound server: the sound button plays into nothing, and no server is spawned.
    qputenv("PULSE_SERVER",
            ("unix:" + homeDir + QStringLiteral("/run/no-sound-server")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    WellenwerkApplication app(argc, argv);
    app.LoadGermanTranslations();
    // Results must not depend on the locale of whoever runs the tests; a test that is about
    // the user's locale sets one on purpose.
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
