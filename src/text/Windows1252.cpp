// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/Windows1252.h"

#include <array>
#include <cstdint>

namespace {

// The code points of the bytes 0x80..0x9F; the undefined bytes keep their own value.
constexpr char32_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t Replacement = 0xFFFD;

// The byte of a code point, or -1 when the code page has none.
int ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (High[i] == c) return 0x80 + i;
    return -1;
}

constexpr std::array<unsigned char, 256> FoldTable = [] {
    std::array<unsigned char, 256> t{};
    for (int b = 0; b < 256; ++b) t[b] = static_cast<unsigned char>(b);
    for (int b = 'A'; b <= 'Z'; ++b) t[b] = static_cast<unsigned char>(b + 32);
    for (int b = 0xC0; b <= 0xDE; ++b)
        if (b != 0xD7) t[b] = static_cast<unsigned char>(b + 32);
    t[0x8A] = 0x9A; // Š
    t[0x8C] = 0x9C; // Œ
    t[0x8E] = 0x9E; // Ž
    t[0x9F] = 0xFF; // Ÿ
    return t;
}();

unsigned char Folded(char byte) {
    return FoldTable[static_cast<unsigned char>(byte)];
}

char32_t FoldCodePoint(char32_t c) {
    const int b = ByteOf(c);
    return b < 0 ? c : Windows1252ToCodePoint(FoldWindows1252(static_cast<char>(b)));
}

// Decodes the sequence at utf8[i], advancing i past it (or past its longest valid
// beginning when it is invalid). The ranges of the second byte exclude overlong forms,
// surrogates and values above U+10FFFF.
char32_t NextCodePoint(std::string_view utf8, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80) return lead;
    int extra;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return Replacement;
    }
    char32_t c = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k, low = 0x80, high = 0xBF) {
        if (i >= utf8.size() || byte(i) < low || byte(i) > high) return Replacement;
        c = (c << 6) | (byte(i++) & 0x3F);
    }
    return c;
}

} // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) out.push_back(NextCodePoint(utf8, i));
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = Replacement;
    const auto put = [&](unsigned v) { out.push_back(static_cast<char>(v)); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

bool FitsWindows1252(char32_t c) {
    return ByteOf(c) >= 0;
}

bool FitsWindows1252(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();)
        if (ByteOf(NextCodePoint(utf8, i)) < 0) return false;
    return true;
}

char32_t Windows1252ToCodePoint(char byte) {
    const unsigned char b = static_cast<unsigned char>(byte);
    return b >= 0x80 && b < 0xA0 ? High[b - 0x80] : b;
}

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const int b = ByteOf(NextCodePoint(utf8, i));
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char b : bytes) AppendUtf8(out, Windows1252ToCodePoint(b));
    return out;
}

char FoldWindows1252(char byte) {
    return static_cast<char>(Folded(byte));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Folded(a[i]) != Folded(b[i])) return false;
    return true;
}

std::size_t HashIgnoringCase(std::string_view bytes) {
    std::uint64_t h = 0xCBF29CE484222325u; // FNV-1a
    for (char b : bytes) h = (h ^ Folded(b)) * 0x100000001B3u;
    // FNV leaves the low bits poorly mixed; hash tables index with them.
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDu;
    h ^= h >> 33;
    return static_cast<std::size_t>(h);
}

bool Utf8EqualsIgnoringCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, k = 0;
    while (i < a.size() && k < b.size())
        if (FoldCodePoint(NextCodePoint(a, i)) != FoldCodePoint(NextCodePoint(b, k))) return false;
    return i == a.size() && k == b.size();
}
