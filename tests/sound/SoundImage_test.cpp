// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/ExactSynthesis.h"
#include "sound/SoundImage.h"
#include "sound/ToneLevels.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

uint32_t Read32(const std::vector<uint8_t>& image, std::size_t at) {
    return image[at] | image[at + 1] << 8 | image[at + 2] << 16 | uint32_t(image[at + 3]) << 24;
}

tSignal SingleHarmonic(int n, float amplitude, float phase = 0) {
    tSignal s;
    s.Amplitude[n] = amplitude;
    s.Phase[n] = phase;
    return s;
}

TEST(SoundImage, SampleRates) {
    const std::pair<int, int> rates[] = {
        {0, 11025}, {1, 22050}, {2, 44100}, {3, 11025}, {-1, 11025}};
    for (auto [sfreq, rate] : rates) EXPECT_EQ(SampleRateFor(sfreq), rate) << sfreq;
}

TEST(SoundImage, TimingAndSizes) {
    struct Case {
        float fo;
        int sfreq;
        int periods;
        int samples; // 0: no tone
    };
    const Case cases[] = {
        {1000, 0, 100, 1103}, {1000, 1, 100, 2205},   {1000, 2, 100, 4410}, {440, 2, 44, 4410},
        {5, 2, 1, 8820},      {25000, 0, 2500, 1103}, {19.99f, 2, 1, 2206}, {9.99f, 0, 1, 1104},
        {4.9f, 2, 0, 0},      {0.1f, 0, 0, 0},        {-10, 1, 0, 0},       {NAN, 2, 0, 0},
    };
    const tSignal signal = SingleHarmonic(1, 50);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.fo) + " Hz, sfreq " + std::to_string(c.sfreq));
        const auto timing = ToneTimingFor(c.fo, SampleRateFor(c.sfreq));
        const std::vector<uint8_t> image = BuildSoundImage(signal, c.fo, c.sfreq, PlayedHarmonics);
        EXPECT_EQ(timing.has_value(), c.samples > 0);
        if (!timing) {
            EXPECT_TRUE(image.empty());
            continue;
        }
        EXPECT_EQ(timing->periods, c.periods);
        EXPECT_EQ(timing->samples, c.samples);
        EXPECT_EQ(timing->phaseStep, static_cast<float>(double(c.periods) / c.samples));
        ASSERT_EQ(image.size(), 44u + c.samples);
        EXPECT_EQ(Read32(image, 4), 36u + c.samples);
        EXPECT_EQ(Read32(image, 24), uint32_t(SampleRateFor(c.sfreq)));
        EXPECT_EQ(Read32(image, 40), uint32_t(c.samples));
    }
    // 1000 Hz at 11025: 100 periods in 1103 samples sound at about 999.55 Hz.
    const auto t = *ToneTimingFor(1000, 11025);
    EXPECT_NEAR(t.periods * 11025.0 / t.samples, 999.55, 0.005);
}

TEST(SoundImage, HeaderBytes) {
    const std::vector<uint8_t> image = BuildSoundImage(tSignal(), 1000, 0, SavedHarmonics);
    const uint8_t expected[44] = {'R', 'I', 'F',  'F',  0x73, 0x04, 0,    0,    'W',  'A', 'V',
                                  'E', 'f', 'm',  't',  ' ',  16,   0,    0,    0,    1,   0,
                                  1,   0,   0x11, 0x2B, 0,    0,    0x11, 0x2B, 0,    0,   1,
                                  0,   8,   0,    'd',  'a',  't',  'a',  0x4F, 0x04, 0,   0};
    ASSERT_EQ(image.size(), 1147u);
    EXPECT_TRUE(std::equal(expected, expected + 44, image.begin()));
}

