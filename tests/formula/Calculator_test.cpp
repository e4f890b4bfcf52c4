// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/Calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <regex>
#include <string>

namespace {

struct Outcome {
    float value;
    int code;
};

// Evaluates with K = 1, L = 2, M = 3 and the given N.
Outcome Calc(const std::string& text, float n = 3) {
    TCalculator c;
    c.Prepare(text, 1, 2, 3, n);
    const float value = c.Evaluate();
    return {value, c.ErrorCode()};
}

// Each entry reads "formula = value", "formula == exact value" or "formula = #error code";
// entries are separated by "|" or line ends. An error must also give the value 0.
void ExpectTable(const std::string& table) {
    const std::regex entry(R"(\s*([^=|\n]*?)\s*(==?)\s*([^|\n]*?)\s*(\||\n|$))");
    long entries = 0;
    for (auto e = std::sregex_iterator(table.begin(), table.end(), entry);
         e != std::sregex_iterator(); ++e, ++entries) {
        const std::string text = (*e)[1], expected = (*e)[3];
        const Outcome o = Calc(text);
        if (expected[0] == '#') {
            EXPECT_EQ(o.code, std::stoi(expected.substr(1))) << text;
            EXPECT_EQ(o.value, 0.0f) << text;
        } else {
            EXPECT_EQ(o.code, 0) << text;
            if ((*e)[2] == "==")
                EXPECT_EQ(o.value, std::stof(expected)) << text;
            else
                EXPECT_FLOAT_EQ(o.value, std::stof(expected)) << text;
        }
    }
    const std::regex sign("==?");
    EXPECT_EQ(entries, std::distance(std::sregex_iterator(table.begin(), table.end(), sign),
                                     std::sregex_iterator()))
        << "every entry was read";
}

TEST(Calculator, Operators) {
    ExpectTable(R"(
        -2^2 = 4 | 2^3^2 = 64 | 2^-1 = 0.5 | (-2)^3 = -8 | 0^-1 = 0 | -(2^2) = -4 | (-1)^N = -1
        1+2*3 = 7 | (1+2)*3 = 9 | 8/2/2 = 2 | 2*3^2 = 18 | 1-2-3 = -4 | 2 - -3 = 5 | +2 = 2
        7 MOD 2 = 1 | -7 MOD 2 = -1 | 7.5 MOD 2 = 1.5 | -7 DIV 2 = -3 | 5 XOR 1 AND 3 = 4
        2.5 AND 3 = 2 | 3.5 OR 0 = 4 | 1 SHL 33 = 2 | -8 SHR 1 = 0x1p31 | 1 SHL 31 = -0x1p31
        -1 SHR 28 = 15 | 3 XOR5 = 6 | 1,5 + 1 = 2.5 | 1E3 = 1000 | 1.5E-3 = 0.0015 | 2.E1 = 20
        1e+2 = 100 | EXP -200 = 0 | 1E-50 = 0 | K*100+L*10+M+N = 126)");
}

TEST(Calculator, Functions) {
    ExpectTable(R"(
        FAK 0 = 1 | FAK 3.6 = 24 | FAK 10 = 3628800 | FAK 34 = 2.9523279e38 | SIGN 0 = 1
        SIGN -0.1 = -1 | INT -2.5 = -2 | FRAC -2.5 = -0.5 | NOT 5 = -6 | ABS -3 = 3
        GGT[12;18] = 6 | GGT[0;5] = 5 | GGT[0;0] = 0 | GGT[-12;18] = 6 | KGV[4;6] = 12
        KGV[0;5] = 0 | KGV[-4;6] = -12 | KGV[65536;65537] = 65536 | LOG[8;2] = 3
        LOG [ 8 ; 2 ] = 3 | LOG[(N+1);2] = 2 | LD 8 = 3 | LG 1000 = 3 | ARCCOS 1 = 0
        ARCSIN 1 = 1.5707964 | ARCSIN -1 = -1.5707964 | ARCCOT 0 = 1.5707964
        ARSINH 1 = 0.88137359 | ARCOSH 1 = 0 | ARTANH 0.5 = 0.54930614 | ARCOTH 2 = 0.54930614
        SINH 1 = 1.1752012 | TANH 1 = 0.76159416 | COTH 1 = 1.3130353 | RAD 180 = 3.1415925
        DEG PI = 180 | PI = 3.1415927 | E = 2.7182817 | TAN(PI/4) = 1 | COT(PI/4) = 1
        ARSINH -1000 = -7.6009027 | ARSINH -4096 = -9.0109134 | ARSINH 1E20 = 46.744849
        ARTANH 1E-6 = 1E-6 | ARTANH 1E-9 = 1E-9 | ARCOTH 1E8 = 1E-8 | SINH 1E-15 = 1E-15
        TANH 100 = 1 | COTH -90 = -1 | COTH 1E-25 = 1E25 | COS 9E18 = 0.3185001)");
}

TEST(Calculator, RoundingsOfIntermediateResults) {
    // Bit operators round halves to even and limit to +-2147483647; FAK rounds after each
    // factor from a tabulated (8k)!; a result overflows where rounding leaves the range.
    ExpectTable(R"(
        -2.5 OR 0 = -2 | -3.5 OR 0 = -4 | 0.49 OR 0 = 0 | -0.51 OR 0 = -1 | 3E9 AND 255 = 255
        -3E9 AND 255 = 1 | FAK 15 == 1307674279936 | FAK 16 == 20922790576128
        FAK 17 == 355687448182784 | FAK 34 == 2.9523278243171408e+38
        3.4028235E38 + 1E31 == 3.4028235E38 | 3.4028235E38 + 1.1E31 = #23
        -3.4028235E38 - 1.1E31 = #23)");
}

TEST(Calculator, FunctionsApplyToTheFollowingSignedFactor) {
    const float s3 = std::sin(3.0f);
    const struct {
        const char* text;
        float value;
    } cases[] = {{"SIN N^2", s3 * s3},
                 {"SIN -N", -s3},
                 {"sin(n)", s3},
                 {"Sin N", s3},
                 {" sin  ( n ) ", s3},
                 {"SIN+N", s3},
                 {"1\t+\nSIN N", 1 + s3},
                 {"TAN PI/4", std::tan(3.1415927f) / 4},
                 {"SIN COS N", std::sin(std::cos(3.0f))}};
    for (const auto& c : cases) EXPECT_FLOAT_EQ(Calc(c.text).value, c.value) << c.text;
}

TEST(Calculator, Errors) {
    ExpectTable(R"(
        FAK -1 = #1 | LN 0 = #2 | LG 0 = #2 | LD -1 = #2 | LOG[8;1] = #2 | LOG[0;2] = #2
        ARCOSH -1E9 = #2 | ARCOSH -1 = #2 | 0^0 = #3 | (-8)^(1/3) = #4 | COTH 0 = #5
        ARCOSH 0.5 = #6 | ARTANH 1 = #7 | ARTANH -1 = #7 | ARCOTH 1 = #8 | ARCOTH -0.5 = #8
        COT 0 = #10 | ARCSIN 2 = #11 | ARCCOS 2 = #12 | SQRT -1 = #13 | 1E = #22 | 1E+ = #22
        2EXP 1 = #22 | .5 = #24 | SINX = #24 | X = #24 | SINN = #24 | SINH(1)2 = #24
        --2 = #24 | +-2 = #24 | 2 3 = #24 | K2 = #24 | NMOD 2 = #24 | 1+ = #24 | SIN = #24
        (1+2 = #26 | 1+2) = #27 | ) = #27 | 5/0 = #28 | 5 MOD 0 = #28 | 5 DIV 0 = #28
        5/(1-1) = #28 | LOG(8) = #30 | LOG[8;2 = #31 | LOG[8;2) = #31 | LOG[N+1;2] = #32
        LOG[8 2] = #32)");
    for (const char* text : {"", "   ", "\t\n", "\xc3\xa4"}) EXPECT_EQ(Calc(text).code, 24);
}

TEST(Calculator, ResultsBeyondTheFloatRangeAreOverflowErrors) {
    ExpectTable(R"(
        EXP 100 = #23 | FAK 35 = #23 | FAK 1E10 = #23 | 10^39 = #23 | (-10)^39 = #23
        SINH 100 = #23 | SINH -100 = #23 | COSH 100 = #23 | COSH -90 = #23 | EXP 88.8 = #23
        COTH 1E-45 = #23 | 1E39 = #23 | 3E38*10 = #23 | 1E38 DIV 1E-38 = #23 | DEG 1E37 = #23
        3E38+3E38 = #23 | SINH -89.5 = #23 | 100000000000000000000000000000000000000000 = #23)");
}

TEST(Calculator, FirstErrorFromTheLeftWins) {
    ExpectTable(R"(
        1/0 + SQRT -1 = #28 | SQRT -1 + 1/0 = #13 | (1/0 = #28 | X + 1/0 = #24 | LN 0 ) = #2
        EXP 100 + 1/0 = #23 | 1/0 + EXP 100 = #28 | LOG[LN 0;X] = #2 | SIN(1/0) = #28
        1E + ) = #22 | FAK -1 ^ 0^0 = #1)");
}

TEST(Calculator, TextIsCutTo255Characters) {
    std::string sum = "1";
    while (sum.size() < 255) sum += "+1";
    EXPECT_FLOAT_EQ(Calc(sum).value, 128);
    EXPECT_FLOAT_EQ(Calc(sum + "+1000").value, 128);
    EXPECT_EQ(Calc(sum.substr(0, 254) + "+1").code, 24); // cut after the operator
    EXPECT_FLOAT_EQ(Calc("1" + std::string(254, ' ') + "+1").value, 1);
}

TEST(Calculator, DeepNestingWithinTheTextLimit) {
    EXPECT_FLOAT_EQ(Calc(std::string(127, '(') + "1" + std::string(127, ')')).value, 1);
    EXPECT_EQ(Calc(std::string(254, '(') + "1").code, 26);
    EXPECT_EQ(Calc(std::string(300, '(')).code, 24);
    std::string functions;
    while (functions.size() < 250) functions += "SIN -";
    EXPECT_EQ(Calc(functions + "N").code, 0);
}

TEST(Calculator, PrepareTouchesOnlyTextAndVariables) {
    TCalculator c;
    c.Prepare("1/0  ", 0, 0, 0, 0);
    c.Evaluate(); // leaves Pos 6, the error 28 and the token of "/"
    c.Prepare("sin(1,5)\xe4", 1, 2, 3, 4);
    EXPECT_EQ(c.Text(), "SIN(1.5)\xe4");
    EXPECT_EQ(c.Pos(), 6);
    EXPECT_EQ(c.ErrorCode(), 28);
    EXPECT_EQ(c.Token(), 6);
    c.Evaluate();
    EXPECT_EQ(c.Token(), 35); // SIN, the last code recognised
}

TEST(Calculator, EachCalculatorKeepsItsOwnError) {
    TCalculator failing, fine;
    failing.Prepare("1/0", 0, 0, 0, 0);
    fine.Prepare("1", 0, 0, 0, 0);
    failing.Evaluate();
    EXPECT_EQ(fine.Evaluate(), 1);
    EXPECT_EQ(failing.ErrorCode(), 28);
    EXPECT_EQ(fine.ErrorCode(), 0);
}

TEST(Calculator, RandomFunctionsStayInTheirRange) {
    for (int i = 0; i < 200; ++i) {
        const float r = Calc("RDM[1;2]").value, g = Calc("RDL[100;1]").value;
        const float s = Calc("RDL[-1;1]").value;
        EXPECT_TRUE(r >= 1 && r < 2 && g >= 1 && g <= 100 && s >= -1 && s < 1);
    }
}

TEST(Calculator, ErrorTextsOfAllCodes) {
    std::string texts;
    for (int code = 0; code <= 1000; ++code) {
        const std::string text = CalcErrorText(static_cast<uint16_t>(code));
        if (!text.empty()) texts += std::to_string(code) + " " + text + "|";
    }
    EXPECT_EQ(texts, "1 n!: n<1|2 log(x): x<=0 oder Basis=1|3 0 hoch 0 nicht definiert|"
                     "4 Exponent ist Bruch|5 coth(x): x=0|6 arcosh(x): x<0|7 artanh(x): |x|>=1|"
                     "8 arcoth(x): |x|<=1|9 tan(x): x=Pi/2+k*Pi; k=0,1,2..|"
                     "10 cot(x): x=k*Pi; k=0,1,2..|11 arcsin(x): |x|>1|12 arccos(x): |x|>1|"
                     "13 Wurzel aus negativer Zahl|22 ungültige Dezimalzahl|23 Überlauf|"
                     "24 Syntaxfehler|25 Ergebnis der Funktion nicht definiert|26 ) erwartet|"
                     "27 ( erwartet|28 Division durch Null|29 , erwartet|30 [ erwartet|"
                     "31 ] erwartet|32 ; erwartet|99 Fehler in Unit Math|");
}

} // namespace
