// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/SpectrumEditing.h"
#include "signal/NumberFormat.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>

namespace {

SpectrumSelection Select(int mode, int view, int column, int scroll = 0) {
    return {column, view, scroll, mode};
}

// A line whose cosine value is about 3 and sine value about 4.
void SetThreeFour(tSignal& s, int n) {
    s.Amplitude[n] = 5;
    s.Phase[n] = static_cast<float>(-std::atan2(4.0L, 3.0L) * 180 / 3.14159265358979323846L);
}

std::string Shown(const tSignal& s, const SpectrumSelection& sel) {
    const auto v = SelectedLineValue(s, sel);
    return v ? FormatDecimal(*v, 10) : "(none)";
}

TEST(SpectrumEditing, PickColumn) {
    const int cases[][2] = {{-5, -1}, {15, -1}, {16, 0},   {20, 0},   {24, 0},   {25, 1},  {29, 1},
                            {33, 1},  {34, 2},  {304, 32}, {312, 32}, {313, -1}, {316, -1}};
    for (const auto& c : cases) EXPECT_EQ(PickColumn(c[0]), c[1]) << "x " << c[0];
}

TEST(SpectrumEditing, ShownValue) {
    tSignal s;
    const float lines[][3] = {{0, -20, 90}, {3, 0.1f, 0}, {4, 10, 1000}, {5, 10, 270},
                              {6, 0, 120},  {20, 50, 60}, {32, 8, 300}};
    for (const auto& l : lines) {
        s.Amplitude[static_cast<int>(l[0])] = l[1];
        s.Phase[static_cast<int>(l[0])] = l[2];
    }
    struct Case {
        SpectrumSelection sel;
        const char* text;
    };
    const Case cases[] = {
        {Select(0, 0, 0), "-20"},          // the constant term with its sign
        {Select(1, 0, 0), "-20"},          // cosine view: A0 itself, not cos(phase) * A0
        {Select(0, 0, 3), "0,1000000015"}, // the float 0.1 with ten decimals
        {Select(0, 1, 4), "-80"},          // 1000 degrees wrapped
        {Select(2, 1, 5), "0"},            // mode 2 adds 90: 360 wraps to 0
        {Select(0, 1, 5), "-90"},
        {Select(0, 1, 6), "120"},    // the field shows the phase even of a zero line
        {Select(1, 0, 4, 1), "25"},  // harmonic 20 at scroll 1: a = 50 cos 60
        {Select(0, 1, 0, 2), "-60"}, // lower column 0 shows entry 32: 300 -> -60
        {Select(1, 1, 0), "20"},     // sine value of entry 0: -sin(90) * -20
        {Select(2, 1, 0), "180"},    // angle of entry 0 in mode 2: 90 + 90
        {Select(0, 2, 0), "(none)"}, // no such view
        {Select(0, 0, 33), "(none)"},
        {Select(0, 0, 32, 7), "(none)"}, // harmonic 144 does not exist
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "mode " << c.sel.mode << " view " << c.sel.view << " column "
                     << c.sel.column << " scroll " << c.sel.scroll);
        EXPECT_EQ(Shown(s, c.sel), c.text);
    }
}

