// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display/CurveCache.h"

#include <QImage>
#include <QObject>
#include <functional>

class PaintBox;
class Project;
class QToolButton;
class QWidget;
class Settings;

// The line diagram in its group box and its four zoom buttons, placed in the main window's
// client area: every visible signal over the zoomed window, the selected one on top. Curve
// samples are cached until a signal's series or the zoom changes. The zoom levels are the
// window's to change: the buttons only say they were pressed.
class LineDiagramView : public QObject {
    Q_OBJECT
public:
    LineDiagramView(QWidget* client, const Project& project, const Settings& settings,
                    std::function<int()> selectedIndex);

    // Requests a repaint of the whole diagram.
    void Redraw();
    // Zoom buttons enabled while their level can still move.
    void UpdateZoomButtons();

signals:
    void PlusBtnClicked();      // fewer periods
    void MinusBtnClicked();     // more periods
    void RangeUpBtnClicked();   // a smaller amplitude range
    void RangeDownBtnClicked(); // a larger amplitude range

private:
    const Project& project_;
    const Settings& settings_;
    std::function<int()> selectedIndex_;
    PaintBox* diagbox_;
    QToolButton *plusBtn_, *minusBtn_, *rangeUpBtn_, *rangeDownBtn_;
    CurveCache curves_;
    QImage canvas_; // the diagram is composed here and copied in one piece
};
