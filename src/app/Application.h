// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

// The program's QApplication.
class WellenwerkApplication : public QApplication {
public:
    WellenwerkApplication(int& argc, char** argv);

    // Every command runs guarded (ui/CommandGuard.h), so no exception should ever reach
    // the event loop; should one slip through all the same, it is shown rather than
    // ending the program.
    bool notify(QObject* receiver, QEvent* event) override;

    // German texts for Qt's own dialogs and buttons ("Ja", "Nein", "Abbrechen").
    void LoadGermanTranslations();
};
