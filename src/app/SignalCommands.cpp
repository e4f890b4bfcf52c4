// The signal list and the commands on signals: new, delete, copy, paste, edit, convert.
#include "app/MainForm.h"
#include "app/NewSignalDlg.h"
#include "app/Prompts.h"
#include "app/SignalEditor.h"
#include "signal/SignalNames.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>

namespace {

std::string Utf8(const QString& s) {
    return s.toStdString();
}

} // namespace

bool TMainForm::CheckNewName(QWidget* dialog, const QString& name, int ownIndex) {
    const NameProblem problem = CheckSignalName(Utf8(name), Signals, ownIndex);
    if (problem == NameProblem::None) return true;
    prompts().Error(dialog, QString::fromStdString(NameProblemMessage(problem, Utf8(name))));
    return false;
}

void TMainForm::SetListItems(int index) {
    const QSignalBlocker block(SignalListBox);
    SignalListBox->clear();
    for (int i = 0; i < Signals.Count(); ++i)
        SignalListBox->addItem(QString::fromStdString(Signals.Name(i)));
    SignalListBox->setCurrentRow(Signals.IsValidIndex(index) ? index : -1);
    SignalListBox->viewport()->update();
}

void TMainForm::SignalListBoxClick() {
    ShowSpectrumTitles();
    UpdateEditControls();
    UpdateCommands();
    DrawLineDiagram();
}

void TMainForm::ToggleSelectedVisible() {
    const int i = SelectedIndex();
    if (i < 0) return;
    tSignal& s = Signals.Signal(i);
    s.Visible = !s.Visible;
    SetListItems(i);
    ProjectModified = true;
    DrawLineDiagram();
}

void TMainForm::NewSignalBtnClick() {
    if (prompts().Exec(*NewSignalDlg) != QDialog::Accepted) return;
    tSignal signal;
    signal.Kind = NewSignalDlg->Kind();
    const int index = Signals.Append(Utf8(NewSignalDlg->nameedit->text()), signal);
    SetListItems(index);
    EditSignal(index);
    ProjectModified = true;
    FormPaint();
}

void TMainForm::DeleteSignalBtnClick() {
    const int i = SelectedIndex();
    if (i < 0) return;
    const QString question = QStringLiteral("Wollen Sie das Signal \"%1\" wirklich entfernen?")
                                 .arg(QString::fromStdString(Signals.Name(i)));
    if (!prompts().Confirm(this, question)) return;
    Signals.Remove(i);
    SetListItems(i < Signals.Count() ? i : i - 1);
    ProjectModified = true;
    FormPaint();
}

void TMainForm::CopySignalBtnClick() {
    const tSignal* s = SelectedSignal();
    if (!s) return;
    if (!CopyBuffer) CopyBuffer = std::make_unique<tSignal>();
    CopyBuffer->Assign(*s);
    UpdateCommands();
}

void TMainForm::PasteSignalBtnClick() {
    if (!CopyBuffer) return;
    if (prompts().Exec(*NewSignalNameDlg) != QDialog::Accepted) return;
    const int index = Signals.Append(Utf8(NewSignalNameDlg->nameedit->text()), *CopyBuffer);
    SetListItems(index);
    ProjectModified = true;
    FormPaint();
}

SignalEditor* TMainForm::EditorFor(int kind) const {
    return kind >= 0 && kind < static_cast<int>(Editors.size()) ? Editors[kind] : nullptr;
}

int TMainForm::EditSignal(int index) {
    if (!Signals.IsValidIndex(index)) return QDialog::Rejected;
    tSignal& signal = Signals.Signal(index);
    const bool knownKind = signal.Kind >= 0 && signal.Kind <= 2;
    if (knownKind) {
        SignalEditor* editor = EditorFor(signal.Kind);
        // A kind whose editor is not available behaves as if the user cancelled it.
        if (!editor) return QDialog::Rejected;
        editor->SetSignalName(QString::fromStdString(Signals.Name(index)));
        editor->WorkSignal().Assign(signal);
        if (signal.Kind == 0) editor->SetDisplayMode(Settings.mode);
        EditingIndex = index;
        const int result = prompts().Exec(editor->Dialog());
        EditingIndex = -1;
        if (result != QDialog::Accepted) return result;
        signal.Assign(editor->WorkSignal());
        if (signal.Kind == 0 && editor->DisplayMode() >= 0) Settings.mode = editor->DisplayMode();
        Signals.Rename(index, Utf8(editor->SignalName()));
        SetListItems(index);
    }
    ProjectModified = true;
    FormPaint();
    return QDialog::Accepted;
}

void TMainForm::SignalOptionsBtnClick() {
    EditSignal(SelectedIndex());
}

void TMainForm::ConvertItemClick() {
    tSignal* s = SelectedSignal();
    if (!s || s->Kind <= 0) return;
    const QString question =
        s->Kind == 1
            ? QStringLiteral("Dieses Signal ist durch Signalformeditor und Fourieranalyse "
                             "entstanden. Eine Konvertierung in Spektrallinien kann nicht mehr "
                             "rückgängig gemacht werden. Jetzt konvertieren?")
            : QStringLiteral("Dieses Signal ist aus Formeln für Fourierreihen entstanden. Eine "
                             "Konvertierung in Spektrallinien kann nicht mehr rückgängig gemacht "
                             "werden. Jetzt konvertieren?");
    if (!prompts().Confirm(this, question)) return;
    s->Kind = 0;
    ProjectModified = true;
    SignalListBox->viewport()->update();
    FormPaint();
}
