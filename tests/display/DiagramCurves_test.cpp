// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/DiagramCurves.h"

#include "project/SignalList.h"
#include "settings/AppSettings.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(DiagramCurves, OthersVisibleThenTheSelectedSignalsPartsThenItselfOnTop) {
    SignalList list;
    for (bool visible : {true, false, true, false}) {
        tSignal s;
        s.Visible = visible;
        list.Append("s", s);
    }
    std::array<bool, HarmonicCount> drawn{};
    using R = CurveRole;
    EXPECT_TRUE(DiagramCurves(list, -1, drawn).empty());
    EXPECT_TRUE(DiagramCurves(list, 4, drawn).empty());
    // A hidden selected signal is drawn all the same; hidden others are not.
    EXPECT_EQ(DiagramCurves(list, 3, drawn),
              (std::vector<DiagramCurve>{
                  {R::OtherSignal, 0, 0}, {R::OtherSignal, 2, 0}, {R::Selected, 3, 0}}));
    drawn[0] = drawn[5] = drawn[128] = true;
    EXPECT_EQ(DiagramCurves(list, 0, drawn), (std::vector<DiagramCurve>{{R::OtherSignal, 2, 0},
                                                                        {R::ConstantTerm, 0, 0},
                                                                        {R::Harmonic, 0, 5},
                                                                        {R::Harmonic, 0, 128},
                                                                        {R::Selected, 0, 0}}));
    // Support points: waveform signals only, each just behind its own curve.
    list.Signal(2).Kind = list.Signal(3).Kind = Waveform;
    EXPECT_EQ(DiagramCurves(list, 3, {}, true), (std::vector<DiagramCurve>{{R::OtherSignal, 0, 0},
                                                                           {R::SupportPoints, 2, 0},
                                                                           {R::OtherSignal, 2, 0},
                                                                           {R::SupportPoints, 3, 0},
                                                                           {R::Selected, 3, 0}}));
}

TEST(DiagramCurves, SupportPointsRepeatOverEveryPeriodShown) {
    tSignal s;
    s.Kind = Waveform;
    s.PointsIndex = 0; // 8 points, every 8th grid value
    for (int k = 0; k < 8; ++k) s.SupportPoints[8 * k] = 10 * k - 30;
    for (int dxr = 0; dxr < TimeZoomLevels; ++dxr) {
        const int periods = 1 << dxr;
        const std::vector<SupportVertex> v = SupportPointVertices(s, dxr, 560);
        ASSERT_EQ(v.size(), 8u * periods + 1) << dxr;
        for (std::size_t j = 0; j < v.size(); ++j) {
            // 560 / (8 periods) columns a point: whole at 1 period, halves tie to even beyond.
            const double exact = 560.0 * j / (8.0 * periods);
            EXPECT_EQ(v[j].column, static_cast<int>(std::nearbyint(exact))) << dxr << " " << j;
            EXPECT_EQ(v[j].value, 10 * static_cast<int>(j % 8) - 30) << dxr << " " << j;
        }
    }
    s.ColorIndex = 3; // blue, (0, 0, 255)
    EXPECT_EQ(SupportPointColour(s, true), (Rgb{127, 127, 255}));
    EXPECT_NE(SupportPointColour(s, false), SupportPointColour(s, true));
}

} // namespace
