#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QDialog;

// Where a modal dialog stands when it is shown: its client area centred over the main
// window's frame, the halvings truncating towards zero.
QPoint CentredDialogPosition(const QRect& mainFrame, const QSize& dialogClient);

// Moves `dialog` to that place over the window of its parent.
void CentreOverMainWindow(QDialog& dialog);
