#include "settings/FrequencyText.h"

#include "settings/AppSettings.h"

#include <charconv>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Decimal order of magnitude of an unsigned number text that has passed the grammar check
// and is not zero: the value lies in [10^(order-1), 10^order). Only its sign matters (was
// the number too large or too small for a float), so the exponent saturates far beyond
// anything a float can hold.
long long DecimalOrder(std::string_view number) {
    std::size_t i = 0;
    long long order = 0;
    bool significant = false;
    while (i < number.size() && IsDigit(number[i])) {
        if (number[i] != '0') significant = true;
        if (significant) ++order;
        ++i;
    }
    if (i < number.size() && number[i] == '.') {
        ++i;
        while (!significant && i < number.size() && number[i] == '0') {
            --order;
            ++i;
        }
        while (i < number.size() && IsDigit(number[i])) ++i;
    }
    if (i < number.size()) { // exponent
        ++i;
        bool negative = false;
        if (number[i] == '+' || number[i] == '-') negative = number[i++] == '-';
        long long exponent = 0;
        for (; i < number.size(); ++i)
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (number[i] - '0');
        order += negative ? -exponent : exponent;
    }
    return order;
}

// The number a text stands for, or nothing when the text is not exactly one number.
// std::from_chars is used because it ignores the C locale, which the Qt application sets
// from the environment: strtod would stop at the point under a German locale.
std::optional<float> ParseNumber(const std::string& text) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t unsignedFrom = i; // from_chars takes no leading "+"
    std::size_t mantissaDigits = 0;
    for (; i < n && IsDigit(text[i]); ++i) ++mantissaDigits;
    if (i < n && text[i] == '.')
        for (++i; i < n && IsDigit(text[i]); ++i) ++mantissaDigits;
    if (mantissaDigits == 0) return std::nullopt;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        for (; i < n && IsDigit(text[i]); ++i) ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;

    const std::string_view number(text.data() + unsignedFrom, n - unsignedFrom);
    float value = 0.0f;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (end != number.data() + number.size()) return std::nullopt;
    if (error == std::errc::result_out_of_range)
        value = DecimalOrder(number) > 0 ? std::numeric_limits<float>::infinity() : 0.0f;
    else if (error != std::errc())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

std::string FormatFrequencyField(float fo) {
    char buffer[64]; // the largest float has 39 integer digits
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(fo),
                                            std::chars_format::fixed, 3);
    if (error != std::errc()) return {};
    std::string text(buffer, end);
    if (text.find('.') == std::string::npos) return text; // "inf", "nan"
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

float ReadFrequencyField(const std::string& text, float previous) {
    const std::optional<float> typed = ParseNumber(text);
    return ClampFrequency(typed ? *typed : previous);
}
