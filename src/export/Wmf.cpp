// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

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

// Qt's SVG generator writes no clipping (it drops a painter's clip rectangle), so the drawing
// is wrapped in a clip path of the frame: programs that take the document apart cut a curve
// beyond the amplitude range or an overhanging label there, as renderers and the PNG do.
QByteArray ClippedToFrame(QByteArray svg, int width, int height) {
    const QByteArray defsEnd = "</defs>";
    const qsizetype defs = svg.indexOf(defsEnd);
    const qsizetype end = svg.lastIndexOf("</svg>");
    if (defs < 0 || end < defs) return svg; // not the generator's layout: left as it is
    const QString frame = QStringLiteral("<clipPath id=\"frame\"><rect x=\"0\" y=\"0\" "
                                         "width=\"%1\" height=\"%2\"/></clipPath>\n")
                              .arg(width)
                              .arg(height);
    svg.insert(end, "</g>\n");
    svg.insert(defs + defsEnd.size(), "\n<g clip-path=\"url(#frame)\">");
    svg.insert(defs, frame.toUtf8());
    return svg;
}

} // namespace

void TWMF::SetSize(int width, int height) {
    width_ = width;
    height_ = height;
}

void TWMF::SetTitle(const QString& title, const QString& description) {
    title_ = title;
    description_ = description;
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
    // The generator writes both as they are, so a signal name such as "R&D" is escaped here.
    generator.setTitle(title_.toHtmlEscaped());
    generator.setDescription(description_.toHtmlEscaped());
    QPainter p(&generator);
    Replay(p);
    p.end();
    return ClippedToFrame(svg, width_, height_);
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
