// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/FourierAnalysis.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

tSignal WithPoints(int pointsIndex, const std::vector<int32_t>& values) {
    tSignal s;
    s.Kind = 1;
    s.PointsIndex = pointsIndex;
    for (std::size_t k = 0; k < values.size(); ++k)
        s.SupportPoints[tSignal::SupportGridIndex(pointsIndex, static_cast<int>(k))] = values[k];
    return s;
}

TEST(AnalyseWaveform, ExamplesWithKnownSpectra) {
    constexpr float residue = NAN; // zero in exact arithmetic: a rounding residue below 0.001
    struct Line {
        float amplitude, phase = 0;
    };
    struct Case {
        const char* what;
        tSignal signal;
        float a0;
        std::vector<Line> lines; // harmonics 1..N/2; above, every harmonic is 0 with phase -90
    };
    const Case cases[] = {
        {"all zero", WithPoints(2, {}), 0, std::vector<Line>(16, {0, -90})},
        {"constant",
         WithPoints(0, std::vector<int32_t>(8, 30)),
         30,
         {{residue}, {residue}, {residue}, {0, -90}}},
        {"alternating",
         WithPoints(0, {50, -50, 50, -50, 50, -50, 50, -50}),
         0,
         {{residue}, {residue}, {residue}, {100, -0.0f}}},
        {"impulse",
         WithPoints(0, {100, 0, 0, 0, 0, 0, 0, 0}),
         12.5f,
         {{25, -0.0f}, {25, -0.0f}, {25, -0.0f}, {25, -0.0f}}},
        {"square",
         WithPoints(0, {100, 100, 100, 100, -100, -100, -100, -100}),
         0,
         {{130.656f, -67.5f}, {residue}, {54.120f, -22.5f}, {0, -90}}},
    };
    for (const Case& c : cases) {
        tSignal s = c.signal;
        AnalyseWaveform(s);
        EXPECT_EQ(s.Amplitude[0], c.a0) << c.what;
        for (int n = 1; n <= 64; ++n) {
            SCOPED_TRACE(std::string(c.what) + " n=" + std::to_string(n));
            const Line line = n <= int(c.lines.size()) ? c.lines[n - 1] : Line{0, -90};
            if (std::isnan(line.amplitude)) {
                EXPECT_LT(s.Amplitude[n], 0.001f);
                continue;
            }
            EXPECT_NEAR(s.Amplitude[n], line.amplitude, 0.001f);
            EXPECT_NEAR(s.Phase[n], line.phase, 0.001f);
            EXPECT_TRUE(line.phase != 0 || std::signbit(s.Phase[n])); // -0, not +0
            EXPECT_TRUE(line.amplitude != 0 || s.Amplitude[n] == 0);
        }
    }
}

TEST(AnalyseWaveform, PointsIndexChoosesTheGridValuesAndTheUpperEntriesStay) {
    std::vector<int32_t> values(64);
    for (int k = 0; k < 64; ++k) values[k] = (k * 37) % 101 - 50;
    tSignal s = WithPoints(3, values);
    for (int n = 65; n <= 128; ++n) s.Amplitude[n] = 1.5f * n, s.Phase[n] = -2.0f * n;
    s.Phase[0] = 123;
    const tSignal before = s;
    AnalyseWaveform(s);
    const tSignal all = s;
    EXPECT_GT(s.Amplitude[32], 0.0f);
    for (int n = 33; n <= 64; ++n) EXPECT_TRUE(s.Amplitude[n] == 0 && s.Phase[n] == -90) << n;
    for (int n = 65; n <= 128; ++n)
        EXPECT_TRUE(s.Amplitude[n] == before.Amplitude[n] && s.Phase[n] == before.Phase[n]);
    EXPECT_EQ(s.Phase[0], 123);

    std::vector<int32_t> everyEighth;
    for (int k = 0; k < 64; k += 8) everyEighth.push_back(values[k]);
    tSignal eight = WithPoints(0, everyEighth);
    AnalyseWaveform(eight);
    s.PointsIndex = 0;
    AnalyseWaveform(s);
    EXPECT_TRUE(std::equal(&s.Amplitude[0], &s.Amplitude[65], &eight.Amplitude[0]));
    EXPECT_TRUE(std::equal(&s.Phase[1], &s.Phase[65], &eight.Phase[1]));
    s.PointsIndex = 3;
    AnalyseWaveform(s);
    EXPECT_EQ(s.Amplitude, all.Amplitude);
    EXPECT_EQ(s.Phase, all.Phase);
}

TEST(AnalyseWaveform, UnknownPointsIndexIsAnalysedAsThirtyTwoPoints) {
    tSignal base = WithPoints(3, std::vector<int32_t>(64, 7));
    base.SupportPoints[2] = -60; // a grid value that only 32 and 64 points use
    tSignal expected = base;
    expected.PointsIndex = 2;
    AnalyseWaveform(expected);
    for (int bad : {-1, 4, 1000}) {
        tSignal s = base;
        s.PointsIndex = bad;
        AnalyseWaveform(s);
        EXPECT_EQ(s.Amplitude, expected.Amplitude) << bad;
    }
}

// Straightforward DFT in double with the same normalisation and phase convention.
TEST(AnalyseWaveform, AgreesWithANaiveDoubleTransform) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int32_t> value(-113, 113);
    for (int pointsIndex = 0; pointsIndex <= 3; ++pointsIndex) {
        for (int round = 0; round < 20; ++round) {
            const int count = 8 << pointsIndex;
            const int half = count / 2;
            std::vector<int32_t> x(count);
            for (int32_t& v : x) v = value(random);
            tSignal s = WithPoints(pointsIndex, x);
            AnalyseWaveform(s);

            double magnitude = 0, mean = 0;
            for (int32_t v : x) magnitude += std::abs(v), mean += v;
            // Float partial sums: each rounding errs by half an ulp of at most `magnitude`.
            const double tolerance = count * magnitude * 0x1p-24 / half + 1e-6;
            EXPECT_NEAR(s.Amplitude[0], mean / count, tolerance);
            for (int n = 1; n <= half; ++n) {
                double a = 0, b = 0;
                for (int k = 0; k < count; ++k) {
                    a += x[k] * std::cos(M_PI * n * k / half);
                    if (n < half) b += x[k] * std::sin(M_PI * n * k / half);
                }
                a /= half;
                b /= half;
                const double amplitude = std::hypot(a, b);
                ASSERT_NEAR(s.Amplitude[n], amplitude, 2 * tolerance) << pointsIndex << " " << n;
                if (amplitude > 1) {
                    const double phase = -std::atan2(b, a) * 180 / M_PI;
                    double diff = std::remainder(s.Phase[n] - phase, 360.0);
                    EXPECT_NEAR(diff, 0, 2 * tolerance / amplitude * 180 / M_PI + 1e-4) << n;
                }
            }
        }
    }
}

} // namespace
