// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/Calculator.h"

#include "formula/Mathe.h"
#include "formula/TokenTable.h"

#include <cmath>

// Constants and functions of the formula language: what follows a recognised name.

using namespace CalcError;

namespace {

float ApplyOne(Mathe::EvalState& state, uint8_t code, float x) {
    switch (code) {
    case FnExp:
        return Mathe::Exp(state, x);
    case FnFak:
        return Mathe::Factorial(state, x);
    case FnLn:
        return Mathe::Ln(state, x);
    case FnLd:
        return Mathe::Ld(state, x);
    case FnLg:
        return Mathe::Lg(state, x);
    case FnAbs:
        return Mathe::Abs(x);
    case FnInt:
        return Mathe::Int(x);
    case FnNot:
        return Mathe::Not(state, x);
    case FnSign:
        return Mathe::Sign(x);
    case FnFrac:
        return Mathe::Frac(state, x);
    case FnSqrt:
        return Mathe::Sqrt(state, x);
    case FnSin:
        return Mathe::Sin(state, x);
    case FnCos:
        return Mathe::Cos(state, x);
    case FnTan:
        return Mathe::Tan(state, x);
    case FnCot:
        return Mathe::Cot(state, x);
    case FnSinh:
        return Mathe::Sinh(state, x);
    case FnCosh:
        return Mathe::Cosh(state, x);
    case FnTanh:
        return Mathe::Tanh(state, x);
    case FnCoth:
        return Mathe::Coth(state, x);
    case FnArcSin:
        return Mathe::ArcSin(state, x);
    case FnArcCos:
        return Mathe::ArcCos(state, x);
    case FnArcTan:
        return Mathe::ArcTan(state, x);
    case FnArcCot:
        return Mathe::ArcCot(state, x);
    case FnArSinh:
        return Mathe::ArSinh(state, x);
    case FnArCosh:
        return Mathe::ArCosh(state, x);
    case FnArTanh:
        return Mathe::ArTanh(state, x);
    case FnArCoth:
        return Mathe::ArCoth(state, x);
    case FnRad:
        return Mathe::Rad(state, x);
    default: // FnDeg
        return Mathe::Deg(state, x);
    }
}

float ApplyTwo(Mathe::EvalState& state, uint8_t code, float a, float b) {
    switch (code) {
    case FnRdm:
        return Mathe::RandomBetween(state, a, b);
    case FnLog:
        return Mathe::Log(state, a, b);
    case FnRdl:
        return Mathe::RandomLogarithmic(state, a, b);
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
        return Mathe::ToFloat(state_, std::exp(1.0L));
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
    if (!Ok()) return 0;
    return ApplyOne(state_, code, x);
}

float TCalculator::TwoArguments(uint8_t code) {
    // Each argument is a signed factor, not a sum: LOG[(N+1);2].
    if (!Expect('[', BracketOpenExpected)) return 0;
    const float a = SignedFactor();
    if (!Ok() || !Expect(';', SemicolonExpected)) return 0;
    const float b = SignedFactor();
    if (!Ok() || !Expect(']', BracketCloseExpected)) return 0;
    return ApplyTwo(state_, code, a, b);
}
