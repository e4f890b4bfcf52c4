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
    for (const Case& c : cases) EXPECT_EQ(CheckSignalName(c.name, list), c.problem) << c.name;
    // A signal being renamed may keep its own name in another letter case.
    EXPECT_EQ(CheckSignalName("welle", list, 0), NameProblem::None);
    EXPECT_EQ(CheckSignalName("welle", list, 1), NameProblem::Duplicate);
}

TEST(SignalNames, SectionNamesIgnoreCaseOfAccentedLetters) {
    EXPECT_TRUE(SameSectionName("ÄÖÜ ŠÞ", "äöü šþ"));
    EXPECT_TRUE(SameSectionName("Œ", "œ"));
    EXPECT_FALSE(SameSectionName("ß", "ss"));
    EXPECT_FALSE(SameSectionName("×", "÷")); // not a letter pair
}

} // namespace
