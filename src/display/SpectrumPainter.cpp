// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/SpectrumPainter.h"

#include "display/ColourScheme.h"
#include "ui/PaintSupport.h"
#include "ui/Translatable.h"

#include <QPainter>
#include <QString>

void PaintSpectrum(QPainter& p, SpectrumView view, const AppSettings& settings,
                   const tSignal* signal, int scroll, int selectedColumn) {
    // Bars beyond the scale run to the edge of the box and are cut there.
    const QRect box = BeginViewPainting(p, SpectrumBoxWidth, SpectrumBoxHeight);

    const ColourScheme scheme = SchemeFor(settings.banz);
    const QColor text = Resolve(scheme.text);
    const QColor grid = Resolve(scheme.grid);
    p.fillRect(box, Resolve(scheme.background));
    p.setFont(ViewFont());

    for (const SpectrumGridLine& line : SpectrumHorizontalGrid(view)) {
        FillLine(p, line.xFrom, line.y, line.xTo - 1, line.y, grid);
        p.setPen(text);
        DrawTextRightAligned(p, line.labelRight, line.labelTop, QString::fromStdString(line.label));
    }
    for (const SpectrumVerticalLine& line : SpectrumVerticalGrid(view))
        // Drawn from the lowest grid row up to, not including, the highest.
        FillStroke(p, line.x, line.yFrom, line.x, line.yTo, grid);

    p.setPen(text);
    for (const SpectrumAxisLabel& label : SpectrumAxisLabels(settings.sanz, scroll, settings.freq))
        DrawTextCentred(p, label.centreX, label.top, ShownNumber(label.text));

    if (signal) {
        for (const SpectrumBar& bar :
             SpectrumBars(view, *signal, settings.mode, scroll, selectedColumn))
            p.fillRect(QRect(QPoint(bar.left, bar.top), QPoint(bar.right, bar.bottom - 1))
                           .intersected(box),
                       ToQColor(bar.colour));
    }
    p.restore();
}
