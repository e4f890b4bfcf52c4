// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/SpectrumPainter.h"

#include "display/ColourScheme.h"
#include "ui/PaintSupport.h"

#include <QPainter>
#include <QString>

void PaintSpectrum(QPainter& p, SpectrumView view, const AppSettings& settings,
                   const tSignal* signal, int scroll, int selectedColumn) {
    // Bars beyond the scale run to the edge of the box and are cut there.
    const QRect box = BeginViewPainting(p, SpectrumBoxWidth, SpectrumBoxHeight);

    const ColourScheme scheme = SchemeFor(settings.banz);
    const QColor text = Resolve(scheme.text);
    const QPen gridPen(Resolve(scheme.grid), 0);
    p.fillRect(box, Resolve(scheme.background));
    p.setFont(ViewFont());

    for (const SpectrumGridLine& line : SpectrumHorizontalGrid(view)) {
        p.setPen(gridPen);
        p.drawLine(line.xFrom, line.y, line.xTo - 1, line.y);
        p.setPen(text);
        DrawTextRightAligned(p, line.labelRight, line.labelTop, QString::fromStdString(line.label));
    }
    p.setPen(gridPen);
    for (const SpectrumVerticalLine& line : SpectrumVerticalGrid(view)) {
        // Drawn from the lowest grid row up to, not including, the highest.
        const int end = line.yTo < line.yFrom ? line.yTo + 1 : line.yTo - 1;
        p.drawLine(line.x, line.yFrom, line.x, end);
    }

    p.setPen(text);
    for (const SpectrumAxisLabel& label : SpectrumAxisLabels(settings.sanz, scroll, settings.freq))
        DrawTextCentred(p, label.centreX, label.top, QString::fromStdString(label.text));

    if (signal) {
        for (const SpectrumBar& bar :
             SpectrumBars(view, *signal, settings.mode, scroll, selectedColumn))
            p.fillRect(QRect(QPoint(bar.left, bar.top), QPoint(bar.right, bar.bottom - 1))
                           .intersected(box),
                       ToQColor(bar.colour));
    }
    p.restore();
}
