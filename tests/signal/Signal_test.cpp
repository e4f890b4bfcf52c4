// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/Palette.h"
#include "signal/Signal.h"

#include <gtest/gtest.h>

namespace {

tSignal FilledSignal() {
    tSignal s;
    s.Kind = 2;
    s.PointsIndex = 1;
    s.Reserved = -17;
    s.ColorIndex = 5;
    s.FormulaA0 = "1/2";
    s.FormulaAn = "sin(n*pi/2)/n";
    s.FormulaBn = "0";
    s.ConstK = "k1";
    s.ConstL = "l1";
    s.ConstM = "m1";
    s.SeriesMode = 1;
    s.MaxHarmonic = 33;
    s.Visible = true;
    for (int n = 0; n < HarmonicCount; ++n) {
        s.Amplitude[n] = 0.5f * n - 3;
        s.Phase[n] = 1.25f * n;
    }
    for (int i = 0; i < SupportPointCount; ++i) s.SupportPoints[i] = i * 3 - 100;
    return s;
}

void ExpectSame(const tSignal& a, const tSignal& b) {
    EXPECT_EQ(a.Kind, b.Kind);
    EXPECT_EQ(a.PointsIndex, b.PointsIndex);
    EXPECT_EQ(a.Reserved, b.Reserved);
    EXPECT_EQ(a.ColorIndex, b.ColorIndex);
    EXPECT_EQ(a.FormulaA0, b.FormulaA0);
    EXPECT_EQ(a.FormulaAn, b.FormulaAn);
    EXPECT_EQ(a.FormulaBn, b.FormulaBn);
    EXPECT_EQ(a.ConstK, b.ConstK);
    EXPECT_EQ(a.ConstL, b.ConstL);
    EXPECT_EQ(a.ConstM, b.ConstM);
    EXPECT_EQ(a.SeriesMode, b.SeriesMode);
    EXPECT_EQ(a.MaxHarmonic, b.MaxHarmonic);
    EXPECT_EQ(a.Visible, b.Visible);
    EXPECT_EQ(a.Amplitude, b.Amplitude);
    EXPECT_EQ(a.Phase, b.Phase);
    EXPECT_EQ(a.SupportPoints, b.SupportPoints);
}

TEST(Signal, NewRecordHasTheDefaults) {
    const tSignal s;
    EXPECT_EQ(s.Kind, 0);
    EXPECT_EQ(s.PointsIndex, 2);
    EXPECT_EQ(s.Reserved, 0);
    EXPECT_EQ(s.ColorIndex, 0);
    EXPECT_TRUE(s.FormulaA0.empty() && s.FormulaAn.empty() && s.FormulaBn.empty());
    EXPECT_TRUE(s.ConstK.empty() && s.ConstL.empty() && s.ConstM.empty());
    EXPECT_EQ(s.SeriesMode, 0);
    EXPECT_EQ(s.MaxHarmonic, 128);
    EXPECT_FALSE(s.Visible);
    for (int n = 0; n < HarmonicCount; ++n) {
        EXPECT_EQ(s.Amplitude[n], 0.0f);
        EXPECT_EQ(s.Phase[n], 0.0f);
    }
    for (int v : s.SupportPoints) EXPECT_EQ(v, 0);
}

TEST(Signal, ResetRestoresEveryDefault) {
    tSignal s = FilledSignal();
    s.Reset();
    ExpectSame(s, tSignal());
}

TEST(Signal, AssignCopiesEveryFieldAndLeavesTheSource) {
    const tSignal source = FilledSignal();
    tSignal target;
    target.Assign(source);
    ExpectSame(target, source);
    ExpectSame(source, FilledSignal());
}

TEST(Signal, AssignToItselfChangesNothing) {
    tSignal s = FilledSignal();
    s.Assign(s);
    ExpectSame(s, FilledSignal());
}

TEST(Signal, AssignCutsLongFormulaTextsAt255Characters) {
    tSignal source;
    source.FormulaAn = std::string(300, 'n');
    tSignal target;
    target.Assign(source);
    EXPECT_EQ(target.FormulaAn.size(), 255u);
    // Characters, not bytes: 255 umlauts (two bytes each) stay whole, the 256th goes.
    const std::string ae = "\xC3\xA4";
    std::string umlauts;
    for (int i = 0; i < 256; ++i) umlauts += ae;
    source.FormulaBn = umlauts;
    target.Assign(source);
    EXPECT_EQ(target.FormulaBn, umlauts.substr(0, 510));
}

TEST(Signal, SupportPointGridUsesTheStrideOfThePointCount) {
    struct Case {
        int pointsIndex, points, stride;
    };
    for (const Case c : {Case{0, 8, 8}, Case{1, 16, 4}, Case{2, 32, 2}, Case{3, 64, 1}}) {
        EXPECT_EQ(tSignal::SupportPointTotal(c.pointsIndex), c.points);
        EXPECT_EQ(tSignal::SupportGridIndex(c.pointsIndex, 0), 0);
        EXPECT_EQ(tSignal::SupportGridIndex(c.pointsIndex, 1), c.stride);
        EXPECT_EQ(tSignal::SupportGridIndex(c.pointsIndex, c.points - 1), 64 - c.stride);
    }
}

TEST(Palette, BrightAndDimColours) {
    EXPECT_EQ(SignalPalette[0], (Rgb{0, 0, 0}));
    EXPECT_EQ(SignalPalette[4], (Rgb{255, 0, 255}));
    EXPECT_EQ(SignalPalette[7], (Rgb{255, 255, 255}));
    EXPECT_EQ(SignalDimPalette[0], (Rgb{128, 128, 128}));
    EXPECT_EQ(SignalDimPalette[5], (Rgb{0, 128, 128}));
    EXPECT_EQ(SignalDimPalette[7], (Rgb{128, 128, 128}));
    EXPECT_EQ(PaletteIndex(9), 0);
    EXPECT_EQ(PaletteIndex(-1), 0);
    EXPECT_EQ(PaletteIndex(6), 6);
}

} // namespace
