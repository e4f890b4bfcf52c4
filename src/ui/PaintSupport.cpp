// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PaintSupport.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <algorithm>

QColor Resolve(const SchemeColour& c) {
    if (c.buttonFace) return QApplication::palette().color(QPalette::Button);
    return ToQColor(c.rgb);
}

QFont PixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QFont ViewFont() {
    return PixelFont(QStringLiteral("Arial"), 9);
}

void DrawTextRightAligned(QPainter& p, int x, int top, const QString& text) {
    const QFontMetrics m(p.font());
    p.drawText(RightAlignedLeft(x, m.horizontalAdvance(text)), top + m.ascent(), text);
}

void DrawTextCentred(QPainter& p, int x, int top, const QString& text) {
    const QFontMetrics m(p.font());
    p.drawText(x - m.horizontalAdvance(text) / 2, top + m.ascent(), text);
}

void FillLine(QPainter& p, int x1, int y1, int x2, int y2, const QColor& colour) {
    p.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                     QPoint(std::max(x1, x2), std::max(y1, y2))),
               colour);
}

void FillStroke(QPainter& p, int x1, int y1, int x2, int y2, const QColor& colour) {
    if (x1 == x2 && y1 == y2) return;
    const int dx = (x2 > x1) - (x2 < x1), dy = (y2 > y1) - (y2 < y1);
    FillLine(p, x1, y1, x2 - dx, y2 - dy, colour);
}

QRect BeginViewPainting(QPainter& p, int width, int height) {
    p.save();
    const QRect box(0, 0, width, height);
    p.setClipRect(box);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    return box;
}
