// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/AppSettings.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(AppSettings, DefaultsOfAFirstStart) {
    const AppSettings s;
    EXPECT_EQ(s.dxr, 1);
    EXPECT_EQ(s.dyr, 2);
    EXPECT_EQ(s.mode, 1);
    EXPECT_EQ(s.freq, 1000.0f);
    EXPECT_EQ(s.banz, 0);
    EXPECT_EQ(s.sanz, 0);
    EXPECT_EQ(s.lanz, 0);
    EXPECT_EQ(s.sfreq, 0);
    EXPECT_EQ(s.tongue, 1);
    for (bool flag : s.sh) EXPECT_FALSE(flag);
}

TEST(AppSettings, NormalizeBringsTableIndicesIntoRange) {
    AppSettings s;
    s.dxr = 9;
    s.dyr = -2;
    s.mode = 3;
    s.tongue = 0;
    s.sanz = 5;
    s.lanz = -1;
    s.banz = 7;
    s.sfreq = 3;
    s.freq = 99999;
    s.Normalize();
    EXPECT_EQ(s.dxr, 3);
    EXPECT_EQ(s.dyr, 0);
    EXPECT_EQ(s.mode, 2);
    EXPECT_EQ(s.tongue, 1);
    EXPECT_EQ(s.sanz, 1);
    EXPECT_EQ(s.lanz, 0);
    EXPECT_EQ(s.banz, 2);
    EXPECT_EQ(s.sfreq, 2);
    EXPECT_EQ(s.freq, 25000.0f);
}

TEST(AppSettings, NormalizeKeepsALongPathWhole) {
    // A cut at 255 bytes would split the "ä" and name a folder that does not exist.
    AppSettings s;
    s.path = "/home/" + std::string(248, 'x') + "ä/Klänge";
    const std::string whole = s.path;
    s.Normalize();
    EXPECT_EQ(s.path, whole);
}

TEST(AppSettings, FrequencyClamp) {
    struct Case {
        float in, out;
    };
    for (const Case c :
         {Case{0, 0.1f}, Case{-3, 0.1f}, Case{0.05f, 0.1f}, Case{0.1f, 0.1f}, Case{440.5f, 440.5f},
          Case{25000, 25000}, Case{30000, 25000}, Case{NAN, 0.1f}, Case{INFINITY, 25000}})
        EXPECT_EQ(ClampFrequency(c.in), c.out) << c.in;
}

} // namespace

TEST(EffectiveLanguage, AChoiceWinsElseAnEnglishLocaleMeansEnglish) {
    const std::tuple<int, const char*, Language> cases[] = {
        {LanguageFromSystem, "en_GB", English},
        {LanguageFromSystem, "en-US", English},
        {LanguageFromSystem, "en", English},
        {LanguageFromSystem, "de_DE", German},
        {LanguageFromSystem, "C", German},
        {LanguageFromSystem, "eng", German},
        {German, "en_US", German},
        {English, "de_AT", English},
    };
    for (const auto& [sprache, locale, expected] : cases)
        EXPECT_EQ(EffectiveLanguage(sprache, locale), expected) << sprache << " " << locale;
}
