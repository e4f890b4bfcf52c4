// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;
class tSignal;

// Asks whether an entered name can be used; shows the reason and returns false if not.
using NameCheck = std::function<bool(QWidget* dialog, const QString& name)>;

// What the signal commands need of an editor dialog: its name field and its own copy of
// the signal. The caller fills both, shows the dialog and takes both back after OK.
class SignalEditor {
public:
    virtual ~SignalEditor() = default;
    virtual QDialog& Dialog() = 0;
    virtual void SetSignalName(const QString& name) = 0;
    virtual QString SignalName() const = 0;
    virtual tSignal& WorkSignal() = 0;
    // The harmonics table shows the spectrum representation of the main window and may
    // change it; other editors ignore it.
    virtual void SetDisplayMode(int) {}
    virtual int DisplayMode() const { return -1; }

    // The check a renamed signal's name must pass before OK closes the editor; without
    // one every name is taken.
    void SetNameCheck(NameCheck check) { nameCheck_ = std::move(check); }

protected:
    bool NameAccepted(QWidget* dialog, const QString& name) const {
        return !nameCheck_ || nameCheck_(dialog, name);
    }

private:
    NameCheck nameCheck_;
};
