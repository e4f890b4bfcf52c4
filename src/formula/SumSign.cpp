// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/SumSign.h"

#include "ui/PaintBox.h"
#include "ui/PaintSupport.h"

#include <QPainter>

namespace {} // namespace

PaintBox* AddSumSign(QWidget* parent, const QString& name, const QRect& bounds) {
    auto* box = new PaintBox(parent, name, bounds);
    // The group's own background shows around the sign.
    box->setAttribute(Qt::WA_OpaquePaintEvent, false);
    box->OnPaint = [box](QPainter& p) {
        const QRect all = box->rect();
        p.setPen(box->palette().windowText().color());
        const QFont limits = ViewFont();
        const int limitHeight = QFontMetrics(limits).height();
        p.setFont(limits);
        p.drawText(QRect(0, 0, all.width(), limitHeight), Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("max"));
        p.drawText(QRect(0, all.height() - limitHeight, all.width(), limitHeight),
                   Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("n=1"));
        // The sigma fills the room between the limits, as in a printed formula.
        const int sigmaHeight = all.height() - 2 * limitHeight;
        p.setFont(PixelFont(QStringLiteral("Times New Roman"), sigmaHeight + sigmaHeight / 3));
        p.drawText(QRect(0, limitHeight, all.width(), sigmaHeight), Qt::AlignCenter,
                   QStringLiteral("Σ"));
    };
    return box;
}
