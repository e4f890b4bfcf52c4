// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formula/Mathe.h"
#include "text/TranslatableText.h"

#include <cstdint>
#include <string>

// Error codes raised by the parser (the maths functions raise 1..13 and 23, see Mathe.h).
namespace CalcError {
enum : uint16_t {
    InvalidNumber = 22,
    SyntaxError = 24,
    CloseExpected = 26,
    OpenExpected = 27,
    DivisionByZero = 28,
    BracketOpenExpected = 30,
    BracketCloseExpected = 31,
    SemicolonExpected = 32,
};
} // namespace CalcError

// The message for an error code of the evaluator, marked for translation; empty for 0 and for
// unknown codes.
const char* CalcErrorText(uint16_t code);

// Evaluates one line of the formula language to a 32-bit float by recursive descent
// directly on the text: no tokens, no tree, the text is parsed again on every Evaluate.
// The first error from the left wins; it is kept in the calculator's own state, so
// calculators are independent of each other, and the result is then 0.
class TCalculator {
public:
    // Stores the variables and the prepared text; leaves Pos and the error code alone.
    void Prepare(const std::string& text, float k, float l, float m, float n);
    // Clears the error code and evaluates Text from its start; 0 when an error occurred.
    float Evaluate();
    // The first error of the last evaluation, 0 = none.
    uint16_t ErrorCode() const { return state_.Error(); }
    // The message for ErrorCode(); empty for 0 and for unknown codes.
    std::string ErrorText() const { return CalcErrorText(ErrorCode()); }

    // The scan state, for checks from outside.
    const std::string& Text() const { return text_; }
    uint16_t Pos() const { return pos_; }
    uint8_t Token() const { return token_; }

private:
    float Sum();
    float Product();
    float PowerTerm();
    float SignedFactor();
    float Factor();
    float Number();
    float Name();
    float Function(uint8_t code);
    float TwoArguments(uint8_t code);

    // True while no error is pending.
    bool Ok() const { return state_.Error() == 0; }
    // The byte at pos_; the end of the text reads as a blank.
    unsigned char Current() const;
    void SkipBlanks();
    // Tries the operators of codes last down to first at pos_; 0 when none matches.
    uint8_t MatchOperator(uint8_t first, uint8_t last);
    // Skips `c` and the blanks after it; records missingError when it is not there.
    bool Expect(char c, uint16_t missingError);

    float k_ = 0;
    float l_ = 0;
    float m_ = 0;
    float n_ = 0;
    uint8_t token_ = 0; // code of the operator or function recognised last, 0 = none
    std::string text_;  // upper case, "," replaced by ".", at most 255 bytes
    uint16_t pos_ = 1;  // scan position in text_, 1 = first character
    Mathe::EvalState state_;
};
