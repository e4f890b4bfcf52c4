// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The project commands: new, load, save, save as and exit, the save prompts and the caption
// that names the project file. Reading and writing the file is the core's ProjectFile.
#include "app/MainForm.h"
#include "app/ProgramInfo.h"
#include "app/ProjectFolders.h"
#include "formula/FormulaDlg.h"
#include "project/ProjectFile.h"
#include "ui/CommandGuard.h"
#include "ui/Prompts.h"
#include "ui/SignalEditor.h"
#include "ui/Translatable.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

QString ProjectFilter() {
    return Translated(QT_TRANSLATE_NOOP("Wellenwerk", "Wellenwerk Projekt (*.wwp)"));
}

// The name as the file system spells it.
std::string FileSystemName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The separator of the user's number format; files hold only "," or ".", which is what
// reading accepts, so any other separator is written as ".".
char DecimalSeparator() {
    return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

} // namespace

void TMainForm::ShowCaption() {
    const QString program = QStringLiteral(WELLENWERK_TITLE);
    const QString file = QString::fromStdString(project_.FileName());
    setWindowTitle(file.isEmpty()
                       ? program
                       : program + Translated(QT_TRANSLATE_NOOP("Wellenwerk", " - Projekt: ")) +
                             file);
}

void TMainForm::NewProjectBtnClick() {
    if (!QuerySaveBeforeReplacing()) return;
    project_.Clear();
}

void TMainForm::LoadProjectItemClick() {
    const QString path =
        prompts().OpenFileName(this, Translated(QT_TRANSLATE_NOOP("Wellenwerk", "Projekt laden")),
                               ProjectFilter(), ProjectDialogStart());
    RememberProjectFolder(path);
    if (path.isEmpty() || !QuerySaveBeforeReplacing()) return;
    LoadProjectFile(path);
}

void TMainForm::LoadProjectFile(const QString& path) {
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    // The open project stays as it is until the new one has been read completely.
    LoadedProject loaded =
        LoadProjectFromFile(FileSystemName(fullPath),
                            [this](tSignal& signal, std::string& name, const FormulaError& error) {
                                return EditFailedFormula(signal, name, error);
                            });
    project_.ReplaceAll(std::move(loaded.list), fullPath.toStdString(), loaded.changedWhileLoading);
}

bool TMainForm::EditFailedFormula(tSignal& signal, std::string& name, const FormulaError& error) {
    // The formula editor shows the message and opens with the failing field active.
    FormulaDialog().ReportFailure(error);
    SignalEditor* editor = EditorFor(Formulas);
    // The signals being loaded are not in the project yet, so a new name is compared with
    // nothing here; loading makes the names unique afterwards.
    return editor && RunEditor(*editor, signal, name, NameNotChecked);
}

void TMainForm::SaveProjectItemClick() {
    SaveProject();
}

void TMainForm::SaveProjectAsItemClick() {
    SaveProjectAs();
}

void TMainForm::ExitItemClick() {
    // The window closes whatever the save did: an error is shown first, and closing asks
    // again (and offers to save) while the project is unsaved.
    RunCommand([this] { SaveProject(); });
    close();
}

bool TMainForm::SaveProject() {
    if (project_.Count() == 0) return false;
    if (project_.FileName().empty()) return SaveProjectAs();
    WriteProjectFile(QString::fromStdString(project_.FileName()));
    return true;
}

bool TMainForm::SaveProjectAs() {
    if (project_.Count() == 0) return false;
    // A titled project proposes its own file.
    const QString file = QString::fromStdString(project_.FileName());
    const QString path = prompts().SaveFileName(
        this, Translated(QT_TRANSLATE_NOOP("Wellenwerk", "Projekt speichern")), ProjectFilter(),
        QStringLiteral("wwp"), file.isEmpty() ? ProjectDialogStart() : file);
    RememberProjectFolder(path);
    if (path.isEmpty()) return false;
    // The project takes the new name only once it has been written there.
    WriteProjectFile(path);
    project_.SetFileName(path.toStdString());
    return true;
}

void TMainForm::WriteProjectFile(const QString& path) {
    SaveProjectToFile(FileSystemName(path), project_.Signals(), DecimalSeparator());
    project_.MarkSaved();
}

QString TMainForm::ProjectDialogStart() const {
    return ProjectDialogFolder(QString::fromStdString(project_.FileName()), lastProjectFolder_);
}

void TMainForm::RememberProjectFolder(const QString& chosenPath) {
    if (!chosenPath.isEmpty()) lastProjectFolder_ = QFileInfo(chosenPath).absolutePath();
}

bool TMainForm::QuerySaveBeforeReplacing() {
    if (project_.Count() == 0) return true;
    const QString question =
        Translated(
            QT_TRANSLATE_NOOP("Wellenwerk", "Projekt \"%1\"wurde verändert. Jetzt speichern?"))
            .arg(QString::fromStdString(project_.FileName()));
    switch (prompts().AskSave(this, question)) {
    case Prompts::SaveAnswer::Yes:
        // A save the user cancels keeps the project open instead of discarding it.
        return SaveProject();
    case Prompts::SaveAnswer::No:
        return true;
    case Prompts::SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool TMainForm::QueryProjectSaved() {
    if (!project_.Modified() || project_.Count() == 0) return true;
    const QString question =
        Translated(
            QT_TRANSLATE_NOOP("Wellenwerk", "Projekt \"%1\" wurde verändert. Jetzt speichern?"))
            .arg(QString::fromStdString(project_.FileName()));
    switch (prompts().AskYesNo(this, question)) {
    case Prompts::SaveAnswer::Yes:
        // Yes and then no save (the file dialog cancelled) keeps the program running.
        return SaveProject();
    case Prompts::SaveAnswer::No:
        return true;
    case Prompts::SaveAnswer::Cancel: // the box dismissed: the user has not decided
        break;
    }
    return false;
}
