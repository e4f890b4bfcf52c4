// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Palette.h"

#include <QColor>
#include <QWidget>
#include <functional>

class QPainter;

// The Qt colour of one of the program's colour values.
inline QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// A plain drawing surface whose owner paints it and handles its mouse events. Movement
// without a held button arrives only when the owner turns on mouse tracking. The owner
// works in units of 100 % whatever the view scale: the painter comes scaled, and mouse
// positions arrive in the unit under the pointer. A box that takes the focus (its owner sets a
// focus policy) repaints when it gains or loses it, so that its owner can show it, and hands
// its keys to OnKeyPress.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    PaintBox(QWidget* parent, const QString& name, const QRect& bounds);

    std::function<void(QPainter&)> OnPaint;
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseUp;
    // Returns whether the key was used; unused keys go on to the parent.
    std::function<bool(QKeyEvent*)> OnKeyPress;
    std::function<void(Qt::FocusReason)> OnFocusIn;

    // Draws a dotted frame in the highlight colour inside the box's edge while it has the
    // focus; a box without the focus stays as painted.
    void DrawFocusFrame(QPainter& p) const;

    // Repaints the part of the box that `area` (in units of 100 %) covers.
    void UpdateArea(const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Deliver(const std::function<void(QMouseEvent*)>& handler, QMouseEvent* event);
};
