// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/TranslatableText.h"

#include <QString>

// The exports into files: the same pictures as on the clipboard, as SVG or PNG by the file's
// suffix, and the harmonics as CSV. Each writes the whole file at once through the
// program's safe save, so a failed write leaves no partial file and an existing file as it
// was; it then throws std::runtime_error with a German message for the general error
// handler.

struct AppSettings;
class SignalList;
class tSignal;

// The file types the picture exports offer, for the file dialog.
inline constexpr char PictureFileFilter[] =
    QT_TRANSLATE_NOOP("Wellenwerk", "SVG-Grafik (*.svg);;PNG-Bild (*.png)");
inline constexpr char TableFileFilter[] = QT_TRANSLATE_NOOP("Wellenwerk", "CSV-Tabelle (*.csv)");

// Whether the picture exports can write a file of this name: its suffix is svg or png (in
// any letter case).
bool IsPictureFileName(const QString& path);
inline constexpr char PictureSuffixText[] = QT_TRANSLATE_NOOP(
    "Wellenwerk", "Bilder werden als SVG oder PNG gespeichert: Bitte geben Sie einen Dateinamen "
                  "mit der Endung .svg oder .png an.");

// False, with nothing written, when the list is empty or selectedIndex names no entry.
bool SaveLineDiagramFile(const QString& path, const SignalList& signalList, int selectedIndex,
                         const AppSettings& settings);
void SaveSpectraFile(const QString& path, const tSignal* selected, const AppSettings& settings,
                     int harmonicCount);
bool SaveTableFile(const QString& path, const SignalList& signalList, int selectedIndex,
                   const AppSettings& settings);

inline constexpr char LineDiagramSavedText[] =
    QT_TRANSLATE_NOOP("Wellenwerk", "Liniendiagramm in Datei gespeichert!");
inline constexpr char SpectraSavedText[] =
    QT_TRANSLATE_NOOP("Wellenwerk", "Spektren in Datei gespeichert!");
inline constexpr char TableSavedText[] =
    QT_TRANSLATE_NOOP("Wellenwerk", "Tabelle in Datei gespeichert!");
