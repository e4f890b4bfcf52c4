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
#include "ui/Translatable.h"
#include "ui/ViewScale.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <vector>

namespace {

// One-pixel straight lines that leave out their end point, as every view of the program
// draws them.
void DrawLine(QPainter& p, const DiagramLine& line, const QColor& colour) {
    FillStroke(p, line.x1, line.y1, line.x2, line.y2, colour);
}

// The canvas holds the diagram at the device's resolution: `factor` pixels a unit of the
// diagram's geometry (the view scale times the screen's own factor). A pixel of the geometry
// is a block of them, so that every curve point lands where the geometry scaled puts it.
class Raster {
public:
    Raster(QImage& canvas, double factor) : canvas_(canvas), factor_(factor) {}

    void Set(int x, int y, QRgb colour) {
        if (factor_ == 1.0) {
            reinterpret_cast<QRgb*>(canvas_.scanLine(y))[x] = colour;
            return;
        }
        Fill(x, x + 1, y, colour);
    }
    // Pixels x0 .. x1 - 1 of row y.
    void Fill(int x0, int x1, int y, QRgb colour) {
        const int left = Edge(x0, canvas_.width()), right = Edge(x1, canvas_.width());
        for (int row = Edge(y, canvas_.height()); row < Edge(y + 1, canvas_.height()); ++row) {
            auto* line = reinterpret_cast<QRgb*>(canvas_.scanLine(row));
            std::fill(line + left, line + right, colour);
        }
    }

private:
    int Edge(int unit, int limit) const { return std::min(ScaledEdge(unit, factor_), limit); }

    QImage& canvas_;
    double factor_;
};

// Curves are set pixel by pixel straight into the image: thousands of short segments a
// redraw, which the painter's line drawing would make the slowest part of the diagram.
template <typename T>
void DrawCurve(Raster& canvas, const std::vector<T>& samples, float k, QRgb colour) {
    ForEachCurvePixel(CurvePoints(samples, k), DiagramWidth, DiagramHeight,
                      [&](int x, int y) { canvas.Set(x, y, colour); });
}

// The support points of a waveform signal joined by straight lines, behind its curve.
void DrawSupportPoints(QImage& canvas, const tSignal& signal, int dxr, float k, Rgb colour) {
    QPolygon line;
    for (const SupportVertex& v : SupportPointVertices(signal, dxr, DiagramColumns))
        line << QPoint(DiagramLeft + v.column, DiagramRow(v.value, k));
    QPainter p(&canvas);
    BeginViewPainting(p, DiagramWidth, DiagramHeight);
    p.setPen(QPen(ToQColor(colour), 1));
    p.drawPolyline(line);
    p.restore();
}

void DrawGrid(QPainter& p, const AppSettings& settings, const ColourScheme& scheme) {
    const QColor grid = Resolve(scheme.grid);
    const QPen textPen(Resolve(scheme.text));
    for (const GridMark& mark :
         LineDiagramGrid(settings.dxr, settings.dyr, settings.lanz, settings.freq)) {
        DrawLine(p, mark.line, grid);
        if (!mark.label) continue;
        p.setPen(textPen);
        const QString text = ShownNumber(mark.label->text);
        if (mark.label->anchor == LabelAnchor::Right)
            DrawTextRightAligned(p, mark.label->x, mark.label->top, text);
        else
            DrawTextCentred(p, mark.label->x, mark.label->top, text);
    }
}

// White on every background; like the grid lines it leaves out its end point.
void DrawConstantTerm(Raster& canvas, const tSignal& signal, float k) {
    const int y = DiagramRow(signal.Amplitude[0], k);
    if (y < 0 || y >= DiagramHeight) return;
    canvas.Fill(DiagramLeft, DiagramRight, y, qRgb(255, 255, 255));
}

void DrawCurves(QImage& image, double factor, const AppSettings& settings,
                const SignalList& signalList, int selectedIndex, CurveCache& cache) {
    const float angleStep = DiagramAngleStep(settings.dxr);
    const float k = DiagramRowScale(settings.dyr);
    Raster canvas(image, factor);
    std::vector<long double> harmonic(DiagramSampleCount);
    for (const DiagramCurve& curve :
         DiagramCurves(signalList, selectedIndex, settings.sh, settings.stuetz)) {
        const tSignal& signal = signalList.Signal(curve.signal);
        const int colour = PaletteIndex(signal.ColorIndex);
        switch (curve.role) {
        case CurveRole::SupportPoints:
            DrawSupportPoints(image, signal, settings.dxr, k,
                              SupportPointColour(signal, curve.signal == selectedIndex));
            break;
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

void PaintLineDiagram(QPainter& p, QImage& canvas, const AppSettings& settings,
                      const SignalList& signalList, int selectedIndex, CurveCache& cache) {
    // The painter comes scaled by the view, and its device may have pixels of its own.
    const double factor = p.worldTransform().m11() * p.device()->devicePixelRatioF();
    const QSize pixels(ScaledEdge(DiagramWidth, factor), ScaledEdge(DiagramHeight, factor));
    if (canvas.size() != pixels) canvas = QImage(pixels, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(factor);
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
    DrawCurves(canvas, factor, settings, signalList, selectedIndex, cache);
    // Whatever the device, nothing is drawn beyond the box.
    BeginViewPainting(p, DiagramWidth, DiagramHeight);
    p.drawImage(0, 0, canvas);
    p.restore();
    cache.Sweep();
}
