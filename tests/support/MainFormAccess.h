// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/MainForm.h"
#include "app/SignalListView.h"
#include "display/SpectrumViews.h"
#include "ui/HelpSystem.h"

#include <QAction>

// What tests may reach inside the main window beyond its public face: its state. Its
// controls are reached by object name (Child).
class MainFormAccess {
public:
    explicit MainFormAccess(TMainForm& form) : f_(form) {}

    const QString& ProgramDir() const { return f_.ProgramDir; }
    bool& FirstActivation() { return f_.FirstActivation; }
    SpectrumViews& Spectra() { return *f_.spectra_; }
    HelpSystem& Help() { return f_.Help(); }

    int SelectedIndex() const { return f_.SelectedIndex(); }
    const tSignal* SelectedSignal() const { return f_.SelectedSignal(); }
    // Selects a list entry as a click on it would.
    void Select(int index) {
        f_.list_->SetItems(index);
        f_.SignalListBoxClick();
    }

private:
    TMainForm& f_;
};
