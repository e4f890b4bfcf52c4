// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/WaveformEditing.h"
#include "ui/SignalEditorDialog.h"

#include <vector>

class HelpSystem;
class PaintBox;
class QButtonGroup;
class QLabel;
class QKeyEvent;
class QMouseEvent;

// The editor of waveform signals: name, colour, visibility, the number of support points
// and the curve itself, drawn with the mouse in `box`. OK writes the drawing into the
// WorkSignal and analyses it into the signal's series.
class TSignalAnalyDlg : public SignalEditorDialog {
    Q_OBJECT
public:
    TSignalAnalyDlg(QWidget* mainWindow, HelpSystem& help);

    // The drawing as it stands, for tests.
    const WaveformEditing& Editing() const { return editing_; }

protected:
    void FormActivate() override;
    bool OKBtnClick() override;
    void HelpBtnClick() override;

private:
    void CreateCurveGroup();
    void CreatePointsGroup();
    void PtsgrpClick(int index);
    void boxMouseDown(QMouseEvent* event);
    void boxMouseMove(QMouseEvent* event);
    void boxMouseUp();
    // Left/Right choose a point, Up/Down change its value by 1 (with Shift by 10).
    bool boxKeyPress(QKeyEvent* event);
    void ShowChosenPoint();
    void UndoStroke();
    void RedoStroke();
    // Repaints the bands of these points; a full repaint when the whole curve changed.
    void RedrawPoints(const std::vector<int>& points);
    void DrawCurve();

    PaintBox* box_ = nullptr;
    QButtonGroup* ptsButtons_ = nullptr; // item index = points index
    QLabel* koords_ = nullptr;
    WaveformEditing editing_;
    HelpSystem& help_;
};
