// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/ExactSynthesis.h"
#include "signal/NumberFormat.h"
#include "signal/Synthesis.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

tSignal WithHarmonics(std::initializer_list<std::pair<int, float>> lines, float a0 = 0) {
    tSignal s;
    s.Amplitude[0] = a0;
    for (auto [n, a] : lines) s.Amplitude[n] = a;
    return s;
}

std::string Df(const tSignal& s) {
    return FormatDecimal(DistortionFactor(s), 4);
}
std::string Rms(const tSignal& s) {
    return FormatDecimal(RmsValue(s), 4);
}

TEST(Measures, ExamplesAsShownInTheReadouts) {
    struct Case {
        const char* what;
        tSignal signal;
        const char* df;
        const char* rms;
    };
    const Case cases[] = {
        {"no harmonics, A0 = -3", WithHarmonics({}, -3), "1", "3"},
        {"A1 = 1, A3 = 1/3", WithHarmonics({{1, 1.0f}, {3, 1.0f / 3}}), "0,3162", "0,7454"},
        {"only harmonic 128", WithHarmonics({{128, 5.0f}}), "0", "3,5355"},
        {"constant term enters RMS only", WithHarmonics({{1, 1.0f}, {3, 1.0f / 3}}, 2), "0,3162",
         "2,1344"},
        {"negative fundamental counts by its square", WithHarmonics({{2, -4.0f}, {5, 3.0f}}), "0,6",
         "3,5355"},
        {"pure sine", WithHarmonics({{1, 100.0f}}), "0", "70,7107"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Df(c.signal), c.df) << c.what;
        EXPECT_EQ(Rms(c.signal), c.rms) << c.what;
    }
}

TEST(Measures, ZeroSignalHasDistortionOne) {
    EXPECT_EQ(DistortionFactor(tSignal()), 1.0f);
    EXPECT_EQ(RmsValue(tSignal()), 0.0f);
}

TEST(SignalValue, MatchesTheExactLibraryCosineBitForBit) {
    tSignal s;
    s.Amplitude[0] = -7.5f;
    for (int n = 1; n <= 128; ++n) {
        s.Amplitude[n] = 100.0f / n;
        s.Phase[n] = 37.0f * n - 1000.0f;
    }
    for (int window : {360, 720, 1440, 2880}) {
        const float step = AngleStepFor(window, 560);
        for (int x = 0; x <= 560; ++x)
            ASSERT_EQ(SignalValue(s, x, step), exact::SignalValue(s, x, step))
                << window << " " << x;
    }
}

// The fast curves against the definition on a sample of every sort of series, plus values
// no arithmetic shortcut may touch. The exactness check runs the same on a million columns.
TEST(SignalCurve, EveryFloatAndEveryHarmonicRowAsTheDefinitionGives) {
    std::mt19937 random(1234);
    std::vector<tSignal> signals;
    for (int i = 0; i < 12; ++i) signals.push_back(exact::RandomSignal(random));
    tSignal odd = signals[0];
    odd.Amplitude[3] = INFINITY;
    odd.Phase[5] = NAN;
    odd.Amplitude[0] = 1e38f;
    odd.Amplitude[7] = 3e38f;
    signals.push_back(odd);
    exact::Tally tally;
    for (const tSignal& s : signals) exact::CompareCurves(s, random, tally);
    EXPECT_EQ(tally.differing, 0);
    EXPECT_EQ(tally.compared, 13 * 8 * DiagramSampleCount);
}

TEST(SignalValue, SkipsHarmonicsThatAreZeroOrNegative) {
    const float step = AngleStepFor(360, 560);
    const tSignal s = WithHarmonics({{1, 10.0f}, {2, -50.0f}}, 3.0f);
    EXPECT_EQ(SignalValue(s, 0, step), 13.0f);
    // Half a period later the fundamental is at its minimum.
    EXPECT_NEAR(SignalValue(s, 280, step), -7.0f, 1e-4);
    // The single harmonic ignores the sign test and the constant term.
    EXPECT_EQ(HarmonicValue(s, 2, 0, step), -50.0L);
    EXPECT_EQ(HarmonicValue(s, 1, 0, step), 10.0L);
}

TEST(SignalValue, PhaseIsInDegrees) {
    tSignal s = WithHarmonics({{1, 10.0f}});
    s.Phase[1] = 90;
    EXPECT_NEAR(SignalValue(s, 0, AngleStepFor(360, 560)), 0.0f, 1e-5);
    s.Phase[1] = 180;
    EXPECT_NEAR(SignalValue(s, 0, AngleStepFor(360, 560)), -10.0f, 1e-5);
}

TEST(SignalValue, AngleStepOfTheLineDiagram) {
    // (2 D) pi / 201600 for each window D, held as float.
    for (int d : {360, 720, 1440, 2880})
        EXPECT_EQ(AngleStepFor(d, 560),
                  static_cast<float>((2.0L * d) * 3.14159265358979323846264338327950288L / 201600));
}

} // namespace
