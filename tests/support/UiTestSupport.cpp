#include "support/UiTestSupport.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

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
