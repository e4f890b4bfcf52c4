// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/WaveformPainter.h"

#include "ui/PaintSupport.h"

#include <QPainter>
#include <QPolygon>

namespace {

const QColor MarkRed(255, 0, 0);

// A 5 x 5 disc: a black ring without its corner pixels round a 3 x 3 filling.
void DrawMark(QPainter& p, const WaveMark& m) {
    const int l = m.left;
    const int t = m.top;
    const int last = WaveMarkSize - 1;
    p.fillRect(l + 1, t + 1, last - 1, last - 1, m.selected ? QColor(Qt::white) : MarkRed);
    FillLine(p, l + 1, t, l + last - 1, t, Qt::black);
    FillLine(p, l + 1, t + last, l + last - 1, t + last, Qt::black);
    FillLine(p, l, t + 1, l, t + last - 1, Qt::black);
    FillLine(p, l + last, t + 1, l + last, t + last - 1, Qt::black);
}

} // namespace

void PaintWaveform(QPainter& p, const WavePicture& picture, const QColor& face) {
    const QRect box = BeginViewPainting(p, WaveBoxWidth, WaveBoxHeight);
    p.fillRect(box, face);
    p.setFont(ViewFont());
    for (const WaveLine& l : picture.grid) FillLine(p, l.x1, l.y1, l.x2, l.y2, ToQColor(GridGrey));
    p.setPen(Qt::black);
    for (const WaveLabel& l : picture.labels)
        DrawTextRightAligned(p, l.right, l.top, QString::fromStdString(l.text));
    QPolygon curve;
    for (const WavePoint& c : picture.curve) curve << QPoint(c.x, c.y);
    p.drawPolyline(curve);
    for (const WaveMark& m : picture.marks) DrawMark(p, m);
    p.restore();
}
