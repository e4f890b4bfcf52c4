// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

// Every modal question the program asks goes through this interface, so that tests can
// answer it without a screen. The default implementation shows real Qt dialogs.
class Prompts {
public:
    enum class SaveAnswer { Yes, No, Cancel };

    virtual ~Prompts() = default;
    // An error with a single OK button.
    virtual void Error(QWidget* parent, const QString& text) = 0;
    // A notice (information symbol) with a single OK button.
    virtual void Inform(QWidget* parent, const QString& text) = 0;
    // A confirmation with Yes and No; true for Yes.
    virtual bool Confirm(QWidget* parent, const QString& text) = 0;
    // A question with Yes, No and Cancel.
    virtual SaveAnswer AskSave(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No only; Cancel when the user dismisses the box instead
    // (Escape, the close box), which must not count as No.
    virtual SaveAnswer AskYesNo(QWidget* parent, const QString& text) = 0;
    // File dialogs; an empty result means the user cancelled. They open in the folder
    // `start`; where `start` names a file, in its folder with that file proposed.
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& start) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix, const QString& start) = 0;
    // Shows one of the program's own dialogs modally; returns QDialog::Accepted or Rejected.
    virtual int Exec(QDialog& dialog) = 0;
};

// Prompts nobody answers, for runs without a user (pictures, measurements): messages go
// unseen, every question gets its cautious answer, every dialog is cancelled.
class DeclineAllPrompts : public Prompts {
public:
    void Error(QWidget*, const QString&) override {}
    void Inform(QWidget*, const QString&) override {}
    bool Confirm(QWidget*, const QString&) override { return false; }
    SaveAnswer AskSave(QWidget*, const QString&) override { return SaveAnswer::Cancel; }
    SaveAnswer AskYesNo(QWidget*, const QString&) override { return SaveAnswer::Cancel; }
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&,
                         const QString&) override {
        return {};
    }
    int Exec(QDialog&) override { return 0; }
};

// The message box the real prompts show: names and values in `text` appear as plain text,
// never as markup.
QMessageBox* CreateMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                              QMessageBox::StandardButtons buttons, QWidget* parent);

// The prompts in use; the real dialogs unless a test installed its own.
Prompts& prompts();
// Installs `replacement` (not owned); nullptr restores the real dialogs.
void SetPrompts(Prompts* replacement);
