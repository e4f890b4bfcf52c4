// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/ProjectTitle.h"

#include "text/Windows1252.h"

namespace {

constexpr std::string_view Blanks = " \t\r";
constexpr std::string_view Marker = "titel:";

std::string_view Trimmed(std::string_view s) {
    const auto begin = s.find_first_not_of(Blanks);
    if (begin == std::string_view::npos) return {};
    return s.substr(begin, s.find_last_not_of(Blanks) - begin + 1);
}

} // namespace

std::string ProjectTitle(std::string_view bytes) {
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        const std::string_view line = Trimmed(bytes.substr(0, end));
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
        if (line.empty() || line.front() != ';') continue;
        const std::string_view comment = Trimmed(line.substr(1));
        if (comment.size() < Marker.size() ||
            !EqualsIgnoringCase(comment.substr(0, Marker.size()), Marker))
            continue;
        const std::string_view title = Trimmed(comment.substr(Marker.size()));
        if (!title.empty()) return Windows1252ToUtf8(title);
    }
    return {};
}
