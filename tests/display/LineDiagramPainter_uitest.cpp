// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/CurveCache.h"
#include "display/LineDiagramGeometry.h"
#include "display/LineDiagramPainter.h"
#include "project/SignalList.h"
#include "settings/AppSettings.h"
#include "signal/Palette.h"
#include "signal/Synthesis.h"
#include "support/UiTestSupport.h"
#include "ui/PaintSupport.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

const QRgb Grey = qRgb(128, 128, 128);
const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Magenta = qRgb(255, 0, 255);

QImage Paint(const AppSettings& settings, const SignalList& list, int selected, CurveCache& cache,
             QSize size = {DiagramWidth, DiagramHeight}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Magenta);
    QPainter p(&image);
    QImage canvas;
    PaintLineDiagram(p, canvas, settings, list, selected, cache);
    return image;
}

QImage Paint(const AppSettings& settings, const SignalList& list, int selected) {
    CurveCache cache;
    return Paint(settings, list, selected, cache);
}

QRgb Rgb32(Rgb c) {
    return ToQColor(c).rgb();
}

tSignal Constant(float a0, int colorIndex, bool visible = true) {
    tSignal s;
    s.Amplitude[0] = a0;
    s.ColorIndex = colorIndex;
    s.Visible = visible;
    return s;
}

TEST(LineDiagramPainter, BackgroundTextAndGridByTheBackgroundSetting) {
    const QRgb face = QApplication::palette().color(QPalette::Button).rgb();
    struct Case {
        int banz;
        QRgb background;
        QRgb text;
    };
    for (const Case& c : {Case{0, face, Black}, Case{1, White, Black}, Case{2, Black, face}}) {
        AppSettings settings;
        settings.banz = c.banz;
        const QImage image = Paint(settings, SignalList(), -1);
        EXPECT_EQ(PixelCount(image, image.rect(), Magenta), 0) << c.banz;
        EXPECT_EQ(image.pixel(587, 2), c.background) << c.banz;
        EXPECT_EQ(image.pixel(300, 93), Grey) << c.banz; // zero line
        EXPECT_EQ(image.pixel(300, DiagramRow(20, DiagramRowScale(2))), Grey) << c.banz;
        EXPECT_GT(PixelCount(image, QRect(10, 88, 11, 11), c.text), 0) << c.banz; // "0" ends at 20
        // Lines leave out their end points: the corner of the bottom and right-hand lines.
        EXPECT_EQ(image.pixel(584, 182), Grey);
        EXPECT_EQ(image.pixel(585, 181), Grey);
        EXPECT_EQ(image.pixel(585, 182), c.background);
    }
}

TEST(LineDiagramPainter, TheLowestLabelOfTheWidestRangeIsReadableWhole) {
    AppSettings settings;
    settings.banz = 1;
    settings.dyr = 6; // -2500 hangs from row 177, wider than the 20 pixels left of its anchor
    const QImage image = Paint(settings, SignalList(), -1);
    EXPECT_EQ(PixelCount(image, {0, 177, 25, 11}, Qt::black), TextPixelCount("-2500", ViewFont()));
}

TEST(LineDiagramPainter, AxisLabelsHideTheGridLineUnderThem) {
    AppSettings settings;
    settings.banz = 1;
    const QImage image = Paint(settings, SignalList(), -1);
    const int height = QFontMetrics(ViewFont()).height();
    const QRect underLabel(0, DiagramAxisLabelTop, 1, height);
    // x = 25 has no label, x = 60 carries "45°" centred on it.
    EXPECT_EQ(PixelCount(image, underLabel.translated(25, 0), Grey), height);
    EXPECT_EQ(PixelCount(image, underLabel.translated(60, 0), Grey), 0);
    EXPECT_EQ(image.pixel(60, DiagramAxisLabelTop + height + 2), Grey);
    EXPECT_GT(PixelCount(image, QRect(50, DiagramAxisLabelTop, 21, height), Black), 0);
}

TEST(LineDiagramPainter, SelectedBrightOthersDimHiddenOnesLeftOut) {
    AppSettings settings;
    settings.banz = 2;
    const float rows[] = {50, -50, 30, -30}; // none on a grid line
    SignalList list;
    list.Append("a", Constant(rows[0], 1));
    list.Append("b", Constant(rows[1], 2));
    list.Append("c", Constant(rows[2], 3, false));
    list.Append("d", Constant(rows[3], 4, false));
    struct Case {
        int selected;
        QRgb expected[4];
    };
    const Case cases[] = {
        {0, {Rgb32(SignalPalette[1]), Rgb32(SignalDimPalette[2]), Black, Black}},
        // A hidden selected signal is drawn all the same, in its bright colour.
        {3,
         {Rgb32(SignalDimPalette[1]), Rgb32(SignalDimPalette[2]), Black, Rgb32(SignalPalette[4])}},
    };
    for (const Case& c : cases) {
        const QImage image = Paint(settings, list, c.selected);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(image.pixel(300, DiagramRow(rows[i], DiagramRowScale(2))), c.expected[i])
                << "selected " << c.selected << ", line " << i;
    }
}

