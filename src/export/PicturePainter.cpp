// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/PicturePainter.h"

#include "ui/PaintSupport.h"
#include "ui/Translatable.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QString>

namespace {

// One-unit strokes leave out their end point; wider ones have round ends and corners.
QPen StrokePen(Rgb colour, int width) {
    QPen pen(ToQColor(colour), width);
    if (width > 1) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    }
    return pen;
}

struct ItemPainter {
    QPainter& p;

    void operator()(const PictureLine& line) const {
        p.setPen(StrokePen(line.colour, line.width));
        p.drawLine(line.from.x, line.from.y, line.to.x, line.to.y);
    }

    void operator()(const PictureRect& rect) const {
        if (rect.right <= rect.left || rect.bottom <= rect.top) return;
        p.fillRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   ToQColor(rect.colour));
    }

    void operator()(const PicturePolyline& line) const {
        QPolygon polygon;
        polygon.reserve(static_cast<qsizetype>(line.points.size()));
        for (const PicturePoint& point : line.points) polygon.append(QPoint(point.x, point.y));
        p.setPen(StrokePen(line.colour, line.width));
        p.drawPolyline(polygon);
    }

    void operator()(const PictureText& text) const {
        const QString s =
            QString::fromUtf8(text.text.data(), static_cast<qsizetype>(text.text.size()));
        p.setFont(PictureFont(text.points));
        p.setPen(ToQColor(text.colour));
        const QFontMetrics m(p.font(), p.device());
        int x = text.x;
        if (text.align == TextAlign::Centre)
            x -= m.horizontalAdvance(s) / 2;
        else if (text.align == TextAlign::Right)
            x -= m.horizontalAdvance(s);
        p.drawText(x, text.y + m.ascent(), s);
    }
};

} // namespace

QFont PictureFont(int points) {
    return PixelFont(QStringLiteral("Arial"), FontHeightUnits(points));
}

void PaintPicture(QPainter& p, const Picture& picture) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setBackgroundMode(Qt::TransparentMode);
    const ItemPainter painter{p};
    for (const PictureItem& item : picture.items) std::visit(painter, item);
    p.restore();
}

PictureLanguage ShownPictureLanguage() {
    PictureLanguage language;
    if (CurrentLanguage() != German)
        language.translate = [](const char* german) { return Translated(german).toStdString(); };
    language.decimalPoint = ShownDecimalPoint();
    return language;
}