TEST(SoundImage, PureToneStartsOneSampleAfterTheCrest) {
    const std::vector<uint8_t> image =
        BuildSoundImage(SingleHarmonic(1, 100), 1000, 0, PlayedHarmonics);
    const auto t = *ToneTimingFor(1000, 11025);
    ASSERT_EQ(image.size(), 44u + t.samples);
    for (int h = 1; h <= t.samples; ++h) {
        const double expected = 128 + std::nearbyint(100 * std::cos(2 * M_PI * t.phaseStep * h));
        ASSERT_EQ(image[43 + h], expected) << h;
    }
    EXPECT_LT(image[44], 228);
}

TEST(SoundImage, WhatSoundsAndWhatIsSilent) {
    auto distinct = [](const std::vector<uint8_t>& image) {
        return std::set<uint8_t>(image.begin() + 44, image.end());
    };
    const tSignal high = SingleHarmonic(40, 60);
    EXPECT_GT(distinct(BuildSoundImage(high, 200, 2, PlayedHarmonics)).size(), 10u);
    EXPECT_EQ(distinct(BuildSoundImage(high, 200, 2, SavedHarmonics)), std::set<uint8_t>{128});

    tSignal constant;
    constant.Amplitude[0] = 50;
    EXPECT_EQ(distinct(BuildSoundImage(constant, 200, 2, PlayedHarmonics)), std::set<uint8_t>{128});

    const std::vector<uint8_t> loud =
        BuildSoundImage(SingleHarmonic(1, 300), 100, 2, PlayedHarmonics);
    EXPECT_GT(std::count(loud.begin() + 44, loud.end(), 255), 100);
    EXPECT_GT(std::count(loud.begin() + 44, loud.end(), 0), 100);

    // A negative amplitude sounds too (only zero ones are left out), in opposite phase.
    const std::vector<uint8_t> inverted =
        BuildSoundImage(SingleHarmonic(1, -100), 440, 2, PlayedHarmonics);
    const std::vector<uint8_t> upright =
        BuildSoundImage(SingleHarmonic(1, 100), 440, 2, PlayedHarmonics);
    for (std::size_t k = 44; k < upright.size(); ++k) ASSERT_EQ(inverted[k] + upright[k], 256) << k;
}

tSignal RandomSeries(unsigned seed, float phaseScale) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> amplitude(-120, 120);
    std::uniform_real_distribution<float> phase(-720, 720);
    tSignal s;
    for (int i = 1; i <= 128; ++i) {
        if (i % 7 == 3) continue;
        s.Amplitude[i] = amplitude(random) / std::sqrt(float(i));
        s.Phase[i] = phase(random) * (i % 2 ? phaseScale : 1);
    }
    s.Amplitude[5] = 1e-6f;
    return s;
}

TEST(ToneLevels, MatchTheExtendedLibraryCosineBitForBit) {
    // One period in 1024 samples: every 512th sample all cosines are exactly +-1, and
    // 2^24 + 1 is a tie between two floats that must go to the even one.
    tSignal ties;
    ties.Amplitude[1] = -0x1p24f;
    ties.Amplitude[2] = 1;
    ties.Amplitude[3] = -1;
    struct Case {
        tSignal signal;
        float fo;
        int sfreq;
        int highest;
    };
    // Ordinary phases, phases of many turns, phases too large for any shortcut, exact ties,
    // and the longest arguments (2500 periods).
    std::mt19937 random(7);
    const Case cases[] = {{RandomSeries(1, 1), 5, 2, PlayedHarmonics},
                          {RandomSeries(2, 1e4f), 1000, 0, PlayedHarmonics},
                          {RandomSeries(3, 1e15f), 440, 1, SavedHarmonics},
                          {ties, 11025.0f / 1024, 0, PlayedHarmonics},
                          {exact::RandomSignal(random), 25000, 0, PlayedHarmonics}};
    exact::Tally tally;
    for (const Case& c : cases) exact::CompareTone(c.signal, c.fo, c.sfreq, c.highest, tally);
    EXPECT_EQ(tally.differing, 0);
    EXPECT_GT(tally.compared, 14000); // every sample of the five tones
    EXPECT_EQ(ToneTimingFor(11025.0f / 1024, 11025)->phaseStep, 0x1p-10f);
}

} // namespace
