#include "project/SignalNames.h"

#include <algorithm>

namespace {

// The code points that Windows-1252 places at 0x80..0x9F.
constexpr char32_t Cp1252High[] = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x017D, 0x2018,
                                   0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
                                   0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};

char32_t FoldCase(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32; // Latin-1 capitals
    switch (c) {
    case 0x0160:
        return 0x0161; // Š
    case 0x0152:
        return 0x0153; // Œ
    case 0x017D:
        return 0x017E; // Ž
    case 0x0178:
        return 0x00FF; // Ÿ
    default:
        return c;
    }
}

std::u32string Folded(const std::string& name) {
    std::u32string s = DecodeUtf8(name);
    std::transform(s.begin(), s.end(), s.begin(), FoldCase);
    return s;
}

} // namespace

std::u32string DecodeUtf8(const std::string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        int extra = b < 0x80           ? 0
                    : (b >> 5) == 0x6  ? 1
                    : (b >> 4) == 0xE  ? 2
                    : (b >> 3) == 0x1E ? 3
                                       : -1;
        if (extra < 0 || i + extra >= text.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char t = static_cast<unsigned char>(text[i + k]);
            if ((t & 0xC0) != 0x80) ok = false;
            c = (c << 6) | (t & 0x3F);
        }
        out.push_back(ok ? c : 0xFFFD);
        i += ok ? extra + 1 : 1;
    }
    return out;
}

bool IsWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return true;
    return std::find(std::begin(Cp1252High), std::end(Cp1252High), c) != std::end(Cp1252High);
}

bool SameSectionName(const std::string& a, const std::string& b) {
    return Folded(a) == Folded(b);
}

NameProblem CheckSignalName(const std::string& name, const SignalList& list, int ownIndex) {
    if (name.empty()) return NameProblem::Empty;
    const std::u32string code = DecodeUtf8(name);
    if (code.front() == U' ' || code.back() == U' ') return NameProblem::OuterBlanks;
    for (char32_t c : code) {
        if (c == U'[' || c == U']') return NameProblem::Brackets;
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) return NameProblem::ControlChar;
        if (!IsWindows1252(c)) return NameProblem::NotStorable;
    }
    if (SameSectionName(name, "signals")) return NameProblem::Reserved;
    for (int i = 0; i < list.Count(); ++i)
        if (i != ownIndex && SameSectionName(name, list.Name(i))) return NameProblem::Duplicate;
    return NameProblem::None;
}

std::string NameProblemMessage(NameProblem problem, const std::string& name) {
    switch (problem) {
    case NameProblem::None:
        return {};
    case NameProblem::Empty:
        return "Bitte geben Sie eine Bezeichnung für das Signal ein.";
    case NameProblem::OuterBlanks:
        return "Die Bezeichnung darf nicht mit einem Leerzeichen beginnen oder enden.";
    case NameProblem::Duplicate:
        return "Signal \"" + name +
               "\" ist bereits im Projekt vorhanden. Wählen Sie eine andere Bezeichnung!";
    case NameProblem::Reserved:
        return "Die Bezeichnung \"" + name +
               "\" ist in Projektdateien reserviert. Wählen Sie eine andere Bezeichnung!";
    case NameProblem::Brackets:
        return "Die Bezeichnung darf keine eckigen Klammern [ ] enthalten.";
    case NameProblem::ControlChar:
        return "Die Bezeichnung darf keine Zeilenumbrüche oder Steuerzeichen enthalten.";
    case NameProblem::NotStorable:
        return "Die Bezeichnung enthält Zeichen, die in einer Projektdatei nicht gespeichert "
               "werden können. Wählen Sie eine andere Bezeichnung!";
    }
    return {};
}
