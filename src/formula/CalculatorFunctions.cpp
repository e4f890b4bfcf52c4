#include "formula/Calculator.h"

#include "formula/Mathe.h"
#include "formula/TokenTable.h"

#include <cmath>

// Constants and functions of the formula language: what follows a recognised name.

using Mathe::ErrorCode;
using namespace CalcError;

namespace {

float ApplyOne(uint8_t code, float x) {
    switch (code) {
    case FnExp:
        return Mathe::Exp(x);
    case FnFak:
        return Mathe::Factorial(x);
    case FnLn:
        return Mathe::Ln(x);
    case FnLd:
        return Mathe::Ld(x);
    case FnLg:
        return Mathe::Lg(x);
    case FnAbs:
        return Mathe::Abs(x);
    case FnInt:
        return Mathe::Int(x);
    case FnNot:
        return Mathe::Not(x);
    case FnSign:
        return Mathe::Sign(x);
    case FnFrac:
        return Mathe::Frac(x);
    case FnSqrt:
        return Mathe::Sqrt(x);
    case FnSin:
        return Mathe::Sin(x);
    case FnCos:
        return Mathe::Cos(x);
    case FnTan:
        return Mathe::Tan(x);
    case FnCot:
        return Mathe::Cot(x);
    case FnSinh:
        return Mathe::Sinh(x);
    case FnCosh:
        return Mathe::Cosh(x);
    case FnTanh:
        return Mathe::Tanh(x);
    case FnCoth:
        return Mathe::Coth(x);
    case FnArcSin:
        return Mathe::ArcSin(x);
    case FnArcCos:
        return Mathe::ArcCos(x);
    case FnArcTan:
        return Mathe::ArcTan(x);
    case FnArcCot:
        return Mathe::ArcCot(x);
    case FnArSinh:
        return Mathe::ArSinh(x);
    case FnArCosh:
        return Mathe::ArCosh(x);
    case FnArTanh:
        return Mathe::ArTanh(x);
    case FnArCoth:
        return Mathe::ArCoth(x);
    case FnRad:
        return Mathe::Rad(x);
    default: // FnDeg
        return Mathe::Deg(x);
    }
}

float ApplyTwo(uint8_t code, float a, float b) {
    switch (code) {
    case FnRdm:
        return Mathe::RandomBetween(a, b);
    case FnLog:
        return Mathe::Log(a, b);
    case FnRdl:
        return Mathe::RandomLogarithmic(a, b);
    case FnGgt:
        return Mathe::Gcd(a, b);
    default: // FnKgv
        return Mathe::Lcm(a, b);
    }
}

} // namespace

float TCalculator::Function(uint8_t code) {
    switch (code) {
    case ConstE:
        return Mathe::ToFloat(std::exp(1.0L));
    case ConstPi:
        return Mathe::Pi;
    case FnRdm:
    case FnLog:
    case FnRdl:
    case FnGgt:
    case FnKgv:
        return TwoArguments(code);
    default:
        break;
    }
    // A one-argument function applies to the signed factor that follows, so SIN N^2 is
    // (sin n)^2 and SIN COS N is sin(cos n).
    const float x = SignedFactor();
    if (ErrorCode != 0) return 0;
    return ApplyOne(code, x);
}

float TCalculator::TwoArguments(uint8_t code) {
    // Each argument is a signed factor, not a sum: LOG[(N+1);2].
    if (!Expect('[', BracketOpenExpected)) return 0;
    const float a = SignedFactor();
    if (ErrorCode != 0 || !Expect(';', SemicolonExpected)) return 0;
    const float b = SignedFactor();
    if (ErrorCode != 0 || !Expect(']', BracketCloseExpected)) return 0;
    return ApplyTwo(code, a, b);
}
