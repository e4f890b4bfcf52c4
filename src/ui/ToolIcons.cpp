// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ToolIcons.h"

#include "ui/ViewScale.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>
#include <cmath>

namespace {

void Sine(QPainter& p, int y0, int amp) {
    QPolygon wave;
    for (int x = 2; x <= 15; ++x)
        wave << QPoint(x, y0 - int(std::lround(amp * std::sin((x - 2) * 0.48))));
    p.drawPolyline(wave);
}

void Page(QPainter& p, int x, int y, int w, int h) {
    p.setBrush(Qt::white);
    p.drawRect(x, y, w, h);
    p.setBrush(Qt::NoBrush);
}

void Arrows(QPainter& p, bool horizontal, bool outward) {
    p.save();
    if (!horizontal) {
        p.translate(9, 9);
        p.rotate(90);
        p.translate(-9, -9);
    }
    p.drawLine(2, 9, 16, 9);
    const int l = outward ? 2 : 7, r = outward ? 16 : 11;
    const int dl = outward ? 3 : -3;
    p.drawLine(l, 9, l + dl, 6);
    p.drawLine(l, 9, l + dl, 12);
    p.drawLine(r, 9, r - dl, 6);
    p.drawLine(r, 9, r - dl, 12);
    p.restore();
}

void Paint(QPainter& p, ToolIcon which) {
    const QPen black(Qt::black), blue(QColor(0, 0, 160), 1), red(QColor(200, 0, 0), 2);
    p.setPen(black);
    switch (which) {
    case ToolIcon::NewProject:
        Page(p, 4, 2, 10, 14);
        break;
    case ToolIcon::OpenProject:
        p.setBrush(QColor(230, 200, 90));
        p.drawPolygon(QPolygon({QPoint(2, 5), QPoint(7, 5), QPoint(8, 7), QPoint(15, 7),
                                QPoint(15, 15), QPoint(2, 15)}));
        break;
    case ToolIcon::SaveProject:
        p.setBrush(QColor(60, 60, 160));
        p.drawRect(2, 2, 14, 14);
        p.setBrush(Qt::white);
        p.drawRect(5, 3, 8, 5);
        p.drawRect(5, 11, 8, 5);
        break;
    case ToolIcon::NewSignal:
        p.setPen(blue);
        Sine(p, 10, 4);
        p.setPen(QPen(QColor(0, 128, 0), 2));
        p.drawLine(13, 1, 13, 7);
        p.drawLine(10, 4, 16, 4);
        break;
    case ToolIcon::DeleteSignal:
        p.setPen(blue);
        Sine(p, 9, 4);
        p.setPen(red);
        p.drawLine(4, 3, 14, 15);
        p.drawLine(14, 3, 4, 15);
        break;
    case ToolIcon::EditSignal:
        p.setPen(blue);
        Sine(p, 12, 3);
        p.setPen(QPen(QColor(150, 90, 0), 2));
        p.drawLine(6, 9, 14, 1);
        break;
    case ToolIcon::CopySignal:
        Page(p, 2, 2, 9, 11);
        Page(p, 7, 5, 9, 11);
        break;
    case ToolIcon::PasteSignal:
        p.setBrush(QColor(190, 150, 90));
        p.drawRect(2, 3, 11, 13);
        Page(p, 8, 7, 8, 9);
        break;
    case ToolIcon::SpectrumMode:
        p.setPen(QColor(0, 128, 0));
        for (int i = 0; i < 5; ++i) p.drawLine(3 + 3 * i, 15, 3 + 3 * i, 15 - (i % 2 ? 5 : 11));
        break;
    case ToolIcon::Sound:
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({QPoint(2, 7), QPoint(5, 7), QPoint(9, 3), QPoint(9, 15),
                                QPoint(5, 11), QPoint(2, 11)}));
        p.setBrush(Qt::NoBrush);
        p.drawArc(8, 5, 6, 8, -60 * 16, 120 * 16);
        p.drawArc(8, 2, 9, 14, -60 * 16, 120 * 16);
        break;
    case ToolIcon::Options:
        p.drawLine(3, 5, 15, 5);
        p.drawLine(3, 13, 15, 13);
        p.setBrush(Qt::white);
        p.drawRect(5, 3, 3, 4);
        p.drawRect(10, 11, 3, 4);
        break;
    case ToolIcon::StretchTime:
        Arrows(p, true, true);
        break;
    case ToolIcon::SqueezeTime:
        Arrows(p, true, false);
        break;
    case ToolIcon::StretchAmplitude:
        Arrows(p, false, true);
        break;
    case ToolIcon::SqueezeAmplitude:
        Arrows(p, false, false);
        break;
    }
}

} // namespace

QIcon MakeToolIcon(ToolIcon which, double scale) {
    const double factor = DrawingFactor(scale);
    const int side = ScaledEdge(18, factor);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    if (factor != 1.0) p.scale(factor, factor);
    Paint(p, which);
    p.end();
    pixmap.setDevicePixelRatio(factor / scale);
    return QIcon(pixmap);
}
