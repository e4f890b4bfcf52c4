#include "formula/Mathe.h"

#include "signal/ExtendedTrig.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <utility>

namespace Mathe {

uint16_t ErrorCode = 0;

namespace {

// Every extended value below this magnitude rounds to a finite float; from here on the
// rounding gives infinity (the halfway point above the largest float rounds up).
constexpr long double FloatLimit = 0x1p128L - 0x1p103L;

bool FitsFloat(long double x) {
    return std::fabs(x) < FloatLimit; // false for NaN too
}

std::mt19937
    generator(static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));

int32_t GcdInt(int32_t p, int32_t q) {
    while (p != 0 && q != 0) {
        p %= q;
        if (p > 0) q %= p;
    }
    return p + q;
}

} // namespace

void SetError(uint16_t code) {
    if (ErrorCode == 0) ErrorCode = code;
}

float Failed(uint16_t code) {
    SetError(code);
    return 0;
}

float ToFloat(long double x) {
    return FitsFloat(x) ? static_cast<float>(x) : Failed(Overflow);
}

int32_t RoundLimited(float x) {
    if (std::fabs(static_cast<double>(x)) < 2147483647.0)
        return static_cast<int32_t>(std::nearbyint(x));
    return x >= 0 ? 2147483647 : -2147483647;
}

std::string MathErrorText(uint16_t code) {
    static constexpr const char* Texts[] = {
        "",
        "n!: n<1",
        "log(x): x<=0 oder Basis=1",
        "0 hoch 0 nicht definiert",
        "Exponent ist Bruch",
        "coth(x): x=0",
        "arcosh(x): x<0",
        "artanh(x): |x|>=1",
        "arcoth(x): |x|<=1",
        "tan(x): x=Pi/2+k*Pi; k=0,1,2..",
        "cot(x): x=k*Pi; k=0,1,2..",
        "arcsin(x): |x|>1",
        "arccos(x): |x|>1",
        "Wurzel aus negativer Zahl",
    };
    return code <= SqrtNegative ? Texts[code] : "";
}

float Random() {
    return static_cast<float>(generator() >> 8) * 0x1p-24f; // 24 bits: never reaches 1
}

// The functions below are applied only while no error is pending, so a code found set
// after an inner step was raised by that step.

float Power(float a, float b) {
    if (a == 0 && b == 0) return Failed(ZeroPowerZero);
    if (a > 0) return ToFloat(std::exp(b * std::log(static_cast<long double>(a))));
    if (a == 0) return 0;
    if (std::trunc(b) != b) return Failed(FractionalExponent);
    const long double magnitude = std::exp(b * std::log(-static_cast<long double>(a)));
    return ToFloat(std::fmod(b, 2.0f) != 0 ? -magnitude : magnitude);
}

float Exp(float x) {
    return ToFloat(std::exp(static_cast<long double>(x)));
}

float Factorial(float x) {
    const int32_t n = RoundLimited(x);
    if (n < 0) return Failed(FactorialNegative);
    // (8k)! for k = 0..4, each rounded to a float; from 35! on nothing fits, so larger
    // arguments start at 32! and overflow on the way.
    static constexpr float Tabulated[] = {1.0f, 40320.0f, 0x1.307778p+44f, 0x1.06c526p+79f,
                                          0x1.956ad0p+117f};
    const int32_t k = std::min(n / 8, 4);
    float result = Tabulated[k];
    for (int32_t i = 8 * k + 1; i <= n; ++i) {
        const long double next = static_cast<long double>(result) * i;
        if (!FitsFloat(next)) return ToFloat(next);
        result = static_cast<float>(next);
    }
    return result;
}

float Ln(float x) {
    if (x <= 0) return Failed(LogDomain);
    return ToFloat(std::log(static_cast<long double>(x)));
}

float Ld(float x) {
    if (x <= 0) return Failed(LogDomain);
    return ToFloat(std::log(static_cast<long double>(x)) * InvLn2);
}

float Lg(float x) {
    if (x <= 0) return Failed(LogDomain);
    return ToFloat(std::log(static_cast<long double>(x)) * InvLn10);
}

float Abs(float x) {
    return std::fabs(x);
}

