// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/FrequencyText.h"

#include "settings/AppSettings.h"
#include "text/NumberText.h"

#include <charconv>
#include <system_error>

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
    const std::optional<float> typed = ParseDecimalFloat(text);
    return ClampFrequency(typed ? *typed : previous);
}
