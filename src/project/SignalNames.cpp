#include "project/SignalNames.h"

#include "text/Windows1252.h"

bool SameSectionName(const std::string& a, const std::string& b) {
    return Utf8EqualsIgnoringCase(a, b);
}

NameProblem CheckSignalName(const std::string& name, const SignalList& list, int ownIndex) {
    if (name.empty()) return NameProblem::Empty;
    const std::u32string code = DecodeUtf8(name);
    if (code.front() == U' ' || code.back() == U' ') return NameProblem::OuterBlanks;
    for (char32_t c : code) {
        if (c == U'[' || c == U']') return NameProblem::Brackets;
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) return NameProblem::ControlChar;
        if (!FitsWindows1252(c)) return NameProblem::NotStorable;
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
