// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/NumberText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
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

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<int> ParseIntegerText(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char ch = text[i];
        if (!IsDigit(ch)) return std::nullopt;
        value = value * 10 + (ch - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) return std::nullopt;
    return static_cast<int>(value);
}

std::string IntegerConversionMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid integer value";
}

int ParseIntSetting(std::string_view text, int fallback) {
    return ParseIntegerText(TrimBlanks(text)).value_or(fallback);
}

int ParseProfileInteger(std::string_view text, int fallback) {
    const std::string_view body = TrimBlanks(text);
    if (body.size() >= 3 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
        std::uint32_t pattern = 0;
        const char* end = body.data() + body.size();
        const auto [stop, error] = std::from_chars(body.data() + 2, end, pattern, 16);
        if (error != std::errc() || stop != end) return fallback;
        return static_cast<int>(static_cast<std::int32_t>(pattern));
    }
    return ParseIntegerText(body).value_or(fallback);
}

std::optional<float> ParseDecimalFloat(std::string_view text) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t unsignedFrom = i; // from_chars takes no sign
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

    const std::string_view number = text.substr(unsignedFrom);
    float value = 0.0f;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (end != number.data() + number.size()) return std::nullopt;
    if (error == std::errc::result_out_of_range)
        value = DecimalOrder(number) > 0 ? std::numeric_limits<float>::infinity() : 0.0f;
    else if (error != std::errc())
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<float> ParseStoredDecimal(std::string_view text) {
    std::string number(TrimBlanks(text));
    for (char& c : number)
        if (c == ',') c = '.';
    return ParseDecimalFloat(number);
}

std::string FormatGeneral(long double x, char decimalSeparator) {
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
    if (x == 0.0L) return "0";
    // 15 significant digits in scientific form decide both the digits and the exponent
    // after rounding (9.99999999999999951E14 becomes 1E15).
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14Le", x);
    const std::string scientific(buffer);
    const std::size_t e = scientific.find('e');
    const int exponent = std::stoi(scientific.substr(e + 1));
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
        if (IsDigit(scientific[i])) digits += scientific[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const std::string sign = x < 0 ? "-" : "";

    auto withSeparator = [&](const std::string& whole, const std::string& fraction) {
        return fraction.empty() ? whole : whole + decimalSeparator + fraction;
    };
    if (exponent < -5 || exponent >= 15)
        return sign + withSeparator(digits.substr(0, 1), digits.substr(1)) + "E" +
               std::to_string(exponent);
    if (exponent < 0) return sign + withSeparator("0", std::string(-exponent - 1, '0') + digits);
    if (static_cast<int>(digits.size()) <= exponent + 1)
        return sign + digits + std::string(exponent + 1 - digits.size(), '0');
    return sign + withSeparator(digits.substr(0, exponent + 1), digits.substr(exponent + 1));
}

std::string WithDecimalSeparator(std::string number, char separator) {
    std::replace(number.begin(), number.end(), ',', separator);
    return number;
}
