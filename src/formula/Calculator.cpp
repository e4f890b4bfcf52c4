// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/Calculator.h"

#include "formula/Mathe.h"
#include "formula/NumberScan.h"
#include "formula/TokenTable.h"

#include <cmath>

using namespace CalcError;

namespace {

constexpr std::size_t MaxTextLength = 255;

bool IsLetter(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

float Bitwise(uint32_t pattern) {
    return static_cast<float>(static_cast<int32_t>(pattern));
}

uint32_t Bits(float x) {
    return static_cast<uint32_t>(Mathe::RoundLimited(x));
}

} // namespace

void TCalculator::Prepare(const std::string& text, float k, float l, float m, float n) {
    k_ = k;
    l_ = l;
    m_ = m;
    n_ = n;
    text_.assign(text, 0, MaxTextLength); // keeps the buffer of the previous text
    // Without branches the compiler handles many bytes at once: a text is prepared again for
    // every harmonic.
    for (char& c : text_) {
        const auto u = static_cast<unsigned char>(c);
        c = static_cast<char>(static_cast<unsigned char>(u - 'a') < 26 ? u - ('a' - 'A')
                              : u == ','                               ? '.'
                                                                       : u);
    }
}

float TCalculator::Evaluate() {
    state_.ClearError();
    pos_ = 1;
    SkipBlanks();
    const float value = Sum();
    SkipBlanks();
    if (pos_ <= text_.size()) state_.SetError(Current() == ')' ? OpenExpected : SyntaxError);
    return Ok() ? value : 0;
}

const char* CalcErrorText(uint16_t code) {
    // Codes 22 to 32; 25 and 29 are never raised but keep their texts.
    static constexpr const char* Texts[] = {
        QT_TRANSLATE_NOOP("Wellenwerk", "ungültige Dezimalzahl"),
        QT_TRANSLATE_NOOP("Wellenwerk", "Überlauf"),
        QT_TRANSLATE_NOOP("Wellenwerk", "Syntaxfehler"),
        QT_TRANSLATE_NOOP("Wellenwerk", "Ergebnis der Funktion nicht definiert"),
        QT_TRANSLATE_NOOP("Wellenwerk", ") erwartet"),
        QT_TRANSLATE_NOOP("Wellenwerk", "( erwartet"),
        QT_TRANSLATE_NOOP("Wellenwerk", "Division durch Null"),
        QT_TRANSLATE_NOOP("Wellenwerk", ", erwartet"),
        QT_TRANSLATE_NOOP("Wellenwerk", "[ erwartet"),
        QT_TRANSLATE_NOOP("Wellenwerk", "] erwartet"),
        QT_TRANSLATE_NOOP("Wellenwerk", "; erwartet"),
    };
    if (code >= InvalidNumber && code <= SemicolonExpected) return Texts[code - InvalidNumber];
    if (code == 99) return QT_TRANSLATE_NOOP("Wellenwerk", "Fehler in Unit Math");
    return Mathe::MathErrorText(code);
}

unsigned char TCalculator::Current() const {
    return pos_ <= text_.size() ? static_cast<unsigned char>(text_[pos_ - 1]) : ' ';
}

void TCalculator::SkipBlanks() {
    while (pos_ <= text_.size() && static_cast<unsigned char>(text_[pos_ - 1]) <= ' ') ++pos_;
}

uint8_t TCalculator::MatchOperator(uint8_t first, uint8_t last) {
    const std::string_view rest = std::string_view(text_).substr(pos_ - 1);
    for (uint8_t code = last; code >= first; --code) {
        const std::string_view name = TokenTable[code];
        // The first byte rules out almost every operator cheaply.
        if (!rest.empty() && rest[0] == name[0] && rest.starts_with(name)) {
            pos_ += static_cast<uint16_t>(name.size());
            SkipBlanks();
            token_ = code;
            return code;
        }
    }
    return 0;
}

bool TCalculator::Expect(char c, uint16_t missingError) {
    if (Current() != static_cast<unsigned char>(c)) {
        state_.SetError(missingError);
        return false;
    }
    ++pos_;
    SkipBlanks();
    return true;
}

float TCalculator::Sum() {
    if (!Ok()) return 0;
    float a = Product();
    while (Ok()) {
        const uint8_t op = MatchOperator(OpPlus, OpXor);
        if (op == 0) break;
        const float b = Product();
        if (!Ok()) break;
        switch (op) {
        case OpPlus:
            a = Mathe::ToFloat(state_, static_cast<long double>(a) + b);
            break;
        case OpMinus:
            a = Mathe::ToFloat(state_, static_cast<long double>(a) - b);
            break;
        case OpOr:
            a = Bitwise(Bits(a) | Bits(b));
            break;
        default: // OpXor
            a = Bitwise(Bits(a) ^ Bits(b));
            break;
        }
    }
    return a;
}

float TCalculator::Product() {
    if (!Ok()) return 0;
    float a = PowerTerm();
    while (Ok()) {
        const uint8_t op = MatchOperator(OpTimes, OpShr);
        if (op == 0) break;
        const float b = PowerTerm();
        if (!Ok()) break;
        if (b == 0 && (op == OpSlash || op == OpMod || op == OpDiv)) {
            state_.SetError(DivisionByZero);
            break;
        }
        const long double x = a;
        switch (op) {
        case OpTimes:
            a = Mathe::ToFloat(state_, x * b);
            break;
        case OpSlash:
            a = Mathe::ToFloat(state_, x / b);
            break;
        case OpMod:
            a = Mathe::ToFloat(state_, x - std::trunc(x / b) * b);
            break;
        case OpDiv:
            a = Mathe::ToFloat(state_, std::trunc(x / b));
            break;
        case OpAnd:
            a = Bitwise(Bits(a) & Bits(b));
            break;
        case OpShl:
            a = Bitwise(Bits(a) << (Bits(b) & 31));
            break;
        default: // OpShr: zeros enter at the top
            a = Bitwise(Bits(a) >> (Bits(b) & 31));
            break;
        }
    }
    return a;
}

float TCalculator::PowerTerm() {
    if (!Ok()) return 0;
    float a = SignedFactor();
    while (Ok() && MatchOperator(OpCaret, OpCaret) != 0) {
        const float b = SignedFactor();
        if (!Ok()) break;
        a = Mathe::Power(state_, a, b);
    }
    return a;
}

float TCalculator::SignedFactor() {
    if (!Ok()) return 0;
    const unsigned char c = Current();
    const bool negative = c == '-';
    if (negative || c == '+') {
        ++pos_;
        SkipBlanks();
    }
    const float value = Factor(); // a second sign is no factor: a syntax error
    return negative ? -value : value;
}

float TCalculator::Factor() {
    if (!Ok()) return 0;
    const unsigned char c = Current();
    if (c == '(') {
        ++pos_;
        SkipBlanks();
        const float value = Sum();
        if (!Ok()) return 0;
        SkipBlanks();
        return Expect(')', CloseExpected) ? value : 0;
    }
    if (IsDigit(c)) return Number();
    if (c == ')') return state_.Failed(OpenExpected);
    return Name();
}

float TCalculator::Number() {
    const std::size_t start = pos_ - 1;
    const std::size_t end = NumberRunEnd(text_, start);
    pos_ = static_cast<uint16_t>(end + 1);
    const NumberValue number = ConvertNumber(std::string_view(text_).substr(start, end - start));
    if (number.status == NumberStatus::Invalid) return state_.Failed(InvalidNumber);
    if (number.status == NumberStatus::Overflow) return state_.Failed(Mathe::Overflow);
    SkipBlanks();
    return number.value;
}

float TCalculator::Name() {
    if (!IsLetter(Current())) return state_.Failed(SyntaxError);
    const std::size_t start = pos_ - 1;
    std::size_t end = start;
    while (end < text_.size() && (IsLetter(text_[end]) || IsDigit(text_[end]))) ++end;
    const std::string_view name = std::string_view(text_).substr(start, end - start);
    pos_ = static_cast<uint16_t>(end + 1);
    SkipBlanks();
    for (uint8_t code = FirstNamedToken; code <= LastToken; ++code) {
        const std::string_view entry = TokenTable[code];
        if (name.size() == entry.size() && name[0] == entry[0] && name == entry) {
            token_ = code;
            return Function(code);
        }
    }
    if (name == "K") return k_;
    if (name == "L") return l_;
    if (name == "M") return m_;
    if (name == "N") return n_;
    return state_.Failed(SyntaxError);
}
