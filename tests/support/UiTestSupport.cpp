// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/UiTestSupport.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

void NoSuchChild(const QObject& parent, const QString& objectName, qsizetype found) {
    const std::string what = (found == 0 ? std::string("no") : std::to_string(found)) +
                             " controls named " + objectName.toStdString() + " in " +
                             parent.objectName().toStdString();
    ADD_FAILURE() << what;
    throw std::logic_error(what);
}

Watchdog::Watchdog(int seconds) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [seconds] {
        ADD_FAILURE() << "watchdog: the test was still running after " << seconds << " s";
        for (int i = 0; i < 20 && QApplication::activeModalWidget(); ++i)
            QApplication::activeModalWidget()->close();
    });
    timer_.start(seconds * 1000);
}

Watchdog::~Watchdog() {
    timer_.stop();
}

QImage RenderToImage(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

int TextPixelCount(const QString& text, const QFont& font) {
    QImage image(200, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, 200, 40), Qt::AlignLeft | Qt::AlignTop, text);
    p.end();
    return PixelCount(image, image.rect(), Qt::black);
}

int PixelCount(const QImage& image, const QRect& area, const QColor& colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}
