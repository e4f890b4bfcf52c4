// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The program holds text as UTF-8; project files hold it as single-byte Windows-1252, the
// ANSI code page of western Windows installations, so that files stay exchangeable with
// Windows. This is the one place that knows the code page.
//
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for
// the C1 control characters of the same value (U+0081 ...), as Windows itself maps them, so
// that any byte of a file survives the way to UTF-8 and back.

// UTF-8 to code points. Each invalid or cut-short sequence (its longest valid beginning, at
// least one byte) becomes one U+FFFD; overlong forms, surrogates and values above U+10FFFF
// are invalid.
std::u32string DecodeUtf8(std::string_view utf8);

// Appends the UTF-8 form of a code point (U+FFFD for surrogates and values above U+10FFFF).
void AppendUtf8(std::string& out, char32_t c);

// Whether the code point has a byte in the code page (including the five undefined bytes).
bool FitsWindows1252(char32_t c);

// Whether every character of the UTF-8 text has a byte in the code page, that is whether
// Utf8ToWindows1252 converts it without loss. Invalid UTF-8 does not fit.
bool FitsWindows1252(std::string_view utf8);

// The code point a byte stands for.
char32_t Windows1252ToCodePoint(char byte);

// Characters without a byte in the code page and invalid UTF-8 sequences become '?'.
std::string Utf8ToWindows1252(std::string_view utf8);

// Every byte has a code point, so this conversion never loses anything.
std::string Windows1252ToUtf8(std::string_view bytes);

// The lower-case form of a byte: A-Z and the accented capitals of the code page (À-Þ except
// ×, and Š, Œ, Ž, Ÿ) become their small letters; every other byte stays as it is.
char FoldWindows1252(char byte);

// Equality of Windows-1252 texts without regard to letter case (by FoldWindows1252).
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// A hash that agrees with EqualsIgnoringCase.
std::size_t HashIgnoringCase(std::string_view bytes);

// Equality of UTF-8 texts without regard to the letter case of the code page's letters;
// characters outside the code page compare as they are.
bool Utf8EqualsIgnoringCase(std::string_view a, std::string_view b);
