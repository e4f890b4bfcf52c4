#pragma once

#include <QString>

class QDialog;
class QWidget;

// Every modal question the program asks goes through this interface, so that tests can
// answer it without a screen. The default implementation shows real Qt dialogs.
class Prompts {
public:
    enum class SaveAnswer { Yes, No, Cancel };

    virtual ~Prompts() = default;
    // An error or notice with a single OK button.
    virtual void Error(QWidget* parent, const QString& text) = 0;
    // A notice of the information kind with a single OK button; an error where no such
    // kind is shown.
    virtual void Information(QWidget* parent, const QString& text) { Error(parent, text); }
    // A confirmation with Yes and No; true for Yes.
    virtual bool Confirm(QWidget* parent, const QString& text) = 0;
    // A question with Yes, No and Cancel.
    virtual SaveAnswer AskSave(QWidget* parent, const QString& text) = 0;
    // File dialogs; an empty result means the user cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // Shows one of the program's own dialogs modally; returns QDialog::Accepted or Rejected.
    virtual int Exec(QDialog& dialog) = 0;
};

// The prompts in use; the real dialogs unless a test installed its own.
Prompts& prompts();
// Installs `replacement` (not owned); nullptr restores the real dialogs.
void SetPrompts(Prompts* replacement);
