#pragma once

#include <QDialog>

// Program name and terms of use; shown at start, on "Info" and when the program closes.
class TInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit TInfoDlg(QWidget* parent);

    // Places the dialog over the client area of the main window.
    void PlaceOver(const QRect& mainFrame, int mainClientHeight);
};

// Left and top of the info dialog for a main window frame, its client height and the
// dialog's frame size.
QPoint InfoDialogPosition(const QRect& mainFrame, int mainClientHeight, const QSize& dialogFrame);
