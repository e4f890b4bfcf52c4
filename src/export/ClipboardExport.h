// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/TranslatableText.h"

// The three clipboard exports of the selected signal. Each returns (or, for the spectra,
// always does) its work; the caller confirms it with the matching text below. A clipboard
// that does not take the data throws std::runtime_error, for the general error handler.

struct AppSettings;
class SignalList;
class tSignal;

inline constexpr char LineDiagramExportedText[] =
    QT_TRANSLATE_NOOP("Wellenwerk", "Liniendiagramm in die Zwischenablage exportiert!");
inline constexpr char SpectraExportedText[] =
    QT_TRANSLATE_NOOP("Wellenwerk", "Spektren in die Zwischenablage exportiert!");
inline constexpr char TableExportedText[] =
    QT_TRANSLATE_NOOP("Wellenwerk", "Tabelle in die Zwischenablage exportiert!");

// The line diagram as a picture (SVG and PNG). False, with the clipboard untouched, when the
// list is empty or selectedIndex names no entry.
bool ExportLineDiagram(const SignalList& signalList, int selectedIndex,
                       const AppSettings& settings);

// Both spectra of the display mode with harmonics 1..harmonicCount (32, 64 or 128) as a
// picture; without a selected signal (nullptr) grids, labels and titles only.
void ExportSpectra(const tSignal* selected, const AppSettings& settings, int harmonicCount);

// The harmonics table as plain text. False, with the clipboard untouched, when the list is
// empty or selectedIndex names no entry.
bool ExportTable(const SignalList& signalList, int selectedIndex, const AppSettings& settings);
