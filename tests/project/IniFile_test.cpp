// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/IniFile.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace std::string_literals;
using Keys = std::vector<std::string>;

// "Sägezahn" as the file holds it.
const std::string Saegezahn = "S\xE4gezahn";

TEST(IniFile, ParseAndSerialiseGiveBackTheSameBytes) {
    const std::string files[] = {
        "",
        "\r\n",
        "[signals]\r\n0=" + Saegezahn + "\r\n1=Rechteck\r\n\r\n[" + Saegezahn +
            "]\r\na1=100\r\np1=-90,5\r\n",
        "; comment\r\nloose=1\r\n  [ x ]  trailing\r\n\ta = 1 \t\r\nno equals\r\n=empty key\r\n"
        "[open\r\n[x]\r\na=2\r\n\r\n\r\n",
        "[s]\r\nk=v",          // no line end at the end
        "[s]",                 // a header as the last line without line end
        "[s]\r\nk=ab\r\n\r\n", // CR LF is one line end, not two
        "[s]\r\nk=\0\x81\x8D\x8F\x90\x9D\xFF\r\n"s,
    };
    for (const std::string& bytes : files)
        EXPECT_EQ(IniFile::Parse(bytes).Serialise(), bytes) << bytes;
}

TEST(IniFile, LfAndLoneCrLineEndsAreReadAndWrittenAsCrLf) {
    for (const char* bytes :
         {"[s]\nk=v\n\n[t]\r\nm=1", "[s]\rk=v\r\r[t]\rm=1", "[s]\r\nk=v\r\r\n[t]\nm=1"})
        EXPECT_EQ(IniFile::Parse(bytes).Serialise(), "[s]\r\nk=v\r\n\r\n[t]\r\nm=1") << bytes;
}

TEST(IniFile, Lookups) {
    const IniFile ini = IniFile::Parse("k=before any section\r\n[Signals]\r\n0=S\xE4gezahn\r\n"
                                       "  [ S\xE4GEZAHN ]  \r\nA1 = 100 \r\n\tp1\t=\t-90\r\n"
                                       "a1=200\r\n;a2=5\r\nempty=\r\nnoequals\r\n"
                                       "[s\xC4gezahn]\r\na3=1\r\n");
    struct Case {
        std::string section, key;
        const char* value; // nullptr: missing
    };
    const Case cases[] = {
        {"signals", "0", "S\xE4gezahn"},
        {" SIGNALS\t", " 0 ", "S\xE4gezahn"}, // blanks around names do not count
        {"s\xE4gezahn", "a1", "100"},         // the first of two a1 counts
        {"S\xC4GEZAHN", "P1", "-90"},         // Ä and ä are the same letter
        {Saegezahn, "empty", ""},
        {Saegezahn, "a2", nullptr}, // commented out
        {Saegezahn, "noequals", nullptr},
        {Saegezahn, "a3", nullptr}, // only in the second copy of the section
        {"", "k", nullptr},         // before the first section
        {"Saegezahn", "a1", nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ini.HasKey(c.section, c.key), c.value != nullptr) << c.section << c.key;
        EXPECT_EQ(ini.Read(c.section, c.key, "-"), c.value ? c.value : "-") << c.section << c.key;
    }
    EXPECT_EQ(ini.Keys("S\xC4GEZAHN"), (Keys{"A1", "p1", "empty"}));
    EXPECT_EQ(ini.Keys("missing"), Keys{});
    EXPECT_TRUE(ini.HasSection("signals"));
    EXPECT_FALSE(ini.HasSection("a1"));
}

TEST(IniFile, ValuesAreCutAt2047Characters) {
    IniFile ini;
    ini.Write("s", "long", std::string(3000, 'x'));
    EXPECT_EQ(ini.Read("s", "long", ""), std::string(2047, 'x'));
    EXPECT_EQ(ini.Read("s", "none", std::string(3000, 'z')).size(), 3000u); // a default is not
}

TEST(IniFile, WriteReplacesInPlaceAppendsAtTheSectionEndOrAddsASection) {
    IniFile ini = IniFile::Parse("[a]\r\n k1 = 1 \r\nk2=2\r\n\r\n; about b\r\n"
                                 "[b]\r\nx=1\r\n[e]\r\n; note\r\n[A]\r\nk4=old\r\n[f]\r\nlast=1");
    ini.Write("A", "K1", "10");  // in place, blanks kept
    ini.Write("a", "k3", "3");   // after the last key, before the blank line and comment
    ini.Write("a", "k4", "new"); // into the first of the two sections a
    ini.Write("e", "k", "v");    // a section without keys: right after its header
    ini.Write("f", "next", "2"); // after a last line that had no line end
    ini.Write("g", "z", "4");    // a new section at the end
    EXPECT_EQ(ini.Serialise(), "[a]\r\n k1 = 10 \r\nk2=2\r\nk3=3\r\nk4=new\r\n\r\n; about b\r\n"
                               "[b]\r\nx=1\r\n[e]\r\nk=v\r\n; note\r\n[A]\r\nk4=old\r\n"
                               "[f]\r\nlast=1\r\nnext=2\r\n[g]\r\nz=4\r\n");
    EXPECT_EQ(ini.Keys("a"), (Keys{"k1", "k2", "k3", "k4"}));
    EXPECT_EQ(ini.Read("a", "k4", ""), "new");
    EXPECT_EQ(ini.Read("a", "k1", ""), "10");
}

TEST(IniFile, EraseRemovesEveryCopyOfTheSectionAndKeepsTheRest) {
    IniFile ini = IniFile::Parse("; project\r\n[signals]\r\n0=A\r\n[A]\r\na1=1\r\n; a note\r\n"
                                 "\r\n[foreign]\r\nkeep=1\r\n[a]\r\np1=2\r\n[tail]\r\n");
    ini.EraseSection(" a ");
    EXPECT_EQ(ini.Serialise(),
              "; project\r\n[signals]\r\n0=A\r\n[foreign]\r\nkeep=1\r\n[tail]\r\n");
    EXPECT_FALSE(ini.HasSection("A"));
    ini.Write("A", "a2", "5");
    EXPECT_EQ(ini.Read("A", "p1", "none"), "none"); // no older copy comes back
    EXPECT_EQ(ini.Keys("a"), Keys{"a2"});
    ini.EraseSection("tail");
    ini.EraseSection("missing");
    EXPECT_EQ(ini.Serialise(), "; project\r\n[signals]\r\n0=A\r\n[foreign]\r\nkeep=1\r\n"
                               "[A]\r\na2=5\r\n");
}

TEST(IniFile, WritesThatALineCannotHoldAreRefused) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"a\r", "k", "v"}, {"a\nb", "k", "v"}, {"s", "", "v"},   {"s", "  ", "v"},
        {"s", "k=1", "v"}, {"s", "[k", "v"},   {"s", ";k", "v"}, {"s", "k", "v\r\nx=1"},
    };
    IniFile ini;
    for (const auto& [section, key, value] : cases)
        EXPECT_THROW(ini.Write(section, key, value), std::invalid_argument) << section << key;
    EXPECT_EQ(ini.Serialise(), "");
}

} // namespace
