// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/ProjectFile.h"

#include "project/SignalNames.h"
#include "signal/FourierAnalysis.h"
#include "text/NumberText.h"
#include "text/Windows1252.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <optional>
#include <stdexcept>

namespace {

constexpr std::string_view ListSection = SignalListSection;

// Key names are built once: a project of hundreds of signals reads each of them often.
template <std::size_t Count> std::array<std::string, Count> NumberedKeys(const char* letter) {
    std::array<std::string, Count> keys;
    for (std::size_t i = 0; i < Count; ++i) keys[i] = letter + std::to_string(i);
    return keys;
}
const auto AmplitudeKeys = NumberedKeys<HarmonicCount>("a");
const auto PhaseKeys = NumberedKeys<HarmonicCount>("p");
const auto SupportKeys = NumberedKeys<SupportPointCount>("v");

struct TextKey {
    const char* key;
    std::string tSignal::*field;
};
constexpr TextKey TextKeys[] = {
    {"fa0", &tSignal::FormulaA0}, {"fan", &tSignal::FormulaAn}, {"fbn", &tSignal::FormulaBn},
    {"fk", &tSignal::ConstK},     {"fl", &tSignal::ConstL},     {"fm", &tSignal::ConstM},
};

// The support-point keys of a waveform: 64, 128 or 256 by its points index; an index the
// program does not know keeps all of them.
int SupportKeyCount(int pointsIndex) {
    switch (pointsIndex) {
    case 0:
    case 1:
        return 64;
    case 2:
        return 128;
    default:
        return SupportPointCount;
    }
}

// No line of the file can hold a line break; the evaluator reads them as blanks anyway.
std::string SingleLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

std::string CutShort(std::string text) {
    if (text.size() > MaxShortStringLength) text.resize(MaxShortStringLength);
    return text;
}

int ReadInteger(const IniFile& ini, std::string_view section, std::string_view key, int fallback) {
    return ParseProfileInteger(ini.Read(section, key, {}), fallback);
}

void WriteInteger(IniFile& ini, std::string_view section, std::string_view key, int value) {
    ini.Write(section, key, std::to_string(value));
}

// "inf", "-Infinity", "NaN" and the like: texts a float could be printed as, but which no
// readout or curve can show.
bool NamesNonFiniteValue(std::string_view text) {
    std::string word;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '+' && c != '-')
            word += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return word == "inf" || word == "infinity" || word == "nan";
}

// `problem` has the signal's name as %1, the value as %2 and the key as %3.
[[noreturn]] void ValueFault(std::string_view section, std::string_view key, std::string_view text,
                             const char* problem) {
    throw MessageError(
        {problem, {Windows1252ToUtf8(section), Windows1252ToUtf8(text), std::string(key)}});
}

// A decimal key: missing reads as 0; present, it must be a finite number, and an amplitude
// must not exceed MaxAmplitude.
float ReadDecimal(const IniFile& ini, std::string_view section, std::string_view key,
                  bool amplitude) {
    const std::optional<std::string> found = ini.Find(section, key);
    if (!found) return 0.0f;
    const std::string& text = *found;
    const std::optional<float> value = ParseStoredDecimal(text);
    if (!value) {
        if (NamesNonFiniteValue(text))
            ValueFault(section, key, text,
                       QT_TRANSLATE_NOOP("Wellenwerk", "Signal \"%1\": Der Wert \"%2\" von \"%3\" "
                                                       "ist keine endliche Zahl. Das Projekt wurde "
                                                       "nicht geladen."));
        throw std::runtime_error("'" + Windows1252ToUtf8(text) +
                                 "' is not a valid floating point value");
    }
    if (!std::isfinite(*value))
        ValueFault(section, key, text,
                   QT_TRANSLATE_NOOP("Wellenwerk", "Signal \"%1\": Der Wert \"%2\" von \"%3\" ist "
                                                   "zu groß. Das Projekt wurde nicht geladen."));
    if (amplitude && !IsAllowedAmplitude(*value))
        ValueFault(section, key, text,
                   QT_TRANSLATE_NOOP("Wellenwerk",
                                     "Signal \"%1\": Der Wert \"%2\" von \"%3\" ist zu groß "
                                     "(erlaubt sind Beträge bis 1E15). Das Projekt wurde nicht "
                                     "geladen."));
    return *value;
}

// A formula signal whose formulas fail (an amplitude beyond MaxAmplitude among them) keeps
// the series as far as the evaluation got, unless the hook repairs it.
void ComputeSeries(tSignal& signal, std::string& name, const FormulaFailureHook& onFailure,
                   bool& changed) {
    if (signal.Kind == Waveform) {
        AnalyseWaveform(signal);
        return;
    }
    if (signal.Kind != Formulas) return;
    const std::optional<FormulaError> error = GenerateFromFormulas(signal);
    if (error && onFailure && onFailure(signal, name, *error)) changed = true;
}

} // namespace

