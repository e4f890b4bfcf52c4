// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PaintBox.h"

#include "ui/CommandGuard.h"
#include "ui/ViewScale.h"

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
    const double scale = ViewScaleOf(this);
    if (scale != 1.0) p.scale(scale, scale);
    if (OnPaint) OnPaint(p);
}

void PaintBox::UpdateArea(const QRect& area) {
    const double scale = ViewScaleOf(this);
    // One pixel more on each side: rounding must not leave a sliver unpainted.
    update(scale == 1.0 ? area : ScaledRect(area, scale).adjusted(-1, -1, 1, 1));
}

// The mouse handlers are the user's commands: they run guarded, here once for every box.
void PaintBox::Deliver(const std::function<void(QMouseEvent*)>& handler, QMouseEvent* event) {
    if (!handler) return;
    const double scale = ViewScaleOf(this);
    if (scale == 1.0) {
        RunCommand([&] { handler(event); });
        return;
    }
    QMouseEvent unscaled(event->type(), UnscaledPosition(event->position(), scale),
                         event->scenePosition(), event->globalPosition(), event->button(),
                         event->buttons(), event->modifiers(), event->pointingDevice());
    RunCommand([&] { handler(&unscaled); });
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
    Deliver(OnMouseDown, event);
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
    Deliver(OnMouseMove, event);
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
    Deliver(OnMouseUp, event);
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
