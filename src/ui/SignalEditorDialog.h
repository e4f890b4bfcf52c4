// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"
#include "ui/FixedDialog.h"
#include "ui/SignalEditor.h"

#include <array>

class PaintBox;
class QCheckBox;
class QGroupBox;
class QLineEdit;

// The base of the three signal editors ("Signaleigenschaften"): the name field, the colour
// squares c0..c7 with the check box "sichtbar", and the editor's own signal, WorkSignal,
// which the caller fills before showing the dialog and takes back after OK.
class SignalEditorDialog : public FixedDialog, public SignalEditor {
    Q_OBJECT
public:
    SignalEditorDialog(QWidget* mainWindow, const QString& objectName, QSize clientSize);

    // --- SignalEditor ---
    QDialog& Dialog() override { return *this; }
    void SetSignalName(const QString& name) override;
    QString SignalName() const override;
    tSignal& WorkSignal() override { return work_; }

protected:
    // The outline of square `index` becomes 3 pixels wide, the others' 1 pixel; the
    // WorkSignal's colour is not touched.
    void ShowColourChoice(int index);

    QLineEdit* NameEdit() const { return nameEdit_; }
    QCheckBox* VisBox() const { return visBox_; }

    // Group "Bezeichnung" with the name field, at `bounds` in the dialog.
    void AddNameGroup(const QRect& bounds);
    // Group "Farbe": the eight 17 x 17 squares in a row and "sichtbar" under them. A press
    // of any mouse button on square i makes i the WorkSignal's colour.
    void AddColourGroup(const QRect& bounds);
    // OK is taken only with a name the window accepts (see SignalEditor).
    bool NameIsAccepted();

private:
    void PaintSquare(QPainter& p, int index) const;

    QLineEdit* nameEdit_ = nullptr;
    QCheckBox* visBox_ = nullptr;
    std::array<PaintBox*, 8> colourSquares_{}; // c0 .. c7
    tSignal work_;
    int shownColour_ = 0;
};
