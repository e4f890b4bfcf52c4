// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/FixedDialog.h"
#include "ui/SignalEditor.h"

class QButtonGroup;
class QLineEdit;

// A dialog that asks for a signal's name, with the name field focused; OK closes it only
// once the name passes its check. It keeps its values between uses.
class SignalNameDialog : public FixedDialog {
    Q_OBJECT
public:
    SignalNameDialog(QWidget* mainWindow, const QString& objectName, const QString& caption,
                     QSize clientSize, NameCheck check);

    // The name in the field `nameedit`.
    QString SignalName() const;

protected:
    void FormActivate() override;
    bool OKBtnClick() override;

private:
    QLineEdit* nameEdit_ = nullptr;
    NameCheck check_;
};

// "Neues Signal": the name and the kind of a new signal.
class TNewSignalDlg : public SignalNameDialog {
    Q_OBJECT
public:
    TNewSignalDlg(QWidget* mainWindow, NameCheck check);

    // The kind checked in `Typegroup`.
    int Kind() const;

private:
    void SetKind(int kind);

    QButtonGroup* typegroup_ = nullptr; // item index = kind
};

// "Signal einfügen": the name under which the copied signal is pasted.
class TNewSignalNameDlg : public SignalNameDialog {
    Q_OBJECT
public:
    TNewSignalNameDlg(QWidget* mainWindow, NameCheck check);
};
