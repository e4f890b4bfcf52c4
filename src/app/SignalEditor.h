#pragma once

#include <QString>

class QDialog;
class tSignal;

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
};
