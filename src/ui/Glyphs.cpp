// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Glyphs.h"

#include "ui/ViewScale.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>

namespace {

const QColor LightGrey(192, 192, 192);

void PaintBarSpectrum(QPainter& p, int x0, int y0, bool grey) {
    const int heights[] = {11, 6, 9, 4, 7, 3};
    p.fillRect(x0 + 1, y0 + 13, 13, 1, grey ? LightGrey : Qt::black);
    for (int i = 0; i < 6; ++i)
        p.fillRect(x0 + 2 + 2 * i, y0 + 13 - heights[i], 1, heights[i],
                   grey ? LightGrey : QColor(0, 128, 0));
}

void PaintPolyline(QPainter& p, int x0, int y0, bool grey) {
    const QPoint pts[] = {{1, 10}, {4, 3}, {7, 8}, {10, 5}, {13, 11}};
    p.setPen(grey ? LightGrey : QColor(0, 0, 128));
    for (int i = 0; i + 1 < 5; ++i)
        p.drawLine(pts[i] + QPoint(x0, y0), pts[i + 1] + QPoint(x0, y0));
    for (const QPoint& pt : pts)
        p.fillRect(x0 + pt.x() - 1, y0 + pt.y() - 1, 3, 3, grey ? LightGrey : Qt::red);
}

void PaintSumSign(QPainter& p, int x0, int y0, bool grey) {
    p.setPen(grey ? LightGrey : Qt::black);
    const QPoint pts[] = {{11, 3}, {3, 3}, {8, 7}, {3, 12}, {11, 12}};
    for (int i = 0; i + 1 < 5; ++i)
        p.drawLine(pts[i] + QPoint(x0, y0), pts[i + 1] + QPoint(x0, y0));
}

// One 17 x 17 glyph: an arrow (up, down or none) above a number text.
void PaintStepCell(QPainter& p, int x0, int y0, int arrow, const QString& text, QColor colour) {
    p.setPen(colour);
    p.setBrush(colour);
    if (arrow != 0) {
        const int tip = arrow > 0 ? 1 : 6;
        const int base = arrow > 0 ? 5 : 2;
        p.drawPolygon(QPolygon(
            {QPoint(x0 + 8, y0 + tip), QPoint(x0 + 4, y0 + base), QPoint(x0 + 12, y0 + base)}));
    }
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(arrow != 0 ? 8 : 12);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    const QRect box = arrow != 0 ? QRect(x0, y0 + 7, 17, 10) : QRect(x0, y0, 17, 17);
    p.drawText(box, Qt::AlignCenter, text);
}

// A transparent strip of width x height units at `scale`, with as many pixels as the screen
// shows there; a painter on it draws in units.
QPixmap ScaledStrip(int width, int height, double scale) {
    const double factor = DrawingFactor(scale);
    QPixmap strip(ScaledEdge(width, factor), ScaledEdge(height, factor));
    strip.setDevicePixelRatio(factor);
    strip.fill(Qt::transparent);
    return strip;
}

} // namespace

QPixmap PaintListIcons(double scale) {
    QPixmap strip = ScaledStrip(3 * ListIconSize, 2 * ListIconSize, scale);
    QPainter p(&strip);
    for (int row = 0; row < 2; ++row) {
        const bool grey = row == 1;
        const int y0 = row * ListIconSize;
        PaintBarSpectrum(p, 0, y0, grey);
        PaintPolyline(p, ListIconSize, y0, grey);
        PaintSumSign(p, 2 * ListIconSize, y0, grey);
    }
    return strip;
}

QPixmap PaintStepGlyphs(double scale) {
    QPixmap strip = ScaledStrip(68, 119, scale);
    QPainter p(&strip);
    struct Cell {
        int arrow;
        const char* text;
    };
    const Cell columns[2][7] = {
        {{1, "100"}, {1, "10"}, {1, "1"}, {0, "0"}, {-1, "1"}, {-1, "10"}, {-1, "100"}},
        {{1, "45"}, {1, "5"}, {0, ""}, {0, ""}, {0, ""}, {-1, "5"}, {-1, "45"}}};
    for (int c = 0; c < 2; ++c) {
        for (int r = 0; r < 7; ++r) {
            const Cell& cell = columns[c][r];
            const QString text = QString::fromLatin1(cell.text);
            if (cell.arrow == 0 && text.isEmpty()) continue;
            PaintStepCell(p, 34 * c, 17 * r, cell.arrow, text, Qt::black);
            PaintStepCell(p, 34 * c + 17, 17 * r, cell.arrow, text, QColor(128, 128, 128));
        }
    }
    return strip;
}

QIcon StepGlyphIcon(const QPixmap& strip, int number) {
    const int c = number / 7, r = number % 7;
    // The strip's pixels per unit: a cell is cut at the strip's resolution and shows at the
    // view's size, in the screen's own pixels.
    const double factor = strip.devicePixelRatio();
    auto cell = [&](int x) {
        QPixmap pixmap = strip.copy(ScaledRect(QRect(x, 17 * r, 17, 17), factor));
        pixmap.setDevicePixelRatio(DrawingFactor(1.0));
        return pixmap;
    };
    QIcon icon;
    icon.addPixmap(cell(34 * c), QIcon::Normal);
    icon.addPixmap(cell(34 * c + 17), QIcon::Disabled);
    return icon;
}
