// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/SpectraPicture.h"

#include "display/LineDiagramGeometry.h"
#include "display/SpectrumGeometry.h"
#include "settings/AppSettings.h"
#include "signal/NumberFormat.h"
#include "text/TranslatableText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int GridRight = 1175;
constexpr int GridLabelRight = 40;
constexpr int ColumnPitch = 35;
constexpr int FirstColumn = 50;
constexpr int GridColumns = 33;
constexpr int TitleLeft = 50;
constexpr long double NoLimit = std::numeric_limits<long double>::infinity();

struct Scale {
    int base;
    float k; // units per value; a float, its rounding places the rows
    std::vector<int> grid;
    int gridLeft;
    long double low, high; // bar values are limited to this span
};

const Scale& ScaleOf(SpectrumView kind) {
    // The grid values are the screen's.
    using enum SpectrumView;
    static const Scale magnitude{
        358, static_cast<float>(320.0L / 155), SpectrumGridValues(Magnitude), 48, -NoLimit, 155};
    static const Scale angle{
        603, static_cast<float>(32.0L / 37), SpectrumGridValues(Angle), 47, -NoLimit, NoLimit};
    static const Scale cosine{
        203, static_cast<float>(64.0L / 41), SpectrumGridValues(Cosine), 47, -105, 105};
    static const Scale sine{603, static_cast<float>(64.0L / 41), SpectrumGridValues(Sine), 47, -105,
                            105};
    switch (kind) {
    case SpectrumView::Magnitude:
        return magnitude;
    case SpectrumView::Angle:
        return angle;
    case SpectrumView::Cosine:
        return cosine;
    default:
        return sine;
    }
}

int Row(const Scale& s, long double v) {
    return ValueRow(s.base, v, s.k);
}

// Harmonics per grid column: 1, 2 or 4.
int HarmonicsPerColumn(int harmonicCount) {
    if (harmonicCount >= 128) return 4;
    if (harmonicCount >= 64) return 2;
    return 1;
}

struct BarSpan {
    int left, right; // relative to the column's x, right exclusive
};
BarSpan BarSpanFor(int g) {
    switch (g) {
    case 4:
        return {-1, 6};
    case 2:
        return {-4, 8};
    default:
        return {-7, 11};
    }
}

class Builder {
public:
    Builder(Picture& picture, const AppSettings& settings, const PictureLanguage& language, int g)
        : picture_(picture), settings_(settings), language_(language), g_(g) {}

    // One spectrum: grid, vertical lines, axis labels (hanging from labelTop), then the bars.
    void Spectrum(SpectrumView kind, int labelTop, const tSignal* signal) {
        const Scale& s = ScaleOf(kind);
        for (int w : s.grid) {
            const int y = Row(s, w);
            Add(PictureLine{{s.gridLeft, y}, {GridRight, y}, PictureBlack, 1});
            Add(PictureText{std::to_string(w), GridLabelRight, y - 10, TextAlign::Right,
                            LabelPoints, PictureBlack});
        }
        // One line for every g harmonics, through the middle of the bar of harmonic j * g.
        const int low = Row(s, s.grid.front());
        const int high = Row(s, s.grid.back());
        for (int j = 0; j < GridColumns; ++j) {
            const int x = ColumnPitch * j + 52;
            Add(PictureLine{{x, low}, {x, high}, PictureBlack, 1});
        }
        AxisLabels(labelTop);
        if (signal) Bars(kind, *signal);
    }

    void Title(const std::string& german, int top) {
        Add(PictureText{language_.Word(german.c_str()), TitleLeft, top, TextAlign::Left,
                        TitlePoints, PictureBlack});
    }

private:
    template <typename Item> void Add(Item item) { picture_.items.emplace_back(std::move(item)); }

    int ColumnX(int p) const { return p * ColumnPitch / g_ + FirstColumn; }

