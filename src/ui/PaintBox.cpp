// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PaintBox.h"

#include "ui/CommandGuard.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PaintBox::PaintBox(QWidget* parent, const QString& name, const QRect& bounds) : QWidget(parent) {
    setObjectName(name);
    setGeometry(bounds);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    if (OnPaint) OnPaint(p);
}

// The mouse handlers are the user's commands: they run guarded, here once for every box.
void PaintBox::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown) RunCommand([&] { OnMouseDown(event); });
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove) RunCommand([&] { OnMouseMove(event); });
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (OnMouseUp) RunCommand([&] { OnMouseUp(event); });
}

void PaintBox::keyPressEvent(QKeyEvent* event) {
    bool used = false;
    if (OnKeyPress) RunCommand([&] { used = OnKeyPress(event); });
    if (!used) QWidget::keyPressEvent(event);
}

void PaintBox::focusInEvent(QFocusEvent* event) {
    update();
    if (OnFocusIn) RunCommand([&] { OnFocusIn(event->reason()); });
}

void PaintBox::focusOutEvent(QFocusEvent*) {
    update();
}

void PaintBox::DrawFocusFrame(QPainter& p) const {
    if (!hasFocus()) return;
    p.save();
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, width() - 1, height() - 1);
    p.restore();
}
