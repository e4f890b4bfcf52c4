// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The handlers that hand their work to the settings, the help, the exports and the sound.
#include "app/InfoDlg.h"
#include "app/MainForm.h"
#include "app/OptionsDlg.h"
#include "export/ClipboardExport.h"
#include "sound/SavewavDlg.h"
#include "sound/ToneFile.h"
#include "sound/TonePlayer.h"
#include "ui/HelpSystem.h"
#include "ui/Prompts.h"
#include "ui/Translatable.h"

void TMainForm::OptionsItemClick() {
    // OK hands the dialog's values to the settings, whose notification repaints the window.
    prompts().Exec(OptionsDialog());
}

void TMainForm::SpecModeBtnClick() {
    settings_.NextMode();
}

void TMainForm::PlusBtnClick() {
    settings_.StretchTime();
}

void TMainForm::MinusBtnClick() {
    settings_.SqueezeTime();
}

void TMainForm::RangeUpBtnClick() {
    settings_.StretchAmplitude();
}

void TMainForm::RangeDownBtnClick() {
    settings_.SqueezeAmplitude();
}

void TMainForm::InfoItemClick() {
    prompts().Exec(InfoDialog());
}

void TMainForm::Inhalt1Click() {
    Help().ShowContext(1);
}

void TMainForm::TheoryItemClick() {
    Help().ShowContext(3);
}

void TMainForm::ContentsItemClick() {
    Help().ShowContext(2);
}

void TMainForm::ExportDiagItemClick() {
    if (ExportLineDiagram(project_.Signals(), SelectedIndex(), settings_.Values()))
        prompts().Inform(this, Translated(LineDiagramExportedText));
}

void TMainForm::N32Harmonische1Click() {
    ExportSpectra(32);
}

void TMainForm::N64Harmonische1Click() {
    ExportSpectra(64);
}

void TMainForm::N128Harmonische1Click() {
    ExportSpectra(128);
}

void TMainForm::ExportSpectra(int harmonicCount) {
    ExportHarmonicCount = harmonicCount;
    // Also without a selected signal: the picture then holds grids, labels and titles.
    ::ExportSpectra(SelectedSignal(), settings_.Values(), ExportHarmonicCount);
    prompts().Inform(this, Translated(SpectraExportedText));
}

void TMainForm::ExportTabItemClick() {
    if (ExportTable(project_.Signals(), SelectedIndex(), settings_.Values()))
        prompts().Inform(this, Translated(TableExportedText));
}

void TMainForm::SoundBtnMouseDown() {
    if (const tSignal* signal = SelectedSignal())
        Tone().PlayTone(*signal, settings_.Values().freq, settings_.Values().sfreq);
}

void TMainForm::SoundBtnMouseUp() {
    if (tone_) tone_->StopTone();
}

void TMainForm::SaveSoundClick() {
    if (!SelectedSignal() || prompts().Exec(SavewavDialog()) != QDialog::Accepted) return;
    WriteToneFile(*SelectedSignal(), SavewavDialog().ChosenFile(), settings_.Values().freq,
                  settings_.Values().sfreq);
}
