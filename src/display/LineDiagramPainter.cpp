// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/LineDiagramPainter.h"

#include "display/ColourScheme.h"
#include "display/CurveCache.h"
#include "display/CurveRaster.h"
#include "display/DiagramCurves.h"
#include "display/LineDiagramGeometry.h"
#include "project/SignalList.h"
#include "settings/AppSettings.h"
#include "signal/Palette.h"
#include "signal/Synthesis.h"
#include "ui/PaintSupport.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <vector>

namespace {

// One-pixel straight lines that leave out their end point, as every view of the program
// draws them.
QPen StrokePen(const QColor& colour) {
    QPen pen(colour, 0);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void DrawLine(QPainter& p, const DiagramLine& line) {
    p.drawLine(line.x1, line.y1, line.x2, line.y2);
}

// Curves are set pixel by pixel straight into the image: thousands of short segments a
// redraw, which the painter's line drawing would make the slowest part of the diagram.
template <typename T>
void DrawCurve(QImage& canvas, const std::vector<T>& samples, float k, QRgb colour) {
    ForEachCurvePixel(CurvePoints(samples, k), canvas.width(), canvas.height(), [&](int x, int y) {
        reinterpret_cast<QRgb*>(canvas.scanLine(y))[x] = colour;
    });
}

void DrawGrid(QPainter& p, const AppSettings& settings, const ColourScheme& scheme) {
    const QPen gridPen = StrokePen(Resolve(scheme.grid));
    const QPen textPen(Resolve(scheme.text));
    for (const GridMark& mark :
         LineDiagramGrid(settings.dxr, settings.dyr, settings.lanz, settings.freq)) {
        p.setPen(gridPen);
        DrawLine(p, mark.line);
        if (!mark.label) continue;
        p.setPen(textPen);
        const QString text = LineDiagramLabel(mark.label->text);
        if (mark.label->anchor == LabelAnchor::Right)
            DrawTextRightAligned(p, mark.label->x, mark.label->top, text);
        else
            DrawTextCentred(p, mark.label->x, mark.label->top, text);
    }
}

// White on every background; like the grid lines it leaves out its end point.
void DrawConstantTerm(QImage& canvas, const tSignal& signal, float k) {
    const int y = DiagramRow(signal.Amplitude[0], k);
    if (y < 0 || y >= canvas.height()) return;
    auto* row = reinterpret_cast<QRgb*>(canvas.scanLine(y));
    std::fill(row + DiagramLeft, row + DiagramRight, qRgb(255, 255, 255));
}

void DrawCurves(QImage& canvas, const AppSettings& settings, const SignalList& signalList,
                int selectedIndex, CurveCache& cache) {
    const float angleStep = DiagramAngleStep(settings.dxr);
    const float k = DiagramRowScale(settings.dyr);
    std::vector<long double> harmonic(DiagramSampleCount);
    for (const DiagramCurve& curve : DiagramCurves(signalList, selectedIndex, settings.sh)) {
        const tSignal& signal = signalList.Signal(curve.signal);
        const int colour = PaletteIndex(signal.ColorIndex);
        switch (curve.role) {
        case CurveRole::OtherSignal:
            DrawCurve(canvas, cache.Samples(signal, angleStep, DiagramSampleCount), k,
                      ToQColor(SignalDimPalette[colour]).rgb());
            break;
        case CurveRole::ConstantTerm:
            DrawConstantTerm(canvas, signal, k);
            break;
        case CurveRole::Harmonic:
            HarmonicCurve(signal, curve.harmonic, angleStep, k, harmonic);
            DrawCurve(canvas, harmonic, k, ToQColor(GridGrey).rgb());
            break;
        case CurveRole::Selected:
            DrawCurve(canvas, cache.Samples(signal, angleStep, DiagramSampleCount), k,
                      ToQColor(SignalPalette[colour]).rgb());
            break;
        }
    }
}

} // namespace

QString LineDiagramLabel(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void PaintLineDiagram(QPainter& p, QImage& canvas, const AppSettings& settings,
                      const SignalList& signalList, int selectedIndex, CurveCache& cache) {
    if (canvas.size() != QSize(DiagramWidth, DiagramHeight))
        canvas = QImage(DiagramWidth, DiagramHeight, QImage::Format_RGB32);
    {
        QPainter cp(&canvas);
        const QRect box = BeginViewPainting(cp, DiagramWidth, DiagramHeight);
        const ColourScheme scheme = SchemeFor(settings.banz);
        const QColor background = Resolve(scheme.background);
        cp.fillRect(box, background);
        cp.setFont(ViewFont());
        // Labels hide the grid lines under them.
        cp.setBackgroundMode(Qt::OpaqueMode);
        cp.setBackground(background);
        DrawGrid(cp, settings, scheme);
        cp.restore();
    }
    DrawCurves(canvas, settings, signalList, selectedIndex, cache);
    // Whatever the device, nothing is drawn beyond the box.
    BeginViewPainting(p, DiagramWidth, DiagramHeight);
    p.drawImage(0, 0, canvas);
    p.restore();
    cache.Sweep();
}
