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
// without a held button arrives only when the owner turns on mouse tracking.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    PaintBox(QWidget* parent, const QString& name, const QRect& bounds);

    std::function<void(QPainter&)> OnPaint;
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
