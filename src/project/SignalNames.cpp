// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/SignalNames.h"

#include "text/Windows1252.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace {

bool IsControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

// The name with every character a project file cannot hold in a section name replaced, as
// Windows-1252 bytes (one byte a character), without outer blanks, at most
// MaxShortStringLength characters, never empty.
std::string StorableBase(const std::string& utf8) {
    std::string out;
    for (char32_t c : DecodeUtf8(utf8)) {
        if (c == U'[')
            c = U'(';
        else if (c == U']')
            c = U')';
        else if (IsControl(c))
            c = U' ';
        else if (!FitsWindows1252(c))
            c = U'?';
        AppendUtf8(out, c);
    }
    std::string bytes = Utf8ToWindows1252(out);
    const auto first = bytes.find_first_not_of(' ');
    bytes.erase(0, first == std::string::npos ? bytes.size() : first);
    if (bytes.size() > MaxShortStringLength) bytes.resize(MaxShortStringLength);
    while (!bytes.empty() && bytes.back() == ' ') bytes.pop_back();
    return bytes.empty() ? "Signal" : bytes;
}

std::string Folded(std::string_view bytes) {
    std::string out(bytes);
    for (char& b : out) b = FoldWindows1252(b);
    return out;
}

// `base` with " (number)" appended, the base cut so that the whole fits a short string.
std::string Numbered(const std::string& base, int number) {
    const std::string suffix = " (" + std::to_string(number) + ")";
    return base.substr(0, MaxShortStringLength - suffix.size()) + suffix;
}

} // namespace

bool SameSectionName(const std::string& a, const std::string& b) {
    return Utf8EqualsIgnoringCase(a, b);
}

bool MakeNamesValid(SignalList& list) {
    std::vector<std::string> bases;
    // Every name as it will stand if kept: a number is chosen only where none of them has it.
    std::unordered_set<std::string> used{SignalListSection};
    for (int i = 0; i < list.Count(); ++i) {
        bases.push_back(StorableBase(list.Name(i)));
        used.insert(Folded(bases.back()));
    }
    std::unordered_set<std::string> taken{SignalListSection};
    std::unordered_map<std::string, int> nextNumber; // by folded base, so that many equal
                                                     // names take linear time
    bool changed = false;
    for (int i = 0; i < list.Count(); ++i) {
        std::string name = bases[i];
        const std::string key = Folded(name);
        if (!taken.insert(key).second) {
            int& number = nextNumber.try_emplace(key, 2).first->second;
            do {
                name = Numbered(bases[i], number++);
            } while (used.count(Folded(name)) != 0);
            used.insert(Folded(name));
            taken.insert(Folded(name));
        }
        const std::string utf8 = Windows1252ToUtf8(name);
        if (utf8 != list.Name(i)) {
            list.Rename(i, utf8);
            changed = true;
        }
    }
    return changed;
}

NameProblem CheckSignalName(const std::string& name, const SignalList& list, int ownIndex) {
    if (name.empty()) return NameProblem::Empty;
    const std::u32string code = DecodeUtf8(name);
    if (code.front() == U' ' || code.back() == U' ') return NameProblem::OuterBlanks;
    for (char32_t c : code) {
        if (c == U'[' || c == U']') return NameProblem::Brackets;
        if (IsControl(c)) return NameProblem::ControlChar;
        if (!FitsWindows1252(c)) return NameProblem::NotStorable;
    }
    if (code.size() > MaxShortStringLength) return NameProblem::TooLong;
    if (SameSectionName(name, SignalListSection)) return NameProblem::Reserved;
    for (int i = 0; i < list.Count(); ++i)
        if (i != ownIndex && SameSectionName(name, list.Name(i))) return NameProblem::Duplicate;
    return NameProblem::None;
}

namespace {

const char* NameProblemText(NameProblem problem) {
    switch (problem) {
    case NameProblem::None:
        return "";
    case NameProblem::Empty:
        return QT_TRANSLATE_NOOP("Wellenwerk",
                                 "Bitte geben Sie eine Bezeichnung für das Signal ein.");
    case NameProblem::OuterBlanks:
        return QT_TRANSLATE_NOOP(
            "Wellenwerk", "Die Bezeichnung darf nicht mit einem Leerzeichen beginnen oder enden.");
    case NameProblem::Duplicate:
        return QT_TRANSLATE_NOOP(
            "Wellenwerk",
            "Signal \"%1\" ist bereits im Projekt vorhanden. Wählen Sie eine andere Bezeichnung!");
    case NameProblem::Reserved:
        return QT_TRANSLATE_NOOP("Wellenwerk", "Die Bezeichnung \"%1\" ist in Projektdateien "
                                               "reserviert. Wählen Sie eine andere Bezeichnung!");
    case NameProblem::Brackets:
        return QT_TRANSLATE_NOOP("Wellenwerk",
                                 "Die Bezeichnung darf keine eckigen Klammern [ ] enthalten.");
    case NameProblem::ControlChar:
        return QT_TRANSLATE_NOOP(
            "Wellenwerk",
            "Die Bezeichnung darf keine Zeilenumbrüche oder Steuerzeichen enthalten.");
    case NameProblem::TooLong:
        return QT_TRANSLATE_NOOP("Wellenwerk",
                                 "Die Bezeichnung darf höchstens 255 Zeichen lang sein.");
    case NameProblem::NotStorable:
        return QT_TRANSLATE_NOOP("Wellenwerk",
                                 "Die Bezeichnung enthält Zeichen, die in einer Projektdatei nicht "
                                 "gespeichert werden können. Wählen Sie eine andere Bezeichnung!");
    }
    return "";
}

} // namespace

MessageText NameProblemFault(NameProblem problem, const std::string& name) {
    return {NameProblemText(problem), {name}};
}
