// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/FixedDialog.h"

// Program name and terms of use; shown at start, on "Info" and when the program closes.
class InfoDlg : public FixedDialog {
    Q_OBJECT
public:
    explicit InfoDlg(QWidget* mainWindow);

protected:
    // Over the main window's client area, by the dialog's frame.
    QPoint Placement(const QRect& mainFrame, int mainClientHeight) const override;
};

// Left and top of the info dialog for a main window frame, its client height and the
// dialog's frame size.
QPoint InfoDialogPosition(const QRect& mainFrame, int mainClientHeight, const QSize& dialogFrame);
