// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Accessibility.h"

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

const char* const ViewKeys = "Pfeile links und rechts, Pos1 und Ende wählen die Harmonische, "
                             "Pfeile auf und ab das Spektrum, Plus und Minus ändern den Wert um "
                             "1, mit Umschalt um 10, mit Strg um 100 (Winkel 5 und 45), "
                             "Eingabe springt zum Wert.";

// clang-format off
const ControlText Texts[] = {
    // the main window
    {"SignalListBox", "Signale", "Die Signale des Projekts. Leertaste zeigt oder verbirgt "
     "das gewählte Signal, Eingabe bearbeitet es, Entf löscht es."},
    {"specbox0", "Oberes Spektrum", ViewKeys},
    {"specbox1", "Unteres Spektrum", ViewKeys},
    {"SpecEdit", "Wert", "Wert der gewählten Spektrallinie als ganze Zahl; Strg+Z nimmt die "
     "letzte Änderung des Projekts zurück."},
    {"hBar", "Harmonische verschieben", "Zeigt die Harmonischen ab 1, 17, 33 bis 97."},
    {"SpecModeBtn", nullptr, "Wechselt zwischen Betrag und Phase, Kosinus- und Sinusanteil, "
     "Betrag und Sinusphase."},
    {"Plus3Btn", "Plus 100", "Erhöht den gewählten Wert um 100, einen Winkel um 45 Grad."},
    {"Plus2Btn", "Plus 10", "Erhöht den gewählten Wert um 10, einen Winkel um 5 Grad."},
    {"Plus1Btn", "Plus 1", "Erhöht den gewählten Wert um 1."},
    {"ZeroBtn", "Null", "Setzt den gewählten Wert auf 0."},
    {"Minus1Btn", "Minus 1", "Verringert den gewählten Wert um 1."},
    {"Minus2Btn", "Minus 10", "Verringert den gewählten Wert um 10, einen Winkel um 5 Grad."},
    {"Minus3Btn", "Minus 100", "Verringert den gewählten Wert um 100, einen Winkel um 45 Grad."},
    {"NewProjectBtn", nullptr, "Wie Projekt, Neu."},
    {"OpenProjectBtn", nullptr, "Wie Projekt, Laden."},
    {"SaveProjectBtn", nullptr, "Wie Projekt, Speichern."},
    {"NewSignalBtn", nullptr, "Wie Signal, Neu."},
    {"DeleteSignalBtn", nullptr, "Wie Signal, Löschen."},
    {"SignalOptionsBtn", nullptr, "Wie Signal, Bearbeiten."},
    {"CopySignalBtn", nullptr, "Wie Signal, Kopieren."},
    {"PasteSignalBtn", nullptr, "Wie Signal, Einfügen."},
    {"SoundBtn", nullptr, "Spielt das gewählte Signal als Ton, solange die Schaltfläche oder "
     "die Leertaste gedrückt ist."},
    {"OptionsBtn", nullptr, "Öffnet die Einstellungen."},
    {"PlusBtn", nullptr, "Zeigt weniger Perioden im Liniendiagramm."},
    {"MinusBtn", nullptr, "Zeigt mehr Perioden im Liniendiagramm."},
    {"RangeUpBtn", nullptr, "Vergrößert die Kurven im Liniendiagramm."},
    {"RangeDownBtn", nullptr, "Verkleinert die Kurven im Liniendiagramm."},
    // what every dialog has
    {"OKBtn", nullptr, "Übernimmt die Eingaben und schließt den Dialog."},
    {"CancelBtn", nullptr, "Schließt den Dialog, ohne etwas zu ändern."},
    {"HelpBtn", nullptr, "Öffnet die Hilfe zu diesem Dialog."},
    {"nameedit", "Bezeichnung", "Name des Signals im Projekt."},
    // the signal editors
    {"visbox", nullptr, "Zeigt die Kurve des Signals im Liniendiagramm."},
    {"c#", nullptr, "Farbe des Signals; Leertaste wählt sie."},
    {"Ptsgrp#", nullptr, "Anzahl der Stützstellen der Kurve; die Pfeile wählen eine andere."},
    {"box", "Kurvenform", "Die Kurve einer Periode. Pfeile links und rechts wählen eine "
     "Stützstelle, Pfeile auf und ab ändern ihren Wert um 1, mit Umschalt um 10; Strg+Z nimmt "
     "den letzten Strich zurück, Strg+Umschalt+Z wiederholt ihn."},
    {"MultEdit", "Faktor", "Faktor, mit dem alle Amplituden multipliziert werden."},
    {"MultBtn", "Multiplizieren", "Multipliziert alle Amplituden mit dem Faktor."},
    {"a0edit", "a0", "Formel des Gleichanteils a0."},
    {"anedit", "an", "Formel der Kosinuskoeffizienten an."},
    {"bnedit", "bn", "Formel der Sinuskoeffizienten bn."},
    {"kkedit", "k", "Wert oder Formel der Konstanten k."},
    {"kledit", "l", "Wert oder Formel der Konstanten l."},
    {"kmedit", "m", "Wert oder Formel der Konstanten m."},
    {"ngrp#", nullptr, "Welche n summiert werden; die Pfeile wählen eine andere Auswahl."},
    {"maxedit", "Höchste Harmonische", "Höchstes n, das summiert wird."},
    // the new-signal dialog
    {"Typegroup#", nullptr, "Wie das Signal gebildet wird; die Pfeile wählen eine andere Art."},
    // the save-sound dialog
    {"FileEdit", "Dateiname", "Name der WAV-Datei, in die der Ton geschrieben wird."},
    {"FileListBox", "Dateien", "Die WAV-Dateien im gewählten Verzeichnis."},
    {"DirectoryListBox", "Verzeichnisse", "Das Verzeichnis, in das der Ton geschrieben wird."},
    {"DriveComboBox", "Laufwerke", "Das Laufwerk des Verzeichnisses."},
    {"pathedit", "Neues Verzeichnis", "Name eines neuen Verzeichnisses im gewählten."},
    {"newpathbtn", "Verzeichnis anlegen", "Legt das neue Verzeichnis an."},
    // the settings dialog
    {"TabSet", "Seiten", "Wählt die Seite der Einstellungen; die Pfeile wechseln sie."},
    {"h#", nullptr, "Zeigt diese Harmonische des gewählten Signals als eigene Kurve."},
    {"Sgrp#", nullptr, "Beschriftung der Spektren; die Pfeile wählen eine andere."},
    {"Lgrp#", nullptr, "Beschriftung des Liniendiagramms; die Pfeile wählen eine andere."},
    {"StuetzBox", nullptr, "Zeichnet die Stützstellen gezeichneter Signale hinter ihre Kurve."},
    {"bgrp#", nullptr, "Hintergrundfarbe der Anzeigen; die Pfeile wählen eine andere."},
    {"fedit", "Frequenz fo (Hz)", "Grundfrequenz von 0.1 bis 25000 Hz, mit Punkt."},
    {"sfreqgrp#", nullptr, "Abtastrate des Tons; die Pfeile wählen eine andere."},
    {"spracheGrp#", nullptr, "Sprache der Oberfläche; die Pfeile wählen eine andere."},
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
        if (t.name && w->accessibleName().isEmpty())
            w->setAccessibleName(QString::fromUtf8(t.name));
        // A button with a picture only is named by its hint.
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (button && button->text().isEmpty() && w->accessibleName().isEmpty())
            w->setAccessibleName(w->toolTip());
        if (w->accessibleDescription().isEmpty())
            w->setAccessibleDescription(QString::fromUtf8(t.description));
        return;
    }
}

} // namespace

void DescribeControls(QWidget& window) {
    for (QWidget* w : window.findChildren<QWidget*>()) Describe(w);
}