float Int(float x) {
    return std::trunc(x);
}

float Not(float x) {
    return ToFloat(-std::trunc(static_cast<long double>(x)) - 1);
}

float Sign(float x) {
    return x >= 0 ? 1.0f : -1.0f;
}

float Frac(float x) {
    return ToFloat(x - std::trunc(static_cast<long double>(x)));
}

float Sqrt(float x) {
    if (x < 0) return Failed(SqrtNegative);
    return ToFloat(std::sqrt(static_cast<long double>(x)));
}

float Sin(float x) {
    return ToFloat(SinExtended(x));
}

float Cos(float x) {
    return ToFloat(CosExtended(x));
}

float Tan(float x) {
    const float c = ToFloat(CosExtended(x));
    if (c == 0) return Failed(TanPole);
    return ToFloat(SinExtended(x) / c);
}

float Cot(float x) {
    const float s = ToFloat(SinExtended(x));
    if (s == 0) return Failed(CotPole);
    return ToFloat(CosExtended(x) / s);
}

// The hyperbolic functions and their inverses use the library's extended functions rather
// than the textbook forms with exponentials and logarithms: those cancel for small arguments
// (SINH 1E-15, ARTANH 1E-9, ARSINH -1000) and overflow on the way to a finite result
// (TANH 100, COTH 100, ARSINH 1E20). Results outside the float range still overflow.

float Sinh(float x) {
    return ToFloat(sinhl(x));
}

float Cosh(float x) {
    return ToFloat(coshl(x));
}

float Tanh(float x) {
    return ToFloat(tanhl(x));
}

float Coth(float x) {
    if (x == 0) return Failed(CothZero);
    return ToFloat(1.0L / tanhl(x)); // overflows only for the tiniest subnormal arguments
}

float ArcSin(float x) {
    if (x < -1 || x > 1) return Failed(ArcsinDomain);
    if (x == 1 || x == -1) return ToFloat(static_cast<long double>(x) * HalfPi);
    const float square = ToFloat(static_cast<long double>(x) * x);
    return ToFloat(std::atan(x / std::sqrt(1 - static_cast<long double>(square))));
}

float ArcCos(float x) {
    if (x < -1 || x > 1) return Failed(ArccosDomain);
    return ToFloat(static_cast<long double>(HalfPi) - ArcSin(x));
}

float ArcTan(float x) {
    return ToFloat(std::atan(static_cast<long double>(x)));
}

float ArcCot(float x) {
    return ToFloat(HalfPi - std::atan(static_cast<long double>(x)));
}

float ArSinh(float x) {
    return ToFloat(asinhl(x));
}

float ArCosh(float x) {
    if (-1 < x && x < 1) return Failed(ArcoshDomain);
    // ln(x + sqrt(x^2 - 1)) takes the logarithm of a number <= 0 here.
    if (x <= -1) return Failed(LogDomain);
    return ToFloat(acoshl(x));
}

float ArTanh(float x) {
    if (!(-1 < x && x < 1)) return Failed(ArtanhDomain);
    return ToFloat(atanhl(x));
}

float ArCoth(float x) {
    if (-1 <= x && x <= 1) return Failed(ArcothDomain);
    return ToFloat(atanhl(1.0L / x)); // arcoth x = artanh(1/x)
}

float Rad(float x) {
    return ToFloat(static_cast<long double>(x) * DegToRad);
}

float Deg(float x) {
    return ToFloat(static_cast<long double>(x) * RadToDeg);
}

float Log(float a, float base) {
    if (!(a > 0 && base > 0 && base != 1)) return Failed(LogDomain);
    return ToFloat(std::log(static_cast<long double>(a)) /
                   std::log(static_cast<long double>(base)));
}

float RandomBetween(float a, float b) {
    return ToFloat(a + Random() * (static_cast<long double>(b) - a));
}

float RandomLogarithmic(float a, float b) {
    if (a > b) std::swap(a, b);
    if (a > 0 && b > 0) {
        const long double lnA = std::log(static_cast<long double>(a));
        const long double lnB = std::log(static_cast<long double>(b));
        return ToFloat(std::exp(lnA + Random() * (lnB - lnA)));
    }
    return RandomBetween(a, b);
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