TEST(SpectrumEditing, StepSimpleValues) {
    struct Case {
        const char* what;
        SpectrumSelection sel;
        float amplitude, phase; // of the edited entry before
        std::vector<float> steps;
        float wantAmplitude, wantPhase;
    };
    const Case cases[] = {
        {"magnitude 0 stays 0", Select(0, 0, 3), 0, 0, {-1, -1}, 0, 0},
        {"magnitude up, scrolled to 128", Select(0, 0, 32, 6), 10, 0, {100, 1}, 111, 0},
        {"magnitude zero", Select(2, 0, 3), 10, 20, {0}, 0, 20},
        {"A0 goes negative", Select(0, 0, 0), 1, 0, {-1, -1, -1}, -2, 0},
        {"A0 goes negative in mode 1", Select(1, 0, 0), 0, 0, {-100}, -100, 0},
        {"A0 zero", Select(1, 0, 0, 3), -7, 0, {0}, 0, 0},
        {"350 + 45", Select(0, 1, 3), 10, 350, {45}, 10, 35},
        {"0 - 5", Select(0, 1, 3), 10, 0, {-5}, 10, 355},
        {"angle zero", Select(0, 1, 3), 10, 123, {0}, 10, 0},
        {"angle zero in mode 2 zeroes the angle shown", Select(2, 1, 3), 10, 123, {0}, 10, 270},
        {"360 itself stays", Select(0, 1, 3), 10, 359, {1}, 10, 360},
        {"above 360 comes down", Select(0, 1, 3), 10, 359, {45}, 10, 44},
        {"the magnitude view normalises the phase too", Select(0, 0, 3), 10, -10, {1}, 11, 350},
        {"720 becomes 360", Select(0, 0, 3), 10, 720, {1}, 11, 360},
        {"a negative magnitude becomes 0", Select(0, 0, 3), -5, 0, {1}, 0, 0},
        {"also when its angle is stepped", Select(0, 1, 3), -5, 10, {5}, 0, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tSignal s;
        const int n = c.sel.column == 0 ? 0 : 16 * c.sel.scroll + c.sel.column;
        s.Amplitude[n] = c.amplitude;
        s.Phase[n] = c.phase;
        for (float step : c.steps) EXPECT_TRUE(StepSelectedLine(s, c.sel, step));
        EXPECT_EQ(s.Amplitude[n], c.wantAmplitude);
        EXPECT_EQ(s.Phase[n], c.wantPhase);
        for (int k = 0; k < HarmonicCount; ++k) {
            if (k == n) continue;
            EXPECT_TRUE(s.Amplitude[k] == 0 && s.Phase[k] == 0) << "entry " << k;
        }
    }
}

TEST(SpectrumEditing, StepNormalisationMatchesRepeatedTurns) {
    auto byTurns = [](float p) {
        while (p < 0) p = p + 360;
        while (p > 360) p = p - 360;
        return p;
    };
    for (float phase = -1500; phase <= 1500; phase += 0.375f) {
        tSignal s;
        s.Amplitude[1] = 1;
        s.Phase[1] = phase;
        StepSelectedLine(s, Select(0, 0, 1), 1);
        ASSERT_EQ(s.Phase[1], byTurns(phase)) << phase;
    }
    tSignal s;
    s.Amplitude[1] = 1;
    s.Phase[1] = -1e-10f; // rounds to 360 on the first turn
    StepSelectedLine(s, Select(0, 0, 1), 1);
    EXPECT_EQ(s.Phase[1], byTurns(-1e-10f));
    s.Phase[1] = 1e30f; // turns of 360 would never change it
    StepSelectedLine(s, Select(0, 0, 1), 1);
    EXPECT_GE(s.Phase[1], 0);
    EXPECT_LE(s.Phase[1], 360);
}

TEST(SpectrumEditing, StepCoefficients) {
    // Zeroing the cosine value keeps the sine part: a = 3, b = 4 becomes A = 4 at 270.
    tSignal s;
    SetThreeFour(s, 3);
    EXPECT_TRUE(StepSelectedLine(s, Select(1, 0, 3), 0));
    EXPECT_NEAR(s.Amplitude[3], 4, 1e-5);
    EXPECT_EQ(s.Phase[3], 270);

    // Zeroing the sine value: a = 3 remains, at phase 0.
    SetThreeFour(s, 3);
    EXPECT_TRUE(StepSelectedLine(s, Select(1, 1, 3), 0));
    EXPECT_NEAR(s.Amplitude[3], 3, 1e-5);
    EXPECT_NEAR(s.Phase[3], 0, 1e-4);

    // +100 in the sine view.
    s.Amplitude[4] = 50;
    s.Phase[4] = 90; // b = -50
    EXPECT_TRUE(StepSelectedLine(s, Select(1, 1, 4), StepButtonValue(0, SpectrumView::Sine)));
    EXPECT_NEAR(SineCoefficient(s, 4), 50, 1e-4);
    EXPECT_NEAR(CosineCoefficient(s, 4), 0, 1e-4);
    EXPECT_EQ(s.Phase[4], 270);

    // A zeroed line gets phase -90, normalised to 270.
    s.Amplitude[6] = 10;
    s.Phase[6] = 0;
    EXPECT_TRUE(StepSelectedLine(s, Select(1, 0, 6), 0));
    EXPECT_EQ(s.Amplitude[6], 0);
    EXPECT_EQ(s.Phase[6], 270);
}

TEST(SpectrumEditing, LowerColumnZeroChangesNothing) {
    tSignal s;
    s.Amplitude[0] = 5;
    s.Amplitude[16] = 7;
    s.Phase[16] = 30;
    for (int mode = 0; mode < 3; ++mode) {
        for (float step : {0.0f, 45.0f, -100.0f}) {
            tSignal copy = s;
            EXPECT_FALSE(StepSelectedLine(copy, Select(mode, 1, 0, 1), step));
            EXPECT_EQ(copy.Amplitude, s.Amplitude);
            EXPECT_EQ(copy.Phase, s.Phase);
        }
        tSignal copy = s;
        EXPECT_FALSE(ApplyTypedValue(copy, Select(mode, 1, 0, 1), 0));
        EXPECT_EQ(copy.Amplitude, s.Amplitude);
        EXPECT_EQ(copy.Phase, s.Phase);
        EXPECT_TRUE(SelectedLineValue(s, Select(mode, 1, 0, 1)).has_value());
    }
}

TEST(SpectrumEditing, TypedValues) {
    struct Case {
        const char* what;
        SpectrumSelection sel;
        float amplitude, phase; // of the entry before
        int typed;
        bool changed;
        float wantAmplitude, wantPhase;
        const char* shown; // the field afterwards
    };
    const Case cases[] = {
        {"negative magnitude stores 0", Select(0, 0, 3), 10, 20, -5, true, 0, 20, "0"},
        {"again: nothing changes", Select(0, 0, 3), 0, 20, -5, false, 0, 20, "0"},
        {"same magnitude", Select(2, 0, 3), 42, 20, 42, false, 42, 20, "42"},
        {"magnitude view clamps A0 too", Select(0, 0, 0), 7, 0, -5, true, 0, 0, "0"},
        {"cosine view keeps A0's sign", Select(1, 0, 0), 7, 0, -5, true, -5, 0, "-5"},
        {"same A0", Select(1, 0, 0), -5, 0, -5, false, -5, 0, "-5"},
        {"angle mode 0 stores as typed", Select(0, 1, 3), 10, 0, 1000, true, 10, 1000, "-80"},
        {"angle mode 0 always changes", Select(0, 1, 3), 10, 30, 30, true, 10, 30, "30"},
        {"angle mode 2", Select(2, 1, 3), 10, 30, 0, true, 10, -90, "0"},
        {"angle mode 2 unchanged", Select(2, 1, 3), 10, -90, 0, false, 10, -90, "0"},
        {"cosine of a zero line", Select(1, 0, 3), 0, 77, 0, false, 0, 0, "0"},
        {"sine of a zero line", Select(1, 1, 3), 0, 0, 100, true, 100, -90, "100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tSignal s;
        const int n = c.sel.column == 0 ? 0 : 16 * c.sel.scroll + c.sel.column;
        s.Amplitude[n] = c.amplitude;
        s.Phase[n] = c.phase;
        EXPECT_EQ(ApplyTypedValue(s, c.sel, c.typed), c.changed);
        EXPECT_EQ(s.Amplitude[n], c.wantAmplitude);
        EXPECT_EQ(s.Phase[n], c.wantPhase);
        EXPECT_EQ(Shown(s, c.sel), c.shown);
    }
}

TEST(SpectrumEditing, TypedCoefficients) {
    // Typing 0 as the cosine value keeps the sine part; the phase is not brought into
    // 0..360 on this path.
    tSignal s;
    SetThreeFour(s, 2);
    EXPECT_TRUE(ApplyTypedValue(s, Select(1, 0, 2), 0));
    EXPECT_NEAR(s.Amplitude[2], 4, 1e-5);
    EXPECT_EQ(s.Phase[2], -90);

    // Typing the value the line already has reports no change but still rewrites the line
    // from its coefficients: 270 degrees becomes -90.
    s.Amplitude[3] = 4;
    s.Phase[3] = 270; // b = 4
    ASSERT_EQ(SineCoefficient(s, 3), 4);
    EXPECT_FALSE(ApplyTypedValue(s, Select(1, 1, 3), 4));
    EXPECT_NEAR(s.Amplitude[3], 4, 1e-6);
    EXPECT_NEAR(s.Phase[3], -90, 1e-4);

    // Typing a sine value on a line with a cosine part.
    s.Amplitude[4] = 3;
    s.Phase[4] = 0; // a = 3, b = 0
    EXPECT_TRUE(ApplyTypedValue(s, Select(1, 1, 4), -4));
    EXPECT_NEAR(s.Amplitude[4], 5, 1e-5);
    EXPECT_NEAR(s.Phase[4], std::atan2(4.0, 3.0) * 180 / 3.141592653589793, 1e-4);
    EXPECT_EQ(Shown(s, Select(1, 1, 4)), "-4");
}

// Past column 32 the views scroll on by 16 harmonics, before column 1 back.
TEST(SpectrumEditing, TheKeysWalkTheHarmonicsAndScrollTheViews) {
    using enum ColumnMove;
    const struct {
        int column, scroll;
        ColumnMove move;
        int movedColumn, movedScroll;
    } cases[] = {{0, 0, Right, 1, 0},  {0, 0, Left, 0, 0},    {5, 3, Home, 0, 0},
                 {5, 3, End, 32, 6},   {32, 0, Right, 17, 1}, {32, 6, Right, 32, 6},
                 {17, 1, Left, 16, 1}, {1, 1, Left, 16, 0},   {1, 0, Left, 0, 0}};
    for (const auto& c : cases) {
        const SpectrumSelection moved = MoveColumn({c.column, 1, c.scroll, 0}, c.move);
        EXPECT_EQ(std::tuple(moved.column, moved.view, moved.scroll),
                  std::tuple(c.movedColumn, 1, c.movedScroll))
            << c.column << " " << c.scroll;
    }
}

} // namespace
