// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The signal list and the commands on signals: new, delete, copy, paste, edit, convert.
// The rules live in the project; the handlers ask the user and hand over.
#include "app/MainForm.h"
#include "app/NewSignalDlg.h"
#include "ui/Prompts.h"
#include "ui/SignalEditor.h"
#include "ui/Translatable.h"

#include <QDialog>

bool TMainForm::CheckNewName(QWidget* dialog, const QString& name, int ownIndex) {
    const std::string utf8 = name.toStdString();
    const NameProblem problem = project_.CheckName(utf8, ownIndex);
    if (problem == NameProblem::None) return true;
    prompts().Error(dialog, Translated(NameProblemFault(problem, utf8)));
    return false;
}

void TMainForm::SignalListBoxClick() {
    // Everything that shows the selected signal: the whole window's refresh.
    FormPaint();
}

void TMainForm::SignalListBoxMouseDown() {
    project_.ToggleVisible(SelectedIndex());
}

void TMainForm::NewSignalBtnClick() {
    TNewSignalDlg& dialog = NewSignalDialog();
    if (prompts().Exec(dialog) != QDialog::Accepted) return;
    tSignal signal;
    signal.Kind = dialog.Kind();
    // The editor of the new signal's kind opens at once; cancelling it keeps the signal
    // with its defaults. Undo takes back the signal with its first edit.
    const Project::CompoundStep step(project_);
    EditSignal(project_.Append(dialog.SignalName().toStdString(), signal));
}

void TMainForm::DeleteSignalBtnClick() {
    const int i = SelectedIndex();
    if (i < 0) return;
    const QString question =
        Translated(
            QT_TRANSLATE_NOOP("Wellenwerk", "Wollen Sie das Signal \"%1\" wirklich entfernen?"))
            .arg(QString::fromStdString(project_.Name(i)));
    if (!prompts().Confirm(this, question)) return;
    project_.Remove(i);
}

void TMainForm::CopySignalBtnClick() {
    project_.Copy(SelectedIndex());
}

void TMainForm::PasteSignalBtnClick() {
    if (!project_.CopyBuffer()) return;
    TNewSignalNameDlg& dialog = NewSignalNameDialog();
    if (prompts().Exec(dialog) != QDialog::Accepted) return;
    project_.Paste(dialog.SignalName().toStdString());
}

int TMainForm::EditSignal(int index) {
    if (!project_.IsValidIndex(index)) return QDialog::Rejected;
    const tSignal& signal = project_.Signal(index);
    if (!IsKnownKind(signal.Kind)) {
        // No editor exists for a kind the program does not know.
        project_.Touch(index);
        return QDialog::Accepted;
    }
    SignalEditor* editor = EditorFor(signal.Kind);
    // A kind whose editor is not available behaves as if the user cancelled it.
    if (!editor) return QDialog::Rejected;
    const bool spectral = signal.Kind == SpectralLines;
    if (spectral) editor->SetDisplayMode(settings_.Values().mode);
    tSignal edited;
    edited.Assign(signal);
    std::string name = project_.Name(index);
    if (!RunEditor(*editor, edited, name, index)) return QDialog::Rejected;
    if (spectral && editor->DisplayMode() >= 0) settings_.SetMode(editor->DisplayMode());
    project_.CommitEdit(index, edited, std::move(name));
    return QDialog::Accepted;
}

bool TMainForm::RunEditor(SignalEditor& editor, tSignal& signal, std::string& name, int ownIndex) {
    editor.SetSignalName(QString::fromStdString(name));
    editor.WorkSignal().Assign(signal);
    editingIndex_ = ownIndex;
    const int result = prompts().Exec(editor.Dialog());
    editingIndex_ = -1;
    if (result != QDialog::Accepted) return false;
    signal.Assign(editor.WorkSignal());
    name = editor.SignalName().toStdString();
    return true;
}

void TMainForm::SignalOptionsBtnClick() {
    EditSignal(SelectedIndex());
}

void TMainForm::UndoItemClick() {
    project_.Undo();
}

void TMainForm::RedoItemClick() {
    project_.Redo();
}

void TMainForm::ConvertItemClick() {
    const tSignal* s = SelectedSignal();
    if (!s || s->Kind <= SpectralLines) return;
    const QString question =
        s->Kind == Waveform
            ? Translated(QT_TRANSLATE_NOOP(
                  "Wellenwerk", "Dieses Signal ist durch Signalformeditor und Fourieranalyse "
                                "entstanden. Eine Konvertierung in Spektrallinien kann nicht mehr "
                                "rückgängig gemacht werden. Jetzt konvertieren?"))
            : Translated(QT_TRANSLATE_NOOP(
                  "Wellenwerk", "Dieses Signal ist aus Formeln für Fourierreihen entstanden. Eine "
                                "Konvertierung in Spektrallinien kann nicht mehr rückgängig "
                                "gemacht werden. Jetzt konvertieren?"));
    if (!prompts().Confirm(this, question)) return;
    project_.Convert(SelectedIndex());
}
