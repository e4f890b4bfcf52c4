// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DialogPlacement.h"

QPoint CentredDialogPosition(const QRect& mainFrame, const QSize& dialogClient) {
    return {mainFrame.left() + (mainFrame.width() - dialogClient.width()) / 2,
            mainFrame.top() + (mainFrame.height() - dialogClient.height()) / 2};
}
