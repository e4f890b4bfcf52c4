// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/NumberScan.h"

#include "text/NumberText.h"

#include <cmath>
#include <optional>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
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
    // The run has the grammar of the input fields' numbers, without blanks or sign.
    const std::optional<float> value = ParseDecimalFloat(run);
    if (!value) return {NumberStatus::Invalid, 0};
    if (std::isinf(*value)) return {NumberStatus::Overflow, 0};
    return {NumberStatus::Ok, *value};
}
