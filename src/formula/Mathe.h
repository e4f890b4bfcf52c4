// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>
#include <string>

// The maths functions of the formula language with their domain checks. Every function
// takes and returns 32-bit floats; it computes in extended precision and rounds to float
// where the language defines it. Errors are recorded in the EvalState the caller hands in,
// never thrown: a function that fails records its code there and returns 0.
namespace Mathe {

// What an evaluation carries besides its text: the first error met (0 = none) and the
// generator of the random functions. Each calculator owns one, so evaluations share nothing.
class EvalState {
public:
    // The generator is seeded from the clock.
    EvalState();

    uint16_t Error() const { return error_; }
    void ClearError() { error_ = 0; }
    // Records `code` unless an earlier error is pending: the first error wins.
    void SetError(uint16_t code) {
        if (error_ == 0) error_ = code;
    }
    // SetError(code), then the result of a failed step: 0.
    float Failed(uint16_t code) {
        SetError(code);
        return 0;
    }

    // Uniform pseudo-random number in [0, 1).
    float Random();

private:
    uint16_t error_ = 0;
    std::mt19937 generator_;
};

enum : uint16_t {
    FactorialNegative = 1,
    LogDomain = 2,
    ZeroPowerZero = 3,
    FractionalExponent = 4,
    CothZero = 5,
    ArcoshDomain = 6,
    ArtanhDomain = 7,
    ArcothDomain = 8,
    TanPole = 9,
    CotPole = 10,
    ArcsinDomain = 11,
    ArccosDomain = 12,
    SqrtNegative = 13,
    Overflow = 23,
};

// The language's constants, each held as a 32-bit float.
inline constexpr float HalfPi = 1.5707964f;
inline constexpr float RadToDeg = 57.29578f;
inline constexpr float DegToRad = 0.017453292f;
inline constexpr float InvLn10 = static_cast<float>(0.43429448190325182765L);
inline constexpr float InvLn2 = static_cast<float>(1.44269504088896340736L);
inline constexpr float Pi = 3.1415927f;

// Rounds an extended intermediate result to a float. A result outside the float range
// (or not a number) is an arithmetic fault: it records Overflow and gives 0, so no
// infinity or NaN ever reaches a caller.
float ToFloat(EvalState& state, long double x);

// Nearest integer with halves to even, limited to +-2147483647.
int32_t RoundLimited(float x);

// The message for an error of this module (codes 1 to 13), marked for translation; empty for
// any other code.
const char* MathErrorText(uint16_t code);

// Functions that cannot fail take no state.
float Power(EvalState& state, float a, float b);
float Exp(EvalState& state, float x);
float Factorial(EvalState& state, float x);
float Ln(EvalState& state, float x);
float Ld(EvalState& state, float x);
float Lg(EvalState& state, float x);
float Abs(float x);
float Int(float x);
float Not(EvalState& state, float x);
float Sign(float x);
float Frac(EvalState& state, float x);
float Sqrt(EvalState& state, float x);
float Sin(EvalState& state, float x);
float Cos(EvalState& state, float x);
float Tan(EvalState& state, float x);
float Cot(EvalState& state, float x);
float Sinh(EvalState& state, float x);
float Cosh(EvalState& state, float x);
float Tanh(EvalState& state, float x);
float Coth(EvalState& state, float x);
float ArcSin(EvalState& state, float x);
float ArcCos(EvalState& state, float x);
float ArcTan(EvalState& state, float x);
float ArcCot(EvalState& state, float x);
float ArSinh(EvalState& state, float x);
float ArCosh(EvalState& state, float x);
float ArTanh(EvalState& state, float x);
float ArCoth(EvalState& state, float x);
float Rad(EvalState& state, float x);
float Deg(EvalState& state, float x);
float Log(EvalState& state, float a, float base);
float RandomBetween(EvalState& state, float a, float b);
float RandomLogarithmic(EvalState& state, float a, float b);
float Gcd(float a, float b);
float Lcm(float a, float b);

} // namespace Mathe
