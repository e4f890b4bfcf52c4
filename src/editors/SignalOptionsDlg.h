// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/HarmonicsTableRules.h"
#include "ui/SignalEditorDialog.h"

class QLabel;
class QLineEdit;
class QToolButton;
class HelpSystem;
class HarmonicsGrid;
struct AppSettings;

// The editor of spectral-line signals: name, colour, visibility, and the constant term and
// harmonics 1..128 typed into a table in the representation of the display mode the caller
// hands over. The table is read into EditAmplitude/EditPhase; the WorkSignal receives them
// only on OK. A factor button scales all amplitudes at once.
class TSignalOptionsDlg : public SignalEditorDialog {
    Q_OBJECT
public:
    // fo for the frequency column is read from `settings` each time the table is filled.
    TSignalOptionsDlg(QWidget* mainWindow, const AppSettings& settings, HelpSystem& help);

    // --- SignalEditor: the display mode; the dialog never changes it ---
    void SetDisplayMode(int mode) override { mode_ = mode; }
    int DisplayMode() const override { return mode_; }

    // The amplitudes the table was read into last.
    const SeriesValues& EditAmplitude() const { return editAmplitude_; }

protected:
    void FormActivate() override;
    bool OKBtnClick() override;
    void HelpBtnClick() override;
    // Return in the factor field applies the factor instead of closing the dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The grid from EditAmplitude/EditPhase.
    void FillTable();
    // The grid into EditAmplitude/EditPhase (and visbox into the WorkSignal); on a refused
    // cell shows why, makes that cell current and returns false.
    bool ReadTable();
    void MultBtnClick();
    void AddHarmonicsGroup(const QRect& bounds);
    void AddSumCaption(QWidget* group, int top);
    void ShowCellFault(const CellFault& fault);

    HarmonicsGrid* hgrid_ = nullptr;
    QLineEdit* multEdit_ = nullptr;
    QToolButton* multBtn_ = nullptr;
    QLabel* l1_ = nullptr;
    QLabel* l2_ = nullptr;
    SeriesValues editAmplitude_{};
    SeriesValues editPhase_{};
    const AppSettings& settings_;
    HelpSystem& help_;
    int mode_ = 0;
};
