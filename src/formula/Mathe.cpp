// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/Mathe.h"

#include "signal/ExtendedTrig.h"
#include "text/TranslatableText.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <utility>

namespace Mathe {

namespace {

// Every extended value below this magnitude rounds to a finite float; from here on the
// rounding gives infinity (the halfway point above the largest float rounds up).
constexpr long double FloatLimit = 0x1p128L - 0x1p103L;

bool FitsFloat(long double x) {
    return std::fabs(x) < FloatLimit; // false for NaN too
}

int32_t GcdInt(int32_t p, int32_t q) {
    while (p != 0 && q != 0) {
        p %= q;
        if (p > 0) q %= p;
    }
    return p + q;
}

} // namespace

EvalState::EvalState()
    : generator_(
          static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

float EvalState::Random() {
    return static_cast<float>(generator_() >> 8) * 0x1p-24f; // 24 bits: never reaches 1
}

float ToFloat(EvalState& state, long double x) {
    return FitsFloat(x) ? static_cast<float>(x) : state.Failed(Overflow);
}

int32_t RoundLimited(float x) {
    if (std::fabs(static_cast<double>(x)) < 2147483647.0)
        return static_cast<int32_t>(std::nearbyint(x));
    return x >= 0 ? 2147483647 : -2147483647;
}

const char* MathErrorText(uint16_t code) {
    static constexpr const char* Texts[] = {
        "",
        QT_TRANSLATE_NOOP("Wellenwerk", "n!: n<1"),
        QT_TRANSLATE_NOOP("Wellenwerk", "log(x): x<=0 oder Basis=1"),
        QT_TRANSLATE_NOOP("Wellenwerk", "0 hoch 0 nicht definiert"),
        QT_TRANSLATE_NOOP("Wellenwerk", "Exponent ist Bruch"),
        QT_TRANSLATE_NOOP("Wellenwerk", "coth(x): x=0"),
        QT_TRANSLATE_NOOP("Wellenwerk", "arcosh(x): x<0"),
        QT_TRANSLATE_NOOP("Wellenwerk", "artanh(x): |x|>=1"),
        QT_TRANSLATE_NOOP("Wellenwerk", "arcoth(x): |x|<=1"),
        QT_TRANSLATE_NOOP("Wellenwerk", "tan(x): x=Pi/2+k*Pi; k=0,1,2.."),
        QT_TRANSLATE_NOOP("Wellenwerk", "cot(x): x=k*Pi; k=0,1,2.."),
        QT_TRANSLATE_NOOP("Wellenwerk", "arcsin(x): |x|>1"),
        QT_TRANSLATE_NOOP("Wellenwerk", "arccos(x): |x|>1"),
        QT_TRANSLATE_NOOP("Wellenwerk", "Wurzel aus negativer Zahl"),
    };
    return code <= SqrtNegative ? Texts[code] : "";
}

// The functions below are applied only while no error is pending, so a code found set
// after an inner step was raised by that step.

float Power(EvalState& state, float a, float b) {
    if (a == 0 && b == 0) return state.Failed(ZeroPowerZero);
    if (a > 0) return ToFloat(state, std::exp(b * std::log(static_cast<long double>(a))));
    if (a == 0) return 0;
    if (std::trunc(b) != b) return state.Failed(FractionalExponent);
    const long double magnitude = std::exp(b * std::log(-static_cast<long double>(a)));
    return ToFloat(state, std::fmod(b, 2.0f) != 0 ? -magnitude : magnitude);
}

float Exp(EvalState& state, float x) {
    return ToFloat(state, std::exp(static_cast<long double>(x)));
}

float Factorial(EvalState& state, float x) {
    const int32_t n = RoundLimited(x);
    if (n < 0) return state.Failed(FactorialNegative);
    // (8k)! for k = 0..4, each rounded to a float; from 35! on nothing fits, so larger
    // arguments start at 32! and overflow on the way.
    static constexpr float Tabulated[] = {1.0f, 40320.0f, 0x1.307778p+44f, 0x1.06c526p+79f,
                                          0x1.956ad0p+117f};
    const int32_t k = std::min(n / 8, 4);
    float result = Tabulated[k];
    for (int32_t i = 8 * k + 1; i <= n; ++i) {
        const long double next = static_cast<long double>(result) * i;
        if (!FitsFloat(next)) return ToFloat(state, next);
        result = static_cast<float>(next);
    }
    return result;
}

float Ln(EvalState& state, float x) {
    if (x <= 0) return state.Failed(LogDomain);
    return ToFloat(state, std::log(static_cast<long double>(x)));
}

float Ld(EvalState& state, float x) {
    if (x <= 0) return state.Failed(LogDomain);
    return ToFloat(state, std::log(static_cast<long double>(x)) * InvLn2);
}

float Lg(EvalState& state, float x) {
    if (x <= 0) return state.Failed(LogDomain);
    return ToFloat(state, std::log(static_cast<long double>(x)) * InvLn10);
}

float Abs(float x) {
    return std::fabs(x);
}

float Int(float x) {
    return std::trunc(x);
}

float Not(EvalState& state, float x) {
    return ToFloat(state, -std::trunc(static_cast<long double>(x)) - 1);
}

float Sign(float x) {
    return x >= 0 ? 1.0f : -1.0f;
}

float Frac(EvalState& state, float x) {
    return ToFloat(state, x - std::trunc(static_cast<long double>(x)));
}

float Sqrt(EvalState& state, float x) {
    if (x < 0) return state.Failed(SqrtNegative);
    return ToFloat(state, std::sqrt(static_cast<long double>(x)));
}

float Sin(EvalState& state, float x) {
    return ToFloat(state, SinExtended(x));
}

float Cos(EvalState& state, float x) {
    return ToFloat(state, CosExtended(x));
}

float Tan(EvalState& state, float x) {
    const float c = ToFloat(state, CosExtended(x));
    if (c == 0) return state.Failed(TanPole);
    return ToFloat(state, SinExtended(x) / c);
}

float Cot(EvalState& state, float x) {
    const float s = ToFloat(state, SinExtended(x));
    if (s == 0) return state.Failed(CotPole);
    return ToFloat(state, CosExtended(x) / s);
}

// The hyperbolic functions and their inverses use the library's extended functions rather
// than the textbook forms with exponentials and logarithms: those cancel for small arguments
// (SINH 1E-15, ARTANH 1E-9, ARSINH -1000) and overflow on the way to a finite result
// (TANH 100, COTH 100, ARSINH 1E20). Results outside the float range still overflow.

float Sinh(EvalState& state, float x) {
    return ToFloat(state, sinhl(x));
}

float Cosh(EvalState& state, float x) {
    return ToFloat(state, coshl(x));
}

float Tanh(EvalState& state, float x) {
    return ToFloat(state, tanhl(x));
}

float Coth(EvalState& state, float x) {
    if (x == 0) return state.Failed(CothZero);
    return ToFloat(state, 1.0L / tanhl(x)); // overflows only for the tiniest subnormal arguments
}

float ArcSin(EvalState& state, float x) {
    if (x < -1 || x > 1) return state.Failed(ArcsinDomain);
    if (x == 1 || x == -1) return ToFloat(state, static_cast<long double>(x) * HalfPi);
    const float square = ToFloat(state, static_cast<long double>(x) * x);
    return ToFloat(state, std::atan(x / std::sqrt(1 - static_cast<long double>(square))));
}

float ArcCos(EvalState& state, float x) {
    if (x < -1 || x > 1) return state.Failed(ArccosDomain);
    return ToFloat(state, static_cast<long double>(HalfPi) - ArcSin(state, x));
}

float ArcTan(EvalState& state, float x) {
    return ToFloat(state, std::atan(static_cast<long double>(x)));
}

float ArcCot(EvalState& state, float x) {
    return ToFloat(state, HalfPi - std::atan(static_cast<long double>(x)));
}

float ArSinh(EvalState& state, float x) {
    return ToFloat(state, asinhl(x));
}

float ArCosh(EvalState& state, float x) {
    if (-1 < x && x < 1) return state.Failed(ArcoshDomain);
    // ln(x + sqrt(x^2 - 1)) takes the logarithm of a number <= 0 here.
    if (x <= -1) return state.Failed(LogDomain);
    return ToFloat(state, acoshl(x));
}

float ArTanh(EvalState& state, float x) {
    if (!(-1 < x && x < 1)) return state.Failed(ArtanhDomain);
    return ToFloat(state, atanhl(x));
}

float ArCoth(EvalState& state, float x) {
    if (-1 <= x && x <= 1) return state.Failed(ArcothDomain);
    return ToFloat(state, atanhl(1.0L / x)); // arcoth x = artanh(1/x)
}

float Rad(EvalState& state, float x) {
    return ToFloat(state, static_cast<long double>(x) * DegToRad);
}

float Deg(EvalState& state, float x) {
    return ToFloat(state, static_cast<long double>(x) * RadToDeg);
}

float Log(EvalState& state, float a, float base) {
    if (!(a > 0 && base > 0 && base != 1)) return state.Failed(LogDomain);
    return ToFloat(state, std::log(static_cast<long double>(a)) /
                              std::log(static_cast<long double>(base)));
}

float RandomBetween(EvalState& state, float a, float b) {
    return ToFloat(state, a + state.Random() * (static_cast<long double>(b) - a));
}

float RandomLogarithmic(EvalState& state, float a, float b) {
    if (a > b) std::swap(a, b);
    if (a > 0 && b > 0) {
        const long double lnA = std::log(static_cast<long double>(a));
        const long double lnB = std::log(static_cast<long double>(b));
        return ToFloat(state, std::exp(lnA + state.Random() * (lnB - lnA)));
    }
    return RandomBetween(state, a, b);
}

float Gcd(float a, float b) {
    return static_cast<float>(GcdInt(std::abs(RoundLimited(a)), std::abs(RoundLimited(b))));
}

float Lcm(float a, float b) {
    const int32_t A = RoundLimited(a);
    const int32_t B = RoundLimited(b);
    if (A == 0 || B == 0) return 0;
    const int32_t quotient = A / GcdInt(std::abs(A), std::abs(B));
    // Signed 32-bit product that wraps on overflow.
    const auto product = static_cast<uint32_t>(quotient) * static_cast<uint32_t>(B);
    return static_cast<float>(static_cast<int32_t>(product));
}

} // namespace Mathe
