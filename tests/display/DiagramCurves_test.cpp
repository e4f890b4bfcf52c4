// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/DiagramCurves.h"

#include "project/SignalList.h"

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
}

} // namespace
