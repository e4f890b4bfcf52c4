// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/ProjectTitle.h"

#include <gtest/gtest.h>

namespace {

TEST(ProjectTitle, TheFirstTitleCommentInWindows1252) {
    const std::pair<const char*, const char*> cases[] = {
        {"; Titel: S\xe4gezahn \r\n[signals]\r\n", "Sägezahn"},
        {"[signals]\r\n;TITEL:Zweite Zeile\n; Titel: nicht diese\n", "Zweite Zeile"},
        {"; Kommentar\r\n; Titel:\r\n;Titel: erst hier", "erst hier"},
        {"[signals]\r\n0=Titel: kein Kommentar\r\n", ""},
        {"", ""},
    };
    for (const auto& [bytes, title] : cases) EXPECT_EQ(ProjectTitle(bytes), title) << bytes;
}

} // namespace
