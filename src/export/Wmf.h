// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

// A picture for the clipboard: a drawing in logical units of 0.1 mm on a width x height
// frame (100 x 100 until set). It is handed over as an SVG document of the frame's physical
// size (1201 units: 120.1 mm) and as PNG pixels, one pixel per unit on white, both made from
// the same drawing and both cut off at the frame.
class TWMF {
public:
    using Drawing = std::function<void(QPainter&)>;

    void SetSize(int width, int height);
    // The SVG document's title and description.
    void SetTitle(const QString& title, const QString& description);

    // Adds a drawing step; it is run again for each form the picture is handed over in, so
    // whatever it refers to must live until then.
    void Record(Drawing drawing);

    QByteArray Svg() const;
    QImage Image() const;
    QByteArray Png() const;

    // Puts the SVG and the PNG on the clipboard; throws std::runtime_error when the clipboard
    // does not take them.
    void CopyToClipboard() const;

private:
    void Replay(QPainter& p) const;

    int width_ = 100;
    int height_ = 100;
    QString title_;
    QString description_;
    std::vector<Drawing> drawings_;
};