void SaveToIni(const tSignal& signal, IniFile& ini, std::string_view section,
               char decimalSeparator) {
    ini.EraseSection(section);
    if (signal.Kind != 0) WriteInteger(ini, section, "m", signal.Kind);
    if (signal.Reserved != 0) WriteInteger(ini, section, "x", signal.Reserved);
    if (signal.ColorIndex != 0) WriteInteger(ini, section, "c", signal.ColorIndex);
    if (!signal.Visible) ini.Write(section, "s", "0");
    switch (signal.Kind) {
    case SpectralLines:
        for (int n = 0; n < HarmonicCount; ++n) {
            if (signal.Amplitude[n] != 0.0f)
                ini.Write(section, AmplitudeKeys[n],
                          FormatGeneral(signal.Amplitude[n], decimalSeparator));
            if (signal.Phase[n] != 0.0f)
                ini.Write(section, PhaseKeys[n], FormatGeneral(signal.Phase[n], decimalSeparator));
        }
        break;
    case Waveform: {
        WriteInteger(ini, section, "n", signal.PointsIndex);
        const int count = SupportKeyCount(signal.PointsIndex);
        for (int i = 0; i < count; ++i)
            if (signal.SupportPoints[i] != 0)
                WriteInteger(ini, section, SupportKeys[i], signal.SupportPoints[i]);
        break;
    }
    case Formulas:
        for (const TextKey& t : TextKeys)
            ini.Write(section, t.key, SingleLine(Utf8ToWindows1252(signal.*t.field)));
        WriteInteger(ini, section, "fn", signal.SeriesMode);
        WriteInteger(ini, section, "max", signal.MaxHarmonic);
        break;
    default: // a kind this program does not know keeps only the common keys
        break;
    }
}

void LoadFromIni(tSignal& signal, const IniFile& ini, std::string_view section) {
    signal.Kind = ReadInteger(ini, section, "m", 0);
    signal.Reserved = ReadInteger(ini, section, "x", 0);
    signal.ColorIndex = ReadInteger(ini, section, "c", 0);
    signal.Visible = ReadInteger(ini, section, "s", 1) != 0;
    switch (signal.Kind) {
    case SpectralLines:
        for (int n = 0; n < HarmonicCount; ++n) {
            signal.Amplitude[n] = ReadDecimal(ini, section, AmplitudeKeys[n], true);
            signal.Phase[n] = ReadDecimal(ini, section, PhaseKeys[n], false);
        }
        break;
    case Waveform: {
        signal.PointsIndex = ReadInteger(ini, section, "n", 2);
        const int count = SupportKeyCount(signal.PointsIndex);
        for (int i = 0; i < count; ++i)
            signal.SupportPoints[i] = ReadInteger(ini, section, SupportKeys[i], 0);
        break;
    }
    case Formulas:
        for (const TextKey& t : TextKeys)
            signal.*t.field = Windows1252ToUtf8(CutShort(ini.Read(section, t.key, {})));
        signal.SeriesMode = ReadInteger(ini, section, "fn", 0);
        signal.MaxHarmonic = ReadInteger(ini, section, "max", 32);
        break;
    default:
        break;
    }
}

void SaveProjectFile(IniFile& ini, const SignalList& list, char decimalSeparator) {
    // An old list without entries stays where it is, with whatever comments it holds, and
    // takes the new entries; a list that names signals goes with their sections.
    const std::vector<std::string> oldKeys = ini.Keys(ListSection);
    if (!oldKeys.empty()) {
        for (const std::string& key : oldKeys)
            ini.EraseSection(CutShort(ini.Read(ListSection, key, {})));
        ini.EraseSection(ListSection);
    }
    for (int i = 0; i < list.Count(); ++i) {
        const std::string name = Utf8ToWindows1252(list.Name(i));
        ini.Write(ListSection, std::to_string(i), name);
        SaveToIni(list.Signal(i), ini, name, decimalSeparator);
    }
}

LoadedProject LoadProjectFile(const IniFile& ini, const FormulaFailureHook& onFormulaFailure) {
    LoadedProject loaded;
    for (const std::string& key : ini.Keys(ListSection)) {
        const std::string section = CutShort(ini.Read(ListSection, key, {}));
        if (section.empty()) continue;
        tSignal signal;
        LoadFromIni(signal, ini, section);
        std::string name = Windows1252ToUtf8(section);
        ComputeSeries(signal, name, onFormulaFailure, loaded.changedWhileLoading);
        loaded.list.Append(std::move(name), signal);
    }
    if (MakeNamesValid(loaded.list)) loaded.changedWhileLoading = true;
    return loaded;
}

void SaveProjectToFile(const std::string& path, const SignalList& list, char decimalSeparator) {
    // The whole new content is built before the file is touched: sections of other programs
    // and comments in the old file are kept, and nothing is lost when a step fails.
    IniFile ini;
    try {
        std::error_code error;
        if (std::filesystem::exists(path, error)) ini = IniFile::LoadFile(path);
        SaveProjectFile(ini, list, decimalSeparator);
    } catch (const std::exception&) {
        throw MessageError({CannotWriteText, {path}});
    }
    ini.SaveFileAtomically(path);
}

LoadedProject LoadProjectFromFile(const std::string& path,
                                  const FormulaFailureHook& onFormulaFailure) {
    return LoadProjectFile(IniFile::LoadFile(path), onFormulaFailure);
}
