#pragma once

#include <cstdint>
#include <string>

// The maths functions of the formula language with their domain checks. Every function
// takes and returns 32-bit floats; it computes in extended precision and rounds to float
// where the language defines it. Errors are reported through the module-wide ErrorCode
// (0 = none), never by exceptions: a function that fails leaves the code set and returns 0.
// The first error wins: a code already set is never overwritten.
namespace Mathe {

// Shared by every calculator and every function of this module.
extern uint16_t ErrorCode;

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

// Records `code` unless an earlier error is pending.
void SetError(uint16_t code);
// SetError(code), then the result of a failed step: 0.
float Failed(uint16_t code);

// Rounds an extended intermediate result to a float. A result outside the float range
// (or not a number) is an arithmetic fault: it records Overflow and gives 0, so no
// infinity or NaN ever reaches a caller.
float ToFloat(long double x);

// Nearest integer with halves to even, limited to +-2147483647.
int32_t RoundLimited(float x);

// The message for an error of this module (codes 1 to 13); empty for any other code.
std::string MathErrorText(uint16_t code);

// Uniform pseudo-random number in [0, 1), seeded from the clock at start.
float Random();

float Power(float a, float b);
float Exp(float x);
float Factorial(float x);
float Ln(float x);
float Ld(float x);
float Lg(float x);
float Abs(float x);
float Int(float x);
float Not(float x);
float Sign(float x);
float Frac(float x);
float Sqrt(float x);
float Sin(float x);
float Cos(float x);
float Tan(float x);
float Cot(float x);
float Sinh(float x);
float Cosh(float x);
float Tanh(float x);
float Coth(float x);
float ArcSin(float x);
float ArcCos(float x);
float ArcTan(float x);
float ArcCot(float x);
float ArSinh(float x);
float ArCosh(float x);
float ArTanh(float x);
float ArCoth(float x);
float Rad(float x);
float Deg(float x);
float Log(float a, float base);
float RandomBetween(float a, float b);
float RandomLogarithmic(float a, float b);
float Gcd(float a, float b);
float Lcm(float a, float b);

} // namespace Mathe
