// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

// The names the formula scanner recognises, indexed by their code: operators 1..12,
// constants and functions 20..57. Empty entries (13..19, and the reserved 33 and 51)
// never match any input.
enum TokenCode : uint8_t {
    OpPlus = 1,
    OpMinus,
    OpOr,
    OpXor,
    OpTimes,
    OpSlash,
    OpMod,
    OpDiv,
    OpAnd,
    OpShl,
    OpShr,
    OpCaret,
    ConstE = 20,
    ConstPi,
    FnExp,
    FnFak,
    FnLn,
    FnLd,
    FnLg,
    FnAbs,
    FnInt,
    FnNot,
    FnSign,
    FnFrac,
    FnRdm,
    FnReserved33,
    FnSqrt,
    FnSin,
    FnCos,
    FnTan,
    FnCot,
    FnSinh,
    FnCosh,
    FnTanh,
    FnCoth,
    FnArcSin,
    FnArcCos,
    FnArcTan,
    FnArcCot,
    FnArSinh,
    FnArCosh,
    FnArTanh,
    FnArCoth,
    FnReserved51,
    FnLog,
    FnRdl,
    FnRad,
    FnDeg,
    FnGgt,
    FnKgv,
    LastToken = FnKgv,
};

inline constexpr uint8_t FirstNamedToken = ConstE;

inline constexpr std::string_view TokenTable[LastToken + 1] = {
    "",       "+",    "-",    "OR",     "XOR",    "*",      "/",      "MOD",    "DIV",    "AND",
    "SHL",    "SHR",  "^",    "",       "",       "",       "",       "",       "",       "",
    "E",      "PI",   "EXP",  "FAK",    "LN",     "LD",     "LG",     "ABS",    "INT",    "NOT",
    "SIGN",   "FRAC", "RDM",  "",       "SQRT",   "SIN",    "COS",    "TAN",    "COT",    "SINH",
    "COSH",   "TANH", "COTH", "ARCSIN", "ARCCOS", "ARCTAN", "ARCCOT", "ARSINH", "ARCOSH", "ARTANH",
    "ARCOTH", "",     "LOG",  "RDL",    "RAD",    "DEG",    "GGT",    "KGV",
};

static_assert(TokenTable[OpCaret] == "^" && TokenTable[FnReserved33].empty() &&
              TokenTable[FnSqrt] == "SQRT" && TokenTable[FnReserved51].empty() &&
              TokenTable[FnLog] == "LOG" && TokenTable[FnKgv] == "KGV");
