#include "app/DialogPlacement.h"

#include <QDialog>

QPoint CentredDialogPosition(const QRect& mainFrame, const QSize& dialogClient) {
    return {mainFrame.left() + (mainFrame.width() - dialogClient.width()) / 2,
            mainFrame.top() + (mainFrame.height() - dialogClient.height()) / 2};
}

void CentreOverMainWindow(QDialog& dialog) {
    if (const QWidget* main = dialog.parentWidget())
        dialog.move(CentredDialogPosition(main->window()->frameGeometry(), dialog.size()));
}
