// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a modal dialog stands when it is shown: its client area centred over the main
// window's frame, the halvings truncating towards zero.
QPoint CentredDialogPosition(const QRect& mainFrame, const QSize& dialogClient);
