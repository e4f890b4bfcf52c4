#include "export/Wmf.h"

#include "export/Clipboard.h"

#include <QBuffer>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>
#include <memory>

namespace {

// At 254 dots per inch one logical unit is 0.1 mm: 10000 units a metre.
constexpr int UnitsPerInch = 254;
constexpr int UnitsPerMetre = 10000;

} // namespace

void TWMF::SetSize(int width, int height) {
    width_ = width;
    height_ = height;
}

void TWMF::Record(Drawing drawing) {
    drawings_.push_back(std::move(drawing));
}

void TWMF::Replay(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    for (const Drawing& drawing : drawings_) drawing(p);
}

QByteArray TWMF::Svg() const {
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(width_, height_));
    generator.setViewBox(QRect(0, 0, width_, height_));
    generator.setResolution(UnitsPerInch);
    QPainter p(&generator);
    Replay(p);
    p.end();
    return svg;
}

QImage TWMF::Image() const {
    QImage image(width_, height_, QImage::Format_RGB32);
    image.setDotsPerMeterX(UnitsPerMetre);
    image.setDotsPerMeterY(UnitsPerMetre);
    image.fill(Qt::white);
    QPainter p(&image);
    Replay(p);
    p.end();
    return image;
}

QByteArray TWMF::Png() const {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Image().save(&buffer, "PNG");
    return png;
}

void TWMF::CopyToClipboard() const {
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("image/svg+xml"), Svg());
    data->setData(QStringLiteral("image/png"), Png());
    PutOnClipboard(std::move(data));
}
