// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/FormulaSeries.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

tSignal FormulaSignal(const char* a0, const char* an, const char* bn, int seriesMode = 0,
                      int maxHarmonic = 128, const char* k = "") {
    tSignal s;
    s.Kind = Formulas;
    s.FormulaA0 = a0;
    s.FormulaAn = an;
    s.FormulaBn = bn;
    s.ConstK = k;
    s.SeriesMode = seriesMode;
    s.MaxHarmonic = maxHarmonic;
    return s;
}

TEST(GenerateFromFormulas, EmptyTextsGiveSinePhasesUpToMax) {
    for (int max : {128, 7}) {
        tSignal s = FormulaSignal("", "", "", 0, max);
        s.Amplitude.fill(5);
        ASSERT_FALSE(GenerateFromFormulas(s));
        for (int n = 0; n < HarmonicCount; ++n) {
            EXPECT_EQ(s.Amplitude[n], 0.0f) << n;
            EXPECT_EQ(s.Phase[n], n >= 1 && n <= max ? -90.0f : 0.0f) << n;
        }
    }
}

TEST(GenerateFromFormulas, ConstantTermKeepsItsSign) {
    for (auto [text, expected] :
         {std::pair{"1", 100.0f}, {"-0,5", -50.0f}, {"", 0.0f}, {"-1E13", -MaxAmplitude}}) {
        tSignal s = FormulaSignal(text, "", "");
        ASSERT_FALSE(GenerateFromFormulas(s));
        EXPECT_FLOAT_EQ(s.Amplitude[0], expected) << text;
    }
}

TEST(GenerateFromFormulas, SeriesChoice) {
    tSignal odd = FormulaSignal("", "4/PI/N", "", 1, 5);
    ASSERT_FALSE(GenerateFromFormulas(odd));
    const float amplitudes[] = {0, 127.324f, 0, 42.441f, 0, 25.465f, 0};
    for (int n = 1; n <= 6; ++n) {
        EXPECT_NEAR(odd.Amplitude[n], amplitudes[n], 1e-3) << n;
        EXPECT_EQ(odd.Phase[n], n == 6 ? 0.0f : n % 2 == 1 ? 0.0f : -90.0f) << n;
    }
    tSignal even = FormulaSignal("", "N", "", 2, 6);
    ASSERT_FALSE(GenerateFromFormulas(even));
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(even.Amplitude[n], n % 2 == 0 ? 100.0f * n : 0) << n;
}

TEST(GenerateFromFormulas, PhaseConventions) {
    const struct {
        const char* an;
        const char* bn;
        float phase;
    } cases[] = {{"1", "", 0}, {"", "1/N", -90}, {"", "-1", 90}, {"-1", "", -180}, {"1", "1", -45}};
    for (const auto& c : cases) {
        tSignal s = FormulaSignal("", c.an, c.bn);
        ASSERT_FALSE(GenerateFromFormulas(s));
        for (int n : {1, 2, 64, 128}) EXPECT_FLOAT_EQ(s.Phase[n], c.phase) << c.an << c.bn << n;
    }
    tSignal s = FormulaSignal("", "", "1/N");
    ASSERT_FALSE(GenerateFromFormulas(s));
    for (int n = 1; n <= 128; ++n) EXPECT_FLOAT_EQ(s.Amplitude[n], 100.0f / n) << n;
}

TEST(GenerateFromFormulas, ConstantsSeeOnlyTheEarlierOnes) {
    const struct {
        const char *k, *l, *m;
        float kValue, lValue, mValue;
    } cases[] = {
        {"2", "K^2", "K+L", 2, 4, 6}, {"L", "K+1", "", 0, 1, 0}, {"M+N+1", "L+1", "M+2", 1, 1, 2}};
    for (const auto& c : cases) {
        tSignal s = FormulaSignal("K", "L", "M", 0, 1, c.k);
        s.ConstL = c.l;
        s.ConstM = c.m;
        ASSERT_FALSE(GenerateFromFormulas(s));
        EXPECT_FLOAT_EQ(s.Amplitude[0], 100 * c.kValue);
        EXPECT_FLOAT_EQ(s.Amplitude[1], 100 * std::hypot(c.lValue, c.mValue));
    }
}

