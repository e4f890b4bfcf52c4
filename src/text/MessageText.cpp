// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/MessageText.h"

std::string FillIn(std::string_view text, const std::vector<std::string>& args) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t number =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9'
                ? static_cast<std::size_t>(text[i + 1] - '0')
                : 0;
        if (number > 0 && number <= args.size()) {
            filled += args[number - 1];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}
