// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/SignalNames.h"

#include <gtest/gtest.h>

namespace {

TEST(SignalNames, Rules) {
    SignalList list;
    list.Append("Welle", tSignal());
    list.Append("Ärger", tSignal());
    struct Case {
        const char* name;
        NameProblem problem;
    };
    const Case cases[] = {
        {"Sägezahn", NameProblem::None},     {"Welle 2", NameProblem::None},
        {"Preis in €", NameProblem::None},   {"", NameProblem::Empty},
        {" x", NameProblem::OuterBlanks},    {"x ", NameProblem::OuterBlanks},
        {"WELLE", NameProblem::Duplicate},   {"ärger", NameProblem::Duplicate},
        {"signals", NameProblem::Reserved},  {"SiGnAlS", NameProblem::Reserved},
        {"a]", NameProblem::Brackets},       {"[a", NameProblem::Brackets},
        {"a\nb", NameProblem::ControlChar},  {"a\rb", NameProblem::ControlChar},
        {"a\x7f", NameProblem::ControlChar}, {"\xc2\x85", NameProblem::ControlChar},
        {"Ω", NameProblem::NotStorable},     {"\xff", NameProblem::NotStorable},
        {"Œuvre", NameProblem::None},
    };
    EXPECT_EQ(CheckSignalName(std::string(255, 'x'), list), NameProblem::None);
    EXPECT_EQ(CheckSignalName(std::string(256, 'x'), list), NameProblem::TooLong);
    for (const Case& c : cases) EXPECT_EQ(CheckSignalName(c.name, list), c.problem) << c.name;
    // A signal being renamed may keep its own name in another letter case.
    EXPECT_EQ(CheckSignalName("welle", list, 0), NameProblem::None);
    EXPECT_EQ(CheckSignalName("welle", list, 1), NameProblem::Duplicate);
}

TEST(SignalNames, InvalidNamesAreRepairedKeepingEveryValidOne) {
    using Names = std::vector<std::string>;
    const std::string x255(255, 'x');
    const struct {
        Names in, out;
    } cases[] = {
        {{"A", "b"}, {"A", "b"}},
        {{"a", "A", "a (2)"}, {"a", "A (3)", "a (2)"}},
        {{"Signals", "x", "x", "x"}, {"Signals (2)", "x", "x (2)", "x (3)"}},
        {{"[x]", "a\tb", " c ", "\x01", "Ω", ""}, {"(x)", "a b", "c", "Signal", "?", "Signal (2)"}},
        {{x255 + "y", x255 + "z"}, {x255, x255.substr(4) + " (2)"}},
    };
    for (const auto& c : cases) {
        SignalList list;
        for (const std::string& name : c.in) list.Append(name, tSignal());
        EXPECT_EQ(MakeNamesValid(list), c.in != c.out);
        Names names;
        for (int i = 0; i < list.Count(); ++i) {
            names.push_back(list.Name(i));
            EXPECT_EQ(CheckSignalName(list.Name(i), list, i), NameProblem::None) << list.Name(i);
        }
        EXPECT_EQ(names, c.out);
    }
}

} // namespace