TEST(LineDiagramPainter, CurvesRunThroughEverySampleAndTheSelectedOneLast) {
    AppSettings settings;
    settings.banz = 2;
    tSignal s = Constant(-50, 1);
    s.Amplitude[1] = 55;
    s.Amplitude[2] = -30; // left out of the waveform, but drawn as a harmonic of its own
    s.Phase[2] = 45;
    s.Amplitude[9] = 12;
    SignalList list;
    list.Append("s", s);
    const QImage plain = Paint(settings, list, 0);
    settings.sh[0] = settings.sh[2] = true;
    const QImage with = Paint(settings, list, 0);

    const float step = DiagramAngleStep(settings.dxr);
    const float k = DiagramRowScale(settings.dyr);
    const int constantRow = DiagramRow(s.Amplitude[0], k);
    int white = 0, grey = 0, crossings = 0;
    for (int x = 0; x < DiagramSampleCount; ++x) {
        const int px = DiagramLeft + x;
        const int curveRow = DiagramRow(SignalValue(s, x, step), k);
        ASSERT_EQ(with.pixel(px, curveRow), Rgb32(SignalPalette[1])) << x;
        if (constantRow == curveRow)
            ++crossings;
        else
            white += with.pixel(px, constantRow) == White;
        const int harmonicRow = DiagramRow(HarmonicValue(s, 2, x, step), k);
        if (harmonicRow != curveRow)
            grey += with.pixel(px, harmonicRow) == Grey && plain.pixel(px, harmonicRow) != Grey;
    }
    EXPECT_GT(crossings, 0);
    EXPECT_GT(white, DiagramColumns - 20);
    EXPECT_GT(grey, DiagramColumns / 2);
    EXPECT_EQ(plain.pixel(300, constantRow), Black);
}

TEST(LineDiagramPainter, CurvesBeyondTheRangeAreCutAtTheBox) {
    AppSettings settings;
    settings.dyr = 0;
    tSignal s = Constant(0, 1);
    s.Amplitude[3] = 400; // sixteen times the range
    SignalList list;
    list.Append("s", s);
    CurveCache cache;
    const QImage image = Paint(settings, list, 0, cache, {DiagramWidth + 50, DiagramHeight + 50});
    EXPECT_EQ(PixelCount(image, QRect(0, DiagramHeight, image.width(), 50), Magenta),
              image.width() * 50);
    EXPECT_EQ(PixelCount(image, QRect(DiagramWidth, 0, 50, DiagramHeight), Magenta),
              50 * DiagramHeight);
    EXPECT_GT(PixelCount(image, QRect(0, 0, DiagramWidth, 1), Rgb32(SignalPalette[1])), 5);
}

TEST(LineDiagramPainter, CachedCurvesDrawTheSameAsFreshOnes) {
    AppSettings settings;
    settings.lanz = 1;
    settings.freq = 440.0f;
    settings.sh[0] = settings.sh[3] = true;
    SignalList list;
    for (int i = 0; i < 4; ++i) {
        tSignal s = Constant(5.0f * i, i + 1, i != 2);
        for (int n = 1; n <= 20; ++n) {
            s.Amplitude[n] = 90.0f / (n + i);
            s.Phase[n] = 17.0f * n * (i + 1);
        }
        list.Append("s" + std::to_string(i), s);
    }
    CurveCache cache;
    const QImage first = Paint(settings, list, 1, cache);
    EXPECT_EQ(cache.Size(), 3); // the hidden unselected signal needs no samples
    EXPECT_EQ(Paint(settings, list, 1, cache), first);
    EXPECT_EQ(Paint(settings, list, 1), first);

    // A changed signal and a changed zoom are drawn anew, not from stale samples.
    list.Signal(0).Amplitude[5] = 60.0f;
    settings.dxr = 3;
    EXPECT_EQ(Paint(settings, list, 1, cache), Paint(settings, list, 1));

    // Without a selection only the grid is drawn, and the cache forgets everything.
    EXPECT_EQ(Paint(settings, list, -1, cache), Paint(settings, SignalList(), 0));
    EXPECT_EQ(cache.Size(), 0);
}

} // namespace
