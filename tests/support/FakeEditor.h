// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"
#include "ui/SignalEditor.h"

#include <QDialog>

// Stands in for an editor: shows nothing, answers with a fixed result and may change the
// work signal and the name like a user would.
class FakeEditor : public QDialog, public SignalEditor {
public:
    explicit FakeEditor(QWidget* parent) : QDialog(parent) { setObjectName("FakeEditor"); }
    QDialog& Dialog() override { return *this; }
    void SetSignalName(const QString& n) override { name = n; }
    QString SignalName() const override { return name; }
    tSignal& WorkSignal() override { return work; }
    void SetDisplayMode(int m) override { mode = m; }
    int DisplayMode() const override { return mode; }
    // OK as a real editor handles it: the name must pass the window's check.
    bool PressOK() { return NameAccepted(this, name); }
    QString name;
    tSignal work;
    int mode = -1;
};
