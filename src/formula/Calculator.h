#pragma once

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

// Evaluates one line of the formula language to a 32-bit float by recursive descent
// directly on the text: no tokens, no tree, the text is parsed again on every Evaluate.
// Errors go to Mathe::ErrorCode; the first one from the left wins and the result is 0.
class TCalculator {
public:
    float K = 0;
    float L = 0;
    float M = 0;
    float N = 0;
    uint8_t Token = 0; // code of the operator or function recognised last, 0 = none
    std::string Text;  // upper case, "," replaced by ".", at most 255 bytes
    uint16_t Pos = 1;  // scan position in Text, 1 = first character

    // Stores the variables and the prepared text; leaves Pos and the error code alone.
    void Prepare(const std::string& text, float k, float l, float m, float n);
    // Clears the error code and evaluates Text from its start; 0 when an error occurred.
    float Evaluate();
    // The message for the current error code; empty for 0 and for unknown codes.
    std::string ErrorText() const;

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

    // The byte at Pos; the end of Text reads as a blank.
    unsigned char Current() const;
    void SkipBlanks();
    // Tries the operators of codes last down to first at Pos; 0 when none matches.
    uint8_t MatchOperator(uint8_t first, uint8_t last);
    // Skips `c` and the blanks after it; records missingError when it is not there.
    bool Expect(char c, uint16_t missingError);
};
