// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PaintSupport.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

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

QRect BeginViewPainting(QPainter& p, int width, int height) {
    p.save();
    const QRect box(0, 0, width, height);
    p.setClipRect(box);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    return box;
}
