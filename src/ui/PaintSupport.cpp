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

namespace {

// Text whose box starts at `left`, `top`. Through a scaled painter the glyphs come from the
// font at the larger size, whose ascent is not exactly the scaled one: the text and its
// opaque background are kept inside the rows the box has at 100 %, so that a label never
// covers a grid line it leaves free at 100 %.
void DrawTextAt(QPainter& p, const QFontMetrics& m, int left, int top, const QString& text) {
    if (!p.deviceTransform().isScaling()) {
        p.drawText(left, top + m.ascent(), text);
        return;
    }
    p.save();
    p.setClipRect(QRect(left - 1, top, m.horizontalAdvance(text) + 2, m.height() + 1),
                  Qt::IntersectClip);
    p.drawText(left, top + m.ascent(), text);
    p.restore();
}

} // namespace

void DrawTextRightAligned(QPainter& p, int x, int top, const QString& text) {
    const QFontMetrics m(p.font());
    DrawTextAt(p, m, RightAlignedLeft(x, m.horizontalAdvance(text)), top, text);
}

void DrawTextCentred(QPainter& p, int x, int top, const QString& text) {
    const QFontMetrics m(p.font());
    DrawTextAt(p, m, x - m.horizontalAdvance(text) / 2, top, text);
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
