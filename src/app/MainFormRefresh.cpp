// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// Refreshing the main window after changes of the project or the settings: list items,
// command states, views and readouts.
#include "app/MainCommands.h"
#include "app/MainForm.h"
#include "app/SignalListView.h"
#include "display/LineDiagramView.h"
#include "display/MeasureReadouts.h"
#include "display/SpectrumViews.h"
#include "ui/Translatable.h"

#include <QAction>
#include <QLocale>

int TMainForm::SelectedIndex() const {
    return list_->SelectedIndex();
}

const tSignal* TMainForm::SelectedSignal() const {
    return project_.SignalAt(SelectedIndex());
}

void TMainForm::ProjectChanged(ProjectChange change, int index) {
    switch (change) {
    case ProjectChange::Replaced:
        ShowCaption();
        [[fallthrough]];
    case ProjectChange::Signals:
        list_->SetItems(index);
        FormPaint();
        break;
    case ProjectChange::Series:
        spectra_->RepaintSpectra();
        spectra_->ShowSelectedValue();
        DrawLineDiagram();
        break;
    case ProjectChange::Visibility:
        list_->SetItems(SelectedIndex());
        DrawLineDiagram();
        break;
    case ProjectChange::CopyBuffer:
        UpdateCommands();
        break;
    case ProjectChange::FileName:
        ShowCaption();
        break;
    }
    UpdateUndoCommands();
}

void TMainForm::SettingsChanged(SettingsChange change) {
    switch (change) {
    case SettingsChange::Zoom:
        DrawLineDiagram();
        diagram_->UpdateZoomButtons();
        break;
    case SettingsChange::Mode:
        spectra_->ShowSpectrumTitles();
        spectra_->UpdateEditControls();
        break;
    case SettingsChange::Options:
        ApplyLanguage(
            EffectiveLanguage(settings_.Values().sprache, QLocale().name().toStdString()));
        ShowCaption();
        ApplyViewScale(); // all settings at once may bring another view size
        diagram_->UpdateZoomButtons();
        FormPaint();
        break;
    case SettingsChange::ViewScale:
        ApplyViewScale();
        break;
    case SettingsChange::SoundPath:
    case SettingsChange::ExportPath:
        break;
    }
}

void TMainForm::FormPaint() {
    spectra_->ShowSpectrumTitles();
    // The value field and step buttons follow the selected signal's kind after every change,
    // so that a waveform or formula signal can never be edited line by line.
    spectra_->UpdateEditControls();
    UpdateCommands();
    DrawLineDiagram();
}

void TMainForm::UpdateCommands() {
    const bool hasSignals = project_.Count() > 0;
    const tSignal* selected = SelectedSignal();
    for (Command c : {Command::SaveProject, Command::SaveProjectAs})
        commands_->SetEnabled(c, hasSignals);
    for (Command c : {Command::CopySignal, Command::EditSignal, Command::DeleteSignal,
                      Command::Sound, Command::Export})
        commands_->SetEnabled(c, selected != nullptr);
    commands_->SetEnabled(Command::Convert, selected && selected->Kind > SpectralLines);
    commands_->SetEnabled(Command::PasteSignal, project_.CopyBuffer() != nullptr);
    UpdateUndoCommands();
}

void TMainForm::UpdateUndoCommands() {
    auto show = [this](Command command, const QString& caption, MessageText step) {
        commands_->SetEnabled(command, !step.Empty());
        // A "&" in a signal's name is text, not an accelerator.
        for (std::string& arg : step.args)
            arg = QString::fromStdString(arg)
                      .replace(QLatin1Char('&'), QStringLiteral("&&"))
                      .toStdString();
        commands_->Action(command)->setText(step.Empty() ? caption
                                                         : caption + ": " + Translated(step));
    };
    show(Command::Undo, Translated(QT_TRANSLATE_NOOP("Wellenwerk", "&Rückgängig")),
         project_.UndoStep());
    show(Command::Redo, Translated(QT_TRANSLATE_NOOP("Wellenwerk", "&Wiederholen")),
         project_.RedoStep());
}

void TMainForm::DrawLineDiagram() {
    diagram_->Redraw();
    readouts_->Show(SelectedSignal());
}
