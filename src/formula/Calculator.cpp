#include "formula/Calculator.h"

#include "formula/Mathe.h"
#include "formula/NumberScan.h"
#include "formula/TokenTable.h"

#include <cmath>

using Mathe::ErrorCode;
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
    K = k;
    L = l;
    M = m;
    N = n;
    Text = text.substr(0, MaxTextLength);
    for (char& c : Text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c == ',')
            c = '.';
    }
}

float TCalculator::Evaluate() {
    ErrorCode = 0;
    Pos = 1;
    SkipBlanks();
    const float value = Sum();
    SkipBlanks();
    if (Pos <= Text.size()) Mathe::SetError(Current() == ')' ? OpenExpected : SyntaxError);
    return ErrorCode == 0 ? value : 0;
}

std::string TCalculator::ErrorText() const {
    // Codes 22 to 32; 25 and 29 are never raised but keep their texts.
    static constexpr const char* Texts[] = {
        "ungültige Dezimalzahl",
        "Überlauf",
        "Syntaxfehler",
        "Ergebnis der Funktion nicht definiert",
        ") erwartet",
        "( erwartet",
        "Division durch Null",
        ", erwartet",
        "[ erwartet",
        "] erwartet",
        "; erwartet",
    };
    if (ErrorCode >= InvalidNumber && ErrorCode <= SemicolonExpected)
        return Texts[ErrorCode - InvalidNumber];
    if (ErrorCode == 99) return "Fehler in Unit Math";
    return Mathe::MathErrorText(ErrorCode);
}

unsigned char TCalculator::Current() const {
    return Pos <= Text.size() ? static_cast<unsigned char>(Text[Pos - 1]) : ' ';
}

void TCalculator::SkipBlanks() {
    while (Pos <= Text.size() && static_cast<unsigned char>(Text[Pos - 1]) <= ' ') ++Pos;
}

uint8_t TCalculator::MatchOperator(uint8_t first, uint8_t last) {
    const std::string_view rest = std::string_view(Text).substr(Pos - 1);
    for (uint8_t code = last; code >= first; --code) {
        const std::string_view name = TokenTable[code];
        // The first byte rules out almost every operator cheaply.
        if (!rest.empty() && rest[0] == name[0] && rest.starts_with(name)) {
            Pos += static_cast<uint16_t>(name.size());
            SkipBlanks();
            Token = code;
            return code;
        }
    }
    return 0;
}

bool TCalculator::Expect(char c, uint16_t missingError) {
    if (Current() != static_cast<unsigned char>(c)) {
        Mathe::SetError(missingError);
        return false;
    }
    ++Pos;
    SkipBlanks();
    return true;
}

float TCalculator::Sum() {
    if (ErrorCode != 0) return 0;
    float a = Product();
    while (ErrorCode == 0) {
        const uint8_t op = MatchOperator(OpPlus, OpXor);
        if (op == 0) break;
        const float b = Product();
        if (ErrorCode != 0) break;
        switch (op) {
        case OpPlus:
            a = Mathe::ToFloat(static_cast<long double>(a) + b);
            break;
        case OpMinus:
            a = Mathe::ToFloat(static_cast<long double>(a) - b);
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
    if (ErrorCode != 0) return 0;
    float a = PowerTerm();
    while (ErrorCode == 0) {
        const uint8_t op = MatchOperator(OpTimes, OpShr);
        if (op == 0) break;
        const float b = PowerTerm();
        if (ErrorCode != 0) break;
        if (b == 0 && (op == OpSlash || op == OpMod || op == OpDiv)) {
            Mathe::SetError(DivisionByZero);
            break;
        }
        const long double x = a;
        switch (op) {
        case OpTimes:
            a = Mathe::ToFloat(x * b);
            break;
        case OpSlash:
            a = Mathe::ToFloat(x / b);
            break;
        case OpMod:
            a = Mathe::ToFloat(x - std::trunc(x / b) * b);
            break;
        case OpDiv:
            a = Mathe::ToFloat(std::trunc(x / b));
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
    if (ErrorCode != 0) return 0;
    float a = SignedFactor();
    while (ErrorCode == 0 && MatchOperator(OpCaret, OpCaret) != 0) {
        const float b = SignedFactor();
        if (ErrorCode != 0) break;
        a = Mathe::Power(a, b);
    }
    return a;
}

float TCalculator::SignedFactor() {
    if (ErrorCode != 0) return 0;
    const unsigned char c = Current();
    const bool negative = c == '-';
    if (negative || c == '+') {
        ++Pos;
        SkipBlanks();
    }
    const float value = Factor(); // a second sign is no factor: a syntax error
    return negative ? -value : value;
}

float TCalculator::Factor() {
    if (ErrorCode != 0) return 0;
    const unsigned char c = Current();
    if (c == '(') {
        ++Pos;
        SkipBlanks();
        const float value = Sum();
        if (ErrorCode != 0) return 0;
        SkipBlanks();
        return Expect(')', CloseExpected) ? value : 0;
    }
    if (IsDigit(c)) return Number();
    if (c == ')') return Mathe::Failed(OpenExpected);
    return Name();
}

float TCalculator::Number() {
    const std::size_t start = Pos - 1;
    const std::size_t end = NumberRunEnd(Text, start);
    Pos = static_cast<uint16_t>(end + 1);
    const NumberValue number = ConvertNumber(std::string_view(Text).substr(start, end - start));
    if (number.status == NumberStatus::Invalid) return Mathe::Failed(InvalidNumber);
    if (number.status == NumberStatus::Overflow) return Mathe::Failed(Mathe::Overflow);
    SkipBlanks();
    return number.value;
}

float TCalculator::Name() {
    if (!IsLetter(Current())) return Mathe::Failed(SyntaxError);
    const std::size_t start = Pos - 1;
    std::size_t end = start;
    while (end < Text.size() && (IsLetter(Text[end]) || IsDigit(Text[end]))) ++end;
    const std::string_view name = std::string_view(Text).substr(start, end - start);
    Pos = static_cast<uint16_t>(end + 1);
    SkipBlanks();
    for (uint8_t code = FirstNamedToken; code <= LastToken; ++code) {
        const std::string_view entry = TokenTable[code];
        if (name.size() == entry.size() && name[0] == entry[0] && name == entry) {
            Token = code;
            return Function(code);
        }
    }
    if (name == "K") return K;
    if (name == "L") return L;
    if (name == "M") return M;
    if (name == "N") return N;
    return Mathe::Failed(SyntaxError);
}
