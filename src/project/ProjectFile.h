// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formula/FormulaSeries.h"
#include "project/IniFile.h"
#include "project/SignalList.h"

#include <functional>
#include <string>
#include <string_view>

// A project file: section "signals" lists the names in project order (keys "0", "1", ...),
// and each signal keeps its own data in the section of its name. Only a signal's primary
// data are stored; the series of waveform and formula signals are computed after loading.
// Names and texts are UTF-8 in the program and Windows-1252 in the file.

// Writes a signal into `section` (a name as the file holds it): the section is erased,
// then only the keys that differ from what loading assumes are written. Decimal numbers
// are written with `decimalSeparator`, the one of the user's number format.
void SaveToIni(const tSignal& signal, IniFile& ini, std::string_view section,
               char decimalSeparator);

// Reads `section` into a newly constructed signal; what the section lacks keeps the
// record's default, except that a signal without "s" is visible and one without "max"
// sums up to harmonic 32. Throws std::runtime_error for a decimal number that does not
// parse ("'<text>' is not a valid floating point value"), and with a German message naming
// the signal and the key for one that is infinite, not a number, or an amplitude beyond
// MaxAmplitude. A waveform with an unknown points index reads (and writes) all support
// points, so that none of them is lost.
void LoadFromIni(tSignal& signal, const IniFile& ini, std::string_view section);

// Writes the whole project into `ini`: the sections the old list named and the list itself
// are erased, every other section is kept; nothing more for an empty project. An old list
// without entries is kept in place and filled.
void SaveProjectFile(IniFile& ini, const SignalList& list, char decimalSeparator);

// Asked when a formula signal's formulas fail after loading (or give an amplitude beyond
// MaxAmplitude). The error's text says what failed. The hook may let the user repair the
// signal and its name in place and returns whether it changed them.
using FormulaFailureHook =
    std::function<bool(tSignal& signal, std::string& name, const FormulaError& error)>;

struct LoadedProject {
    SignalList list;
    // The project differs from the file: names had to be repaired, or a failed formula
    // signal was changed while loading. Saving it again makes the file match.
    bool changedWhileLoading = false;
};

// Reads the signals in the order the list holds them, skipping entries with an empty name,
// and computes the series of waveform and formula signals. The names are then made valid
// and unique (MakeNamesValid), so that saving the project again keeps every signal. Throws
// as LoadFromIni does; nothing of the project is returned then.
LoadedProject LoadProjectFile(const IniFile& ini, const FormulaFailureHook& onFormulaFailure);

// The same for a file on disk; `path` is the file system's own spelling of the name.
// Saving builds the new content in memory from the old file and puts it in place in one
// step: a save that fails leaves the old file as it was, with the message
// "In <path> kann nicht geschrieben werden".
void SaveProjectToFile(const std::string& path, const SignalList& list, char decimalSeparator);
LoadedProject LoadProjectFromFile(const std::string& path,
                                  const FormulaFailureHook& onFormulaFailure);
