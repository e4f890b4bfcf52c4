// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Application.h"
#include "app/MainForm.h"
#include "ui/CommandGuard.h"

int main(int argc, char** argv) {
    WellenwerkApplication app(argc, argv);
    app.LoadGermanTranslations();
    TMainForm form;
    form.show();
    // A project file named as the only argument (opened from the desktop) is loaded as
    // "Laden" would load it.
    const QStringList arguments = app.arguments();
    if (arguments.size() == 2) RunCommand([&] { form.LoadProjectFile(arguments[1]); });
    return app.exec();
}
