// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/ColourScheme.h"
#include "display/SpectrumPainter.h"
#include "support/UiTestSupport.h"
#include "ui/PaintSupport.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor Magenta(255, 0, 255);

QImage Render(SpectrumView view, const AppSettings& settings, const tSignal* signal,
              int selectedColumn = -1, int scroll = 0, int height = SpectrumBoxHeight) {
    QImage image(SpectrumBoxWidth, height, QImage::Format_RGB32);
    image.fill(Magenta);
    QPainter p(&image);
    PaintSpectrum(p, view, settings, signal, scroll, selectedColumn);
    return image;
}

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

AppSettings WithBackground(int banz) {
    AppSettings s;
    s.banz = banz;
    return s;
}

TEST(SpectrumPainter, BackgroundAndGridPerScheme) {
    for (int banz : {0, 1, 2}) {
        SCOPED_TRACE(banz);
        const ColourScheme scheme = SchemeFor(banz);
        const QImage image = Render(SpectrumView::Angle, WithBackground(banz), nullptr);
        const QColor background = Resolve(scheme.background);
        EXPECT_EQ(At(image, 316, 45), background);
        EXPECT_EQ(At(image, 99, 62), background);
        // Grid rows of the angle view, between two columns.
        for (int row : {80, 61, 42, 23, 4}) EXPECT_EQ(At(image, 99, row), QColor(128, 128, 128));
        // The grid starts at x = 17 and its stroke ends before x = 313.
        EXPECT_EQ(At(image, 16, 42), background);
        EXPECT_EQ(At(image, 17, 42), QColor(128, 128, 128));
        EXPECT_EQ(At(image, 312, 42), QColor(128, 128, 128));
        EXPECT_EQ(At(image, 313, 42), background);
        // Vertical grid at the centre of column 8, from the bottom row up.
        EXPECT_EQ(At(image, 94, 50), QColor(128, 128, 128));
        EXPECT_EQ(At(image, 94, 81), background);
        // Something of the grid labels is drawn in the text colour left of the grid.
        EXPECT_GT(PixelCount(image, QRect(0, 0, 16, 91), Resolve(scheme.text)), 10);
    }
    const QImage magnitude = Render(SpectrumView::Magnitude, WithBackground(1), nullptr);
    EXPECT_EQ(At(magnitude, 17, 80), QColor(Qt::white));
    EXPECT_EQ(At(magnitude, 18, 80), QColor(128, 128, 128));
    EXPECT_EQ(At(magnitude, 99, 55), QColor(128, 128, 128));
}

TEST(SpectrumPainter, NegativeScaleLabelsAreReadableWhole) {
    // "-100" and "-180" are wider than the room left of their anchor at x = 15.
    const struct {
        SpectrumView view;
        const char* label;
        int top;
    } cases[] = {{SpectrumView::Cosine, "-100", 75},
                 {SpectrumView::Sine, "-100", 75},
                 {SpectrumView::Angle, "-180", 75}};
    for (const auto& c : cases) {
        const QImage image = Render(c.view, WithBackground(1), nullptr);
        EXPECT_EQ(PixelCount(image, {0, c.top, 20, 12}, Qt::black),
                  TextPixelCount(c.label, ViewFont()))
            << c.label;
    }
}

TEST(SpectrumPainter, AxisLabelsOnlyForKnownScales) {
    AppSettings settings = WithBackground(1);
    const QRect underFirstColumn(22, 81, 20, 10);
    for (int sanz : {0, 1, 5}) {
        settings.sanz = sanz;
        const QImage image = Render(SpectrumView::Magnitude, settings, nullptr);
        const int black = PixelCount(image, underFirstColumn, Qt::black);
        if (sanz == 5) {
            EXPECT_EQ(black, 0);
        } else {
            EXPECT_GT(black, 3) << sanz;
        }
    }
}

TEST(SpectrumPainter, BarsAndSelection) {
    tSignal s;
    s.Amplitude[0] = -20;
    s.Amplitude[3] = 100;
    const AppSettings settings = WithBackground(1);
    const QColor white(Qt::white);
    struct Case {
        int selected;
        QColor harmonic;
        QColor constant;
    };
    const Case cases[] = {
        {-1, QColor(0, 128, 0), QColor(0, 0, 128)},
        {3, QColor(0, 255, 0), QColor(0, 0, 128)},
        {0, QColor(0, 128, 0), QColor(0, 0, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        const QImage image = Render(SpectrumView::Magnitude, settings, &s, c.selected);
        // Column 3: x 47..51, rows 29..80.
        EXPECT_EQ(At(image, 47, 50), c.harmonic);
        EXPECT_EQ(At(image, 51, 29), c.harmonic);
        EXPECT_EQ(At(image, 51, 80), c.harmonic);
        EXPECT_EQ(At(image, 46, 50), white);
        EXPECT_EQ(At(image, 52, 50), white);
        EXPECT_EQ(At(image, 47, 28), white);
        // The negative constant term: |A0| = 20 up from the zero row, x 20..24.
        EXPECT_EQ(At(image, 20, 75), c.constant);
        EXPECT_EQ(At(image, 24, 70), c.constant);
        EXPECT_EQ(At(image, 24, 69), white);
    }
    // No signal: grid and labels only.
    const QImage empty = Render(SpectrumView::Magnitude, settings, nullptr);
    EXPECT_EQ(At(empty, 47, 50), white);
}

TEST(SpectrumPainter, BarsBeyondTheScaleAreCutAtTheBox) {
    tSignal s;
    s.Amplitude[0] = -1000;
    s.Amplitude[1] = 1000;
    AppSettings settings = WithBackground(1);
    settings.mode = 1;
    // Painted on a taller image, nothing may reach below the box.
    const QImage image = Render(SpectrumView::Cosine, settings, &s, -1, 0, 200);
    EXPECT_EQ(At(image, 22, 90), QColor(0, 0, 128));  // A0 down to the bottom edge
    EXPECT_EQ(At(image, 31, 0), QColor(0, 128, 128)); // harmonic 1 up to the top edge
    EXPECT_EQ(PixelCount(image, QRect(0, 91, SpectrumBoxWidth, 109), Magenta),
              SpectrumBoxWidth * 109);
}

} // namespace
