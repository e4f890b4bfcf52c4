// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formula/FormulaSeries.h"
#include "ui/SignalEditorDialog.h"

class QButtonGroup;
class QLineEdit;
class QSpinBox;
class HelpSystem;

// The editor of formula signals: the three constants k, l, m, which harmonics are summed,
// the highest one, and the formulas for a0, an and bn. OK evaluates them into the series;
// a formula that fails keeps the dialog open with its field active.
class TSignalFormulaDlg : public SignalEditorDialog {
    Q_OBJECT
public:
    TSignalFormulaDlg(QWidget* mainWindow, HelpSystem& help);

    // Evaluates the formulas of `signal` into its series: 0 when that worked. Otherwise 1:
    // the message has been shown, and the field of the failing text is the dialog's active
    // control, now or, while the dialog is hidden, when it is shown next. Signals other than
    // WorkSignal may be given, as when a project is loaded.
    int GenerateFromFormulas(tSignal& signal);
    // Shows a failed generation's message and makes the field of the failing text the
    // active control (at the next showing while the dialog is hidden).
    void ReportFailure(const FormulaError& error);

protected:
    void FormActivate() override;
    bool OKBtnClick() override;
    void HelpBtnClick() override;

private:
    void CreateConstantsGroup(const QRect& bounds);
    void CreateSeriesGroups(const QRect& seriesBounds, const QRect& maxBounds);
    void CreateFormulasGroup(const QRect& bounds);
    QLineEdit* AddFormulaEdit(QWidget* group, const char* name, const QRect& bounds);
    QLineEdit* EditOf(FormulaField field) const;
    // The checked item of ngrp, -1 for none; an index outside 0..2 checks none.
    int SeriesIndex() const;
    void SetSeriesIndex(int index);

    QLineEdit* kkEdit_ = nullptr;
    QLineEdit* klEdit_ = nullptr;
    QLineEdit* kmEdit_ = nullptr;
    QButtonGroup* seriesButtons_ = nullptr; // the items of ngrp
    QSpinBox* maxEdit_ = nullptr;
    QLineEdit* a0Edit_ = nullptr;
    QLineEdit* anEdit_ = nullptr;
    QLineEdit* bnEdit_ = nullptr;
    HelpSystem& help_;
    // The field a generation failed in while the dialog was hidden; it takes the focus
    // at the next showing.
    QLineEdit* failedField_ = nullptr;
};
