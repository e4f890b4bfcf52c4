// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/Windows1252.h"

#include <gtest/gtest.h>

namespace {

std::string Byte(int b) {
    return std::string(1, static_cast<char>(b));
}

// 256 code points fit, each with a byte of its own, so every byte survives the way through
// UTF-8 and back.
TEST(Windows1252, EveryByteHasItsOwnCharacter) {
    int count = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (!FitsWindows1252(c)) continue;
        ++count;
        std::string utf8;
        AppendUtf8(utf8, c);
        const std::string byte = Utf8ToWindows1252(utf8);
        ASSERT_EQ(byte.size(), 1u);
        EXPECT_EQ(Windows1252ToUtf8(byte), utf8);
    }
    EXPECT_EQ(count, 256);
}

TEST(Windows1252, CharactersOfTheHighHalf) {
    const std::pair<int, const char*> cases[] = {
        {0x80, "€"},      {0x8A, "Š"},      {0x96, "–"},      {0x9F, "Ÿ"},      {0xA0, "\u00A0"},
        {0xE4, "ä"},      {0xFF, "ÿ"},      {0x81, "\u0081"}, {0x8D, "\u008D"}, {0x8F, "\u008F"},
        {0x90, "\u0090"}, {0x9D, "\u009D"}, // undefined in the code page
    };
    for (const auto& [byte, utf8] : cases) EXPECT_EQ(Windows1252ToUtf8(Byte(byte)), utf8) << byte;
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const std::pair<const char*, const char*> cases[] = {
        {"Ω", "?"}, {"a€Ωb", "a\x80?b"}, {"😀", "?"}, {"\xff", "?"}, {"\xc2\x80", "?"},
    };
    for (const auto& [utf8, bytes] : cases) {
        EXPECT_EQ(Utf8ToWindows1252(utf8), bytes) << utf8;
        EXPECT_FALSE(FitsWindows1252(std::string_view(utf8))) << utf8;
    }
    EXPECT_TRUE(FitsWindows1252(std::string_view("Sägezahn in €")));
}

TEST(Windows1252, InvalidUtf8BecomesReplacementCharacters) {
    const std::pair<const char*, std::u32string> cases[] = {
        {"aä€😀", U"aä€😀"},
        {"\xe2\x82z", U"\uFFFDz"},                         // cut short
        {"\x80z", U"\uFFFDz"},                             // stray continuation byte
        {"\xc0\xaf", U"\uFFFD\uFFFD"},                     // overlong
        {"\xed\xa0\x80", U"\uFFFD\uFFFD\uFFFD"},           // surrogate
        {"\xf4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"}, // above U+10FFFF
    };
    for (const auto& [utf8, code] : cases) EXPECT_EQ(DecodeUtf8(utf8), code) << utf8;
}

TEST(Windows1252, FoldingKnowsTheAccentedLetters) {
    const std::pair<int, int> pairs[] = {{'A', 'a'},   {'Z', 'z'},   {0xC0, 0xE0}, {0xC4, 0xE4},
                                         {0xC9, 0xE9}, {0xD6, 0xF6}, {0xDE, 0xFE}, {0x8A, 0x9A},
                                         {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};
    for (const auto& [upper, lower] : pairs) {
        EXPECT_EQ(FoldWindows1252(static_cast<char>(upper)), static_cast<char>(lower)) << upper;
        EXPECT_EQ(FoldWindows1252(static_cast<char>(lower)), static_cast<char>(lower)) << lower;
    }
    for (int unchanged : {int('@'), int('['), int('1'), 0xD7, 0xDF, 0xF7, 0xB5, 0x80})
        EXPECT_EQ(FoldWindows1252(static_cast<char>(unchanged)), static_cast<char>(unchanged));
}

TEST(Windows1252, ComparingWithoutLetterCase) {
    const std::string upper = Utf8ToWindows1252("SÄGEZAHN ŠŒŽŸ");
    const std::string lower = Utf8ToWindows1252("sägezahn šœžÿ");
    EXPECT_TRUE(EqualsIgnoringCase(upper, lower));
    EXPECT_EQ(HashIgnoringCase(upper), HashIgnoringCase(lower));
    EXPECT_FALSE(EqualsIgnoringCase("\xD7", "\xF7")); // × and ÷ are no letter pair

    EXPECT_TRUE(Utf8EqualsIgnoringCase("ÄÖÜ ŠÞ Œuvre", "äöü šþ œUVRE"));
    EXPECT_FALSE(Utf8EqualsIgnoringCase("ß", "ss"));
    EXPECT_FALSE(Utf8EqualsIgnoringCase("Ω", "ω")); // outside the code page: as it is
    EXPECT_FALSE(Utf8EqualsIgnoringCase("a", "ab"));
}

} // namespace
