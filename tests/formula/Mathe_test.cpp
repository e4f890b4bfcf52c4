// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/Calculator.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <random>

namespace {

int UlpDistance(float a, float b) {
    auto ordered = [](float x) {
        const auto bits = std::bit_cast<int32_t>(x);
        return bits < 0 ? static_cast<int64_t>(INT32_MIN) - bits : static_cast<int64_t>(bits);
    };
    return static_cast<int>(std::llabs(ordered(a) - ordered(b)));
}

// The evaluator against the standard library in double precision: each result must be
// the reference rounded to float, give or take the roundings the language prescribes.
TEST(MatheProperty, AgreesWithTheStandardLibrary) {
    struct Case {
        const char* text;
        float low;
        float high;
        std::function<double(double)> reference;
        int ulps;
    };
    const Case cases[] = {
        {"SIN N", -100, 100, [](double x) { return std::sin(x); }, 1},
        {"COS N", -100, 100, [](double x) { return std::cos(x); }, 1},
        {"TAN N", -1.5f, 1.5f, [](double x) { return std::tan(x); }, 2},
        {"LN N", 1e-6f, 1e6f, [](double x) { return std::log(x); }, 1},
        {"LG N", 1e-6f, 1e6f, [](double x) { return std::log10(x); }, 2},
        {"SQRT N", 0, 1e6f, [](double x) { return std::sqrt(x); }, 1},
        {"ARCTAN N", -1e3f, 1e3f, [](double x) { return std::atan(x); }, 1},
        {"ARCSIN N", -0.5f, 0.5f, [](double x) { return std::asin(x); }, 2},
        {"EXP N", -80, 80, [](double x) { return std::exp(x); }, 1},
        {"SINH N", -80, 80, [](double x) { return std::sinh(x); }, 1},
        {"COSH N", -80, 80, [](double x) { return std::cosh(x); }, 1},
        {"TANH N", -20, 20, [](double x) { return std::tanh(x); }, 2},
        {"N^1.7", 1e-3f, 1e3f, [](double x) { return std::pow(x, 1.7f); }, 1},
        {"ABS N*N/7", -1e3f, 1e3f, [](double x) { return std::fabs(x) * x / 7; }, 1},
    };
    std::mt19937 random(20240611);
    TCalculator calculator;
    for (const Case& c : cases) {
        std::uniform_real_distribution<float> argument(c.low, c.high);
        for (int i = 0; i < 2000; ++i) {
            const float x = argument(random);
            calculator.Prepare(c.text, 0, 0, 0, x);
            const float value = calculator.Evaluate();
            ASSERT_EQ(calculator.ErrorCode(), 0) << c.text << " " << x;
            const auto expected = static_cast<float>(c.reference(x));
            ASSERT_LE(UlpDistance(value, expected), c.ulps)
                << c.text << " at " << x << ": " << value << " vs " << expected;
        }
    }
}

} // namespace
