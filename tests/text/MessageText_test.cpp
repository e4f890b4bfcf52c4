// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/MessageText.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageText, ArgumentsAreFilledInOnce) {
    const struct {
        const char* text;
        std::vector<std::string> args;
        const char* filled;
    } cases[] = {
        {"%2 vor %1", {"a", "b"}, "b vor a"},
        {"%1%2 !", {"%2", "7"}, "%27 !"}, // an argument's own placeholder stays
        {"100 % von %3", {"x"}, "100 % von %3"},
    };
    for (const auto& c : cases) EXPECT_EQ(FillIn(c.text, c.args), c.filled) << c.text;
}

} // namespace
