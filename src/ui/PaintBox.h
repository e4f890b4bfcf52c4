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
// positions arrive in the unit under the pointer.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    PaintBox(QWidget* parent, const QString& name, const QRect& bounds);

    std::function<void(QPainter&)> OnPaint;
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseUp;

    // Repaints the part of the box that `area` (in units of 100 %) covers.
    void UpdateArea(const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Deliver(const std::function<void(QMouseEvent*)>& handler, QMouseEvent* event);
};