TEST(GenerateFromFormulas, FailingConstantLeavesTheArrays) {
    tSignal s = FormulaSignal("1", "1", "");
    s.ConstL = "1/0";
    s.Amplitude.fill(7);
    s.Phase.fill(8);
    const auto error = GenerateFromFormulas(s);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->field, FormulaField::ConstL);
    EXPECT_EQ(error->Text(), "Division durch Null");
    for (int n = 0; n < HarmonicCount; ++n) EXPECT_TRUE(s.Amplitude[n] == 7 && s.Phase[n] == 8);
}

TEST(GenerateFromFormulas, FailingHarmonicKeepsTheOnesBefore) {
    tSignal s = FormulaSignal("2", "", "1/(N-3)");
    s.Phase.fill(8);
    const auto error = GenerateFromFormulas(s);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->field, FormulaField::Bn);
    EXPECT_EQ(error->code, 28);
    EXPECT_EQ(error->Text(), "Division durch Null");
    EXPECT_FLOAT_EQ(s.Amplitude[0], 200);
    EXPECT_FLOAT_EQ(s.Amplitude[1], 50);
    EXPECT_FLOAT_EQ(s.Amplitude[2], 100);
    EXPECT_FLOAT_EQ(s.Phase[2], 90);
    for (int n = 3; n < HarmonicCount; ++n) EXPECT_TRUE(s.Amplitude[n] == 0 && s.Phase[n] == 0);
}

TEST(GenerateFromFormulas, TheFirstFailingTextIsReported) {
    using enum FormulaField;
    const struct {
        const char *k, *a0, *an, *bn;
        FormulaField field;
        int code;
    } cases[] = {
        {"X", "1/0", "", "", ConstK, 24},
        {"", "  ", "", "", A0, 24},
        {"", "1", "SQRT -1", "1/0", An, 13},
        {"", "", "1", "LOG(N)", Bn, 30},
        // Results beyond the float range, never infinite values in the arrays.
        {"10^39", "", "", "", ConstK, 23},
        {"", "3E38", "", "", A0, 23}, // 100 times a0
        {"", "", "EXP 100", "", An, 23},
        {"", "", "", "FAK (30+N)", Bn, 23},
        {"", "", "1", "COSH (100*N)", Bn, 23},
        {"", "", "2E19", "1", An, 23}, // the sum of squares
        {"", "", "1", "-2E19", Bn, 23},
        // Amplitudes beyond the editors' limit of 1E15, on the text of the larger coefficient.
        {"", "-1.1E13", "1/0", "", A0, 23},
        {"", "", "1E14", "", An, 23},
        {"", "", "7E12", "7.2E12", Bn, 23},
        {"", "", "3E11*N", "1", An, 23},
    };
    for (const auto& c : cases) {
        tSignal s = FormulaSignal(c.a0, c.an, c.bn, 0, 128, c.k);
        const auto error = GenerateFromFormulas(s);
        ASSERT_TRUE(error) << c.k << c.a0 << c.an << c.bn;
        EXPECT_EQ(error->field, c.field) << c.k << c.a0 << c.an << c.bn;
        EXPECT_EQ(error->code, c.code) << c.k << c.a0 << c.an << c.bn;
        EXPECT_FALSE(error->Text().empty());
        for (int n = 0; n < HarmonicCount; ++n)
            EXPECT_TRUE(IsAllowedAmplitude(s.Amplitude[n]) && std::isfinite(s.Phase[n]));
    }
}

TEST(GenerateFromFormulas, MaxHarmonicIsLimitedTo1To128) {
    for (auto [max, generated] : {std::pair{500, 128}, {0, 0}, {-3, 0}, {1, 1}}) {
        tSignal s = FormulaSignal("", "1", "", 0, max);
        ASSERT_FALSE(GenerateFromFormulas(s));
        for (int n = 1; n < HarmonicCount; ++n)
            EXPECT_EQ(s.Amplitude[n], n <= generated ? 100.0f : 0.0f) << max << " " << n;
    }
}

} // namespace