    void AxisLabels(int top) {
        const int sanz = settings_.sanz;
        if (sanz != 0 && sanz != 1) return;
        const float fo = settings_.freq;
        auto label = [&](int n, std::string text) {
            Add(PictureText{language_.Number(std::move(text)), ColumnX(n), top, TextAlign::Centre,
                            LabelPoints, PictureBlack});
        };
        label(1, sanz == 0 ? std::string("fo") : FormatEngineering(fo));
        for (int j = 1; j <= 6; ++j) {
            const int n = 5 * j * g_;
            if (sanz == 0)
                label(n, std::to_string(n) + "\u00b7fo");
            else
                label(n,
                      FormatEngineering(static_cast<long double>(n) * fo) + (j == 6 ? "Hz" : ""));
        }
    }

    void Bar(SpectrumView kind, int p, long double v, Rgb colour) {
        if (std::isnan(v)) return;
        const Scale& s = ScaleOf(kind);
        v = std::clamp(v, s.low, s.high);
        const int zero = Row(s, 0);
        int top = Row(s, v);
        int bottom = zero + 1;
        // Magnitudes always rise from the zero row, so a negative one covers nothing.
        if (v < 0 && kind != SpectrumView::Magnitude) {
            top = zero;
            bottom = Row(s, v) + 1;
        }
        if (top >= bottom) return;
        const BarSpan span = BarSpanFor(g_);
        const int x = ColumnX(p);
        Add(PictureRect{x + span.left, top, x + span.right, bottom, colour});
    }

    void Bars(SpectrumView kind, const tSignal& signal) {
        // The pictures use the colours of the screen's unselected bars.
        const float a0 = signal.Amplitude[0];
        const Rgb constantColour = ConstantColours(a0).dim;
        if (kind == SpectrumView::Magnitude) Bar(kind, 0, std::fabs(a0), constantColour);
        if (kind == SpectrumView::Cosine) Bar(kind, 0, a0, constantColour);
        const Rgb colour = HarmonicColours(kind).dim;
        for (int p = 1; p <= 32 * g_; ++p)
            Bar(kind, p, SpectrumLineValue(kind, signal, p, settings_.mode), colour);
    }

    Picture& picture_;
    const AppSettings& settings_;
    const PictureLanguage& language_;
    const int g_;
};

} // namespace

namespace {

const char* HarmonicsShown(int g) {
    switch (g) {
    case 4:
        return QT_TRANSLATE_NOOP("Wellenwerk", "128 Harmonische");
    case 2:
        return QT_TRANSLATE_NOOP("Wellenwerk", "64 Harmonische");
    default:
        return QT_TRANSLATE_NOOP("Wellenwerk", "32 Harmonische");
    }
}

// The two titles in one phrase, so that each language joins them in its own way.
const char* BothTitles(int mode) {
    switch (mode) {
    case 1:
        return QT_TRANSLATE_NOOP("Wellenwerk", "Cosinusspektrum und Sinusspektrum");
    case 2:
        return QT_TRANSLATE_NOOP("Wellenwerk", "Betragsspektrum (Sinus) und Winkelspektrum");
    default:
        return QT_TRANSLATE_NOOP("Wellenwerk", "Betragsspektrum (Cosinus) und Winkelspektrum");
    }
}

} // namespace

Picture SpectraPicture(const tSignal* selected, const AppSettings& settings, int harmonicCount,
                       const PictureLanguage& language) {
    const int g = HarmonicsPerColumn(harmonicCount);
    Picture picture{SpectraPictureWidth,
                    SpectraPictureHeight,
                    {},
                    language.Word(QT_TRANSLATE_NOOP("Wellenwerk", "Spektren")),
                    language.Word(HarmonicsShown(g))};
    const int mode = settings.mode;
    if (mode < 0 || mode >= DisplayModeCount) return picture; // no such pair of spectra
    Builder builder(picture, settings, language, g);
    builder.Spectrum(SpectrumViewFor(mode, 0), 372, selected);
    builder.Spectrum(SpectrumViewFor(mode, 1), 772, selected);
    const SpectrumTitles titles = SpectrumTitlesFor(mode);
    picture.description = language.Word(BothTitles(mode)) + ", " + picture.description;
    builder.Title(titles.upper, 0);
    builder.Title(titles.lower, 400);
    return picture;
}
