// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Accessibility.h"

#include "ui/Translatable.h"

#include <QAbstractButton>
#include <QWidget>
#include <cctype>
#include <cstring>

namespace {

struct ControlText {
    // The object name; a trailing "#" stands for any decimal number (h0 .. h32).
    const char* object;
    const char* name; // nullptr: the control's own text names it
    const char* description;
};

const char* const ViewKeys = QT_TRANSLATE_NOOP(
    "Wellenwerk", "Pfeile links und rechts, Pos1 und Ende wählen die Harmonische, Pfeile auf und "
                  "ab das Spektrum, Plus und Minus ändern den Wert um 1, mit Umschalt um 10, mit "
                  "Strg um 100 (Winkel 5 und 45), Eingabe springt zum Wert.");

// clang-format off
const ControlText Texts[] = {
    // the main window
    {"SignalListBox", QT_TRANSLATE_NOOP("Wellenwerk", "Signale"), QT_TRANSLATE_NOOP("Wellenwerk", "Die Signale des Projekts. Leertaste zeigt oder verbirgt "
     "das gewählte Signal, Eingabe bearbeitet es, Entf löscht es.")},
    {"specbox0", QT_TRANSLATE_NOOP("Wellenwerk", "Oberes Spektrum"), ViewKeys},
    {"specbox1", QT_TRANSLATE_NOOP("Wellenwerk", "Unteres Spektrum"), ViewKeys},
    {"SpecEdit", QT_TRANSLATE_NOOP("Wellenwerk", "Wert"), QT_TRANSLATE_NOOP("Wellenwerk", "Wert der gewählten Spektrallinie als ganze Zahl; Strg+Z nimmt die "
     "letzte Änderung des Projekts zurück.")},
    {"hBar", QT_TRANSLATE_NOOP("Wellenwerk", "Harmonische verschieben"), QT_TRANSLATE_NOOP("Wellenwerk", "Zeigt die Harmonischen ab 1, 17, 33 bis 97.")},
    {"SpecModeBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Wechselt zwischen Betrag und Phase, Kosinus- und Sinusanteil, "
     "Betrag und Sinusphase.")},
    {"Plus3Btn", QT_TRANSLATE_NOOP("Wellenwerk", "Plus 100"), QT_TRANSLATE_NOOP("Wellenwerk", "Erhöht den gewählten Wert um 100, einen Winkel um 45 Grad.")},
    {"Plus2Btn", QT_TRANSLATE_NOOP("Wellenwerk", "Plus 10"), QT_TRANSLATE_NOOP("Wellenwerk", "Erhöht den gewählten Wert um 10, einen Winkel um 5 Grad.")},
    {"Plus1Btn", QT_TRANSLATE_NOOP("Wellenwerk", "Plus 1"), QT_TRANSLATE_NOOP("Wellenwerk", "Erhöht den gewählten Wert um 1.")},
    {"ZeroBtn", QT_TRANSLATE_NOOP("Wellenwerk", "Null"), QT_TRANSLATE_NOOP("Wellenwerk", "Setzt den gewählten Wert auf 0.")},
    {"Minus1Btn", QT_TRANSLATE_NOOP("Wellenwerk", "Minus 1"), QT_TRANSLATE_NOOP("Wellenwerk", "Verringert den gewählten Wert um 1.")},
    {"Minus2Btn", QT_TRANSLATE_NOOP("Wellenwerk", "Minus 10"), QT_TRANSLATE_NOOP("Wellenwerk", "Verringert den gewählten Wert um 10, einen Winkel um 5 Grad.")},
    {"Minus3Btn", QT_TRANSLATE_NOOP("Wellenwerk", "Minus 100"), QT_TRANSLATE_NOOP("Wellenwerk", "Verringert den gewählten Wert um 100, einen Winkel um 45 Grad.")},
    {"NewProjectBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Wie Projekt, Neu.")},
    {"OpenProjectBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Wie Projekt, Laden.")},
    {"SaveProjectBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Wie Projekt, Speichern.")},
    {"NewSignalBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Wie Signal, Neu.")},
    {"DeleteSignalBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Wie Signal, Löschen.")},
    {"SignalOptionsBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Wie Signal, Bearbeiten.")},
    {"CopySignalBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Wie Signal, Kopieren.")},
    {"PasteSignalBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Wie Signal, Einfügen.")},
    {"SoundBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Spielt das gewählte Signal als Ton, solange die Schaltfläche oder "
     "die Leertaste gedrückt ist.")},
    {"OptionsBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Öffnet die Einstellungen.")},
    {"PlusBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Zeigt weniger Perioden im Liniendiagramm.")},
    {"MinusBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Zeigt mehr Perioden im Liniendiagramm.")},
    {"RangeUpBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Vergrößert die Kurven im Liniendiagramm.")},
    {"RangeDownBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Verkleinert die Kurven im Liniendiagramm.")},
    // what every dialog has
    {"OKBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Übernimmt die Eingaben und schließt den Dialog.")},
    {"CancelBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Schließt den Dialog, ohne etwas zu ändern.")},
    {"HelpBtn", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Öffnet die Hilfe zu diesem Dialog.")},
    {"nameedit", QT_TRANSLATE_NOOP("Wellenwerk", "Bezeichnung"), QT_TRANSLATE_NOOP("Wellenwerk", "Name des Signals im Projekt.")},
    // the signal editors
    {"visbox", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Zeigt die Kurve des Signals im Liniendiagramm.")},
    {"c#", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Farbe des Signals; Leertaste wählt sie.")},
    {"Ptsgrp#", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Anzahl der Stützstellen der Kurve; die Pfeile wählen eine andere.")},
    {"box", QT_TRANSLATE_NOOP("Wellenwerk", "Kurvenform"), QT_TRANSLATE_NOOP("Wellenwerk", "Die Kurve einer Periode. Pfeile links und rechts wählen eine "
     "Stützstelle, Pfeile auf und ab ändern ihren Wert um 1, mit Umschalt um 10; Strg+Z nimmt "
     "den letzten Strich zurück, Strg+Umschalt+Z wiederholt ihn.")},
    {"MultEdit", QT_TRANSLATE_NOOP("Wellenwerk", "Faktor"), QT_TRANSLATE_NOOP("Wellenwerk", "Faktor, mit dem alle Amplituden multipliziert werden.")},
    {"MultBtn", QT_TRANSLATE_NOOP("Wellenwerk", "Multiplizieren"), QT_TRANSLATE_NOOP("Wellenwerk", "Multipliziert alle Amplituden mit dem Faktor.")},
    {"a0edit", "a0", QT_TRANSLATE_NOOP("Wellenwerk", "Formel des Gleichanteils a0.")},
    {"anedit", "an", QT_TRANSLATE_NOOP("Wellenwerk", "Formel der Kosinuskoeffizienten an.")},
    {"bnedit", "bn", QT_TRANSLATE_NOOP("Wellenwerk", "Formel der Sinuskoeffizienten bn.")},
    {"kkedit", "k", QT_TRANSLATE_NOOP("Wellenwerk", "Wert oder Formel der Konstanten k.")},
    {"kledit", "l", QT_TRANSLATE_NOOP("Wellenwerk", "Wert oder Formel der Konstanten l.")},
    {"kmedit", "m", QT_TRANSLATE_NOOP("Wellenwerk", "Wert oder Formel der Konstanten m.")},
    {"ngrp#", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Welche n summiert werden; die Pfeile wählen eine andere Auswahl.")},
    {"maxedit", QT_TRANSLATE_NOOP("Wellenwerk", "Höchste Harmonische"), QT_TRANSLATE_NOOP("Wellenwerk", "Höchstes n, das summiert wird.")},
    // the new-signal dialog
    {"Typegroup#", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Wie das Signal gebildet wird; die Pfeile wählen eine andere Art.")},
    // the save-sound dialog
    {"FileEdit", QT_TRANSLATE_NOOP("Wellenwerk", "Dateiname"), QT_TRANSLATE_NOOP("Wellenwerk", "Name der WAV-Datei, in die der Ton geschrieben wird.")},
    {"FileListBox", QT_TRANSLATE_NOOP("Wellenwerk", "Dateien"), QT_TRANSLATE_NOOP("Wellenwerk", "Die WAV-Dateien im gewählten Verzeichnis.")},
    {"DirectoryListBox", QT_TRANSLATE_NOOP("Wellenwerk", "Verzeichnisse"), QT_TRANSLATE_NOOP("Wellenwerk", "Das Verzeichnis, in das der Ton geschrieben wird.")},
    {"DriveComboBox", QT_TRANSLATE_NOOP("Wellenwerk", "Laufwerke"), QT_TRANSLATE_NOOP("Wellenwerk", "Das Laufwerk des Verzeichnisses.")},
    {"pathedit", QT_TRANSLATE_NOOP("Wellenwerk", "Neues Verzeichnis"), QT_TRANSLATE_NOOP("Wellenwerk", "Name eines neuen Verzeichnisses im gewählten.")},
    {"newpathbtn", QT_TRANSLATE_NOOP("Wellenwerk", "Verzeichnis anlegen"), QT_TRANSLATE_NOOP("Wellenwerk", "Legt das neue Verzeichnis an.")},
    // the settings dialog
    {"TabSet", QT_TRANSLATE_NOOP("Wellenwerk", "Seiten"), QT_TRANSLATE_NOOP("Wellenwerk", "Wählt die Seite der Einstellungen; die Pfeile wechseln sie.")},
    {"h#", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Zeigt diese Harmonische des gewählten Signals als eigene Kurve.")},
    {"Sgrp#", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Beschriftung der Spektren; die Pfeile wählen eine andere.")},
    {"Lgrp#", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Beschriftung des Liniendiagramms; die Pfeile wählen eine andere.")},
    {"StuetzBox", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Zeichnet die Stützstellen gezeichneter Signale hinter ihre Kurve.")},
    {"bgrp#", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Hintergrundfarbe der Anzeigen; die Pfeile wählen eine andere.")},
    {"fedit", QT_TRANSLATE_NOOP("Wellenwerk", "Frequenz fo (Hz)"), QT_TRANSLATE_NOOP("Wellenwerk", "Grundfrequenz von 0.1 bis 25000 Hz, mit Punkt.")},
    {"sfreqgrp#", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Abtastrate des Tons; die Pfeile wählen eine andere.")},
    {"spracheGrp#", nullptr, QT_TRANSLATE_NOOP("Wellenwerk", "Sprache der Oberfläche; die Pfeile wählen eine andere.")},
};
// clang-format on

bool Matches(const char* pattern, const QString& objectName) {
    const QByteArray name = objectName.toLatin1();
    const std::size_t length = std::strlen(pattern);
    if (length == 0 || pattern[length - 1] != '#') return name == pattern;
    const std::size_t prefix = length - 1;
    if (static_cast<std::size_t>(name.size()) <= prefix || std::strncmp(name, pattern, prefix))
        return false;
    for (auto i = static_cast<qsizetype>(prefix); i < name.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

void Describe(QWidget* w) {
    for (const ControlText& t : Texts) {
        if (!Matches(t.object, w->objectName())) continue;
        if (t.name && w->accessibleName().isEmpty()) SetTranslated(w, "accessibleName", t.name);
        // A button with a picture only is named by its hint, in the hint's language.
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (button && button->text().isEmpty() && w->accessibleName().isEmpty()) {
            const QByteArray hint = TranslatedSource(w, "toolTip");
            if (hint.isEmpty())
                w->setAccessibleName(w->toolTip());
            else
                SetTranslated(w, "accessibleName", hint);
        }
        if (w->accessibleDescription().isEmpty())
            SetTranslated(w, "accessibleDescription", t.description);
        return;
    }
}

} // namespace

void DescribeControls(QWidget& window) {
    for (QWidget* w : window.findChildren<QWidget*>()) Describe(w);
}
