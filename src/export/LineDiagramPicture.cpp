// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/LineDiagramPicture.h"

#include "display/DiagramCurves.h"
#include "display/LineDiagramGeometry.h"
#include "project/SignalList.h"
#include "settings/AppSettings.h"
#include "signal/Palette.h"
#include "signal/Synthesis.h"
#include "text/TranslatableText.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int PlotLeft = 50;
constexpr int PlotColumns = 1150;
constexpr int PlotRight = PlotLeft + PlotColumns;
constexpr int ZeroRow = 316;
constexpr int HalfHeight = 272;
constexpr int LabelRight = 45;
constexpr int AxisLabelTop = 318;
// The curves are sampled at every second column: 576 points.
constexpr int SampleStride = 2;
// Row of value v: 316 - round(v * K).
int Row(long double v, float k) {
    return ValueRow(ZeroRow, v, k);
}

class Builder {
public:
    Builder(Picture& picture, const AppSettings& settings, const PictureLanguage& language)
        : picture_(picture), settings_(settings), language_(language),
          k_(RowScale(HalfHeight, settings.dyr)),
          angleStep_(AngleStepFor(WindowFor(settings.dxr).windowDegrees, PlotColumns)) {}

    void Grid() {
        for (AmplitudeMark& mark : AmplitudeMarks(settings_.dyr))
            HorizontalLine(mark.value, std::move(mark.label));
        if (settings_.lanz == 0)
            AngleAxis();
        else if (settings_.lanz == 1)
            TimeAxis();
    }

    void Curves(const SignalList& signalList, int selectedIndex) {
        for (const DiagramCurve& curve :
             DiagramCurves(signalList, selectedIndex, settings_.sh, settings_.stuetz)) {
            const tSignal& signal = signalList.Signal(curve.signal);
            const int colour = PaletteIndex(signal.ColorIndex);
            switch (curve.role) {
            case CurveRole::SupportPoints:
                SupportPoints(signal, SupportPointColour(signal, curve.signal == selectedIndex));
                break;
            case CurveRole::OtherSignal:
                Curve(Waveform(signal), SignalDimPalette[colour], 1);
                break;
            case CurveRole::ConstantTerm: {
                const int y = Row(signal.Amplitude[0], k_);
                Add(PictureLine{{PlotLeft, y}, {PlotRight, y}, PictureBlack, 1});
                break;
            }
            case CurveRole::Harmonic:
                Curve(Harmonic(signal, curve.harmonic), PictureBlack, 1);
                break;
            case CurveRole::Selected:
                Curve(Waveform(signal), SignalPalette[colour], 3);
                break;
            }
        }
        Add(PictureText{signalList.Name(selectedIndex), PlotLeft, 0, TextAlign::Left, TitlePoints,
                        PictureBlack});
    }

private:
    template <typename Item> void Add(Item item) { picture_.items.emplace_back(std::move(item)); }

    void Label(std::string text, int x, int top, TextAlign align) {
        Add(PictureText{language_.Number(std::move(text)), x, top, align, LabelPoints,
                        PictureBlack});
    }

    void HorizontalLine(int value, std::string label) {
        const int y = Row(static_cast<float>(value), k_);
        Add(PictureLine{{PlotLeft, y}, {PlotRight, y}, PictureBlack, 1});
        Label(std::move(label), LabelRight, y - 10, TextAlign::Right);
    }

    void VerticalLine(int x) {
        const int range = AmplitudeFor(settings_.dyr).range;
        Add(PictureLine{{x, Row(static_cast<float>(range), k_)},
                        {x, Row(static_cast<float>(-range), k_)},
                        PictureBlack,
                        1});
    }

    void AngleAxis() {
        for (AngleTick& tick : AngleTicks(settings_.dxr, PlotColumns)) {
            const int x = PlotLeft + tick.column;
            VerticalLine(x);
            if (tick.label) Label(std::move(*tick.label), x, AxisLabelTop, TextAlign::Centre);
        }
    }

    void TimeAxis() {
        VerticalLine(PlotLeft);
        for (TimeTick& tick : TimeTicks(settings_.dxr, settings_.freq, PlotColumns)) {
            const int x = PlotLeft + tick.column;
            VerticalLine(x);
            if (tick.label) Label(std::move(*tick.label), x, AxisLabelTop, TextAlign::Centre);
        }
    }

    std::vector<float> Waveform(const tSignal& signal) const {
        std::vector<float> samples(PlotColumns + 1);
        SignalCurve(signal, angleStep_, samples);
        return samples;
    }

    std::vector<long double> Harmonic(const tSignal& signal, int n) const {
        std::vector<long double> samples(PlotColumns + 1);
        HarmonicCurve(signal, n, angleStep_, k_, samples);
        return samples;
    }

    void SupportPoints(const tSignal& signal, Rgb colour) {
        PicturePolyline line{{}, colour, 1};
        for (const SupportVertex& v : SupportPointVertices(signal, settings_.dxr, PlotColumns))
            line.points.push_back({PlotLeft + v.column, Row(v.value, k_)});
        Add(std::move(line));
    }

    template <typename Value> void Curve(const std::vector<Value>& samples, Rgb colour, int width) {
        PicturePolyline line{{}, colour, width};
        line.points.reserve(PlotColumns / SampleStride + 1);
        for (int x = 0; x <= PlotColumns; x += SampleStride)
            line.points.push_back({PlotLeft + x, Row(samples[x], k_)});
        Add(std::move(line));
    }

    Picture& picture_;
    const AppSettings& settings_;
    const PictureLanguage& language_;
    const float k_;
    const float angleStep_;
};

} // namespace

std::optional<Picture> LineDiagramPicture(const SignalList& signalList, int selectedIndex,
                                          const AppSettings& settings,
                                          const PictureLanguage& language) {
    if (!signalList.IsValidIndex(selectedIndex)) return std::nullopt;
    Picture picture{LineDiagramPictureWidth,
                    LineDiagramPictureHeight,
                    {},
                    language.Word(QT_TRANSLATE_NOOP("Wellenwerk", "Liniendiagramm")),
                    signalList.Name(selectedIndex)};
    Builder builder(picture, settings, language);
    builder.Grid();
    builder.Curves(signalList, selectedIndex);
    return picture;
}
