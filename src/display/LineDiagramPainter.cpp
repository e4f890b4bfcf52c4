#include "display/LineDiagramPainter.h"

#include "display/ColourScheme.h"
#include "display/CurveCache.h"
#include "display/LineDiagramGeometry.h"
#include "display/PaintSupport.h"
#include "settings/AppSettings.h"
#include "signal/Palette.h"
#include "signal/SignalList.h"
#include "signal/Synthesis.h"

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

// One-pixel curves; they end on their last sample point (see DrawCurve).
QPen CurvePen(const QColor& colour) {
    QPen pen(colour, 0);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

void DrawLine(QPainter& p, const DiagramLine& line) {
    p.drawLine(line.x1, line.y1, line.x2, line.y2);
}

template <typename T> void DrawCurve(QPainter& p, const std::vector<T>& samples, float k) {
    const std::vector<DiagramPoint> points = CurvePoints(samples, k);
    QPolygon polygon(static_cast<int>(points.size()));
    for (int i = 0; i < polygon.size(); ++i) polygon.setPoint(i, points[i].x, points[i].y);
    p.drawPolyline(polygon);
    // Where a level segment meets a steep one, the rasteriser leaves out the pixel of the
    // point they share, so a curve could miss its own sample; the points make sure it runs
    // through every one of them.
    p.drawPoints(polygon);
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

void DrawCurves(QPainter& p, const AppSettings& settings, const SignalList& signalList,
                int selectedIndex, CurveCache& cache) {
    const float angleStep = DiagramAngleStep(settings.dxr);
    const float k = DiagramRowScale(settings.dyr);

    for (int i = 0; i < signalList.Count(); ++i) {
        const tSignal& signal = signalList.Signal(i);
        if (i == selectedIndex || !signal.Visible) continue;
        p.setPen(CurvePen(ToQColor(SignalDimPalette[PaletteIndex(signal.ColorIndex)])));
        DrawCurve(p, cache.Samples(signal, angleStep, DiagramSampleCount), k);
    }

    const tSignal& selected = signalList.Signal(selectedIndex);
    if (settings.sh[0]) {
        p.setPen(StrokePen(QColor(255, 255, 255)));
        const int y = DiagramRow(selected.Amplitude[0], k);
        p.drawLine(DiagramLeft, y, DiagramRight, y);
    }

    p.setPen(CurvePen(ToQColor(GridGrey)));
    std::vector<long double> harmonic(DiagramSampleCount);
    for (int n = 1; n < HarmonicCount; ++n) {
        if (!settings.sh[n]) continue;
        for (int x = 0; x < DiagramSampleCount; ++x)
            harmonic[x] = HarmonicValue(selected, n, x, angleStep);
        DrawCurve(p, harmonic, k);
    }

    // Whether or not it is marked visible, and on top of everything else.
    p.setPen(CurvePen(ToQColor(SignalPalette[PaletteIndex(selected.ColorIndex)])));
    DrawCurve(p, cache.Samples(selected, angleStep, DiagramSampleCount), k);
}

} // namespace

QString LineDiagramLabel(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void PaintLineDiagram(QPainter& p, const AppSettings& settings, const SignalList& signalList,
                      int selectedIndex, CurveCache& cache) {
    // Curves beyond the range run to the edges of the box and are cut there.
    const QRect box = BeginViewPainting(p, DiagramWidth, DiagramHeight);

    const ColourScheme scheme = SchemeFor(settings.banz);
    const QColor background = Resolve(scheme.background);
    p.fillRect(box, background);
    p.setFont(ViewFont());
    // Labels hide the grid lines under them.
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(background);
    DrawGrid(p, settings, scheme);
    p.setBackgroundMode(Qt::TransparentMode);

    if (signalList.IsValidIndex(selectedIndex))
        DrawCurves(p, settings, signalList, selectedIndex, cache);
    p.restore();
    cache.Sweep();
}
