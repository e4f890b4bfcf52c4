// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Application.h"

#include "app/ProgramInfo.h"
#include "ui/CommandGuard.h"
#include "ui/Translatable.h"

#include <QIcon>

WellenwerkApplication::WellenwerkApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Wellenwerk"));
    setOrganizationName(QStringLiteral("Dorwinkel"));
    setApplicationVersion(QStringLiteral(WELLENWERK_VERSION));
    // The desktop matches the windows to the launcher and icon installed under this name.
    setDesktopFileName(QStringLiteral(WELLENWERK_APP_ID));
    setWindowIcon(QIcon::fromTheme(QStringLiteral(WELLENWERK_APP_ID)));
}

bool WellenwerkApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    RunCommand([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void WellenwerkApplication::LoadGermanTranslations() {
    ApplyLanguage(German);
}
