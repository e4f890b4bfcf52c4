#include "formula/NumberScan.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// Whether a run that lies outside the float range is too large rather than too small.
// Its mantissa has at most 255 digits, so it is well inside the double range, and the
// decimal exponent decides.
bool AboveFloatRange(std::string_view run) {
    const std::size_t e = run.find('E');
    double mantissa = 0;
    std::from_chars(run.data(), run.data() + std::min(e, run.size()), mantissa);
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = run.substr(e + 1);
        const bool negative = !digits.empty() && digits[0] == '-';
        if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
        const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        if (result.ec == std::errc::result_out_of_range) exponent = 1000000;
        if (negative) exponent = -exponent;
    }
    return std::log10(mantissa) + static_cast<double>(exponent) > 0;
}

} // namespace

std::size_t NumberRunEnd(std::string_view text, std::size_t start) {
    std::size_t i = SkipDigits(text, start);
    if (i < text.size() && text[i] == '.') i = SkipDigits(text, i + 1);
    if (i < text.size() && text[i] == 'E') {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        i = SkipDigits(text, i);
    }
    return i;
}

NumberValue ConvertNumber(std::string_view run) {
    float value = 0;
    const char* end = run.data() + run.size();
    const auto [ptr, ec] = std::from_chars(run.data(), end, value, std::chars_format::general);
    if (ec == std::errc::invalid_argument || ptr != end) return {NumberStatus::Invalid, 0};
    if (ec == std::errc::result_out_of_range)
        return AboveFloatRange(run) ? NumberValue{NumberStatus::Overflow, 0}
                                    : NumberValue{NumberStatus::Ok, 0};
    return {NumberStatus::Ok, value};
}
