// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Prompts.h"

#include <QStringList>
#include <deque>
#include <functional>

// Answers the program's modal questions from a queue that the test fills beforehand.
// A question nobody expected fails the test and gets the cautious answer (No, Cancel).
class FakePrompts : public Prompts {
public:
    struct Shown {
        QString kind; // "error", "inform", "confirm", "asksave", "open", "save", "dialog"
        QString text; // message text, dialog title or object name
    };

    FakePrompts();
    ~FakePrompts() override;

    void ExpectConfirm(bool yes);
    void ExpectDismissed(); // a Yes/No question closed unanswered (else ExpectConfirm)
    void ExpectAskSave(SaveAnswer answer);
    void ExpectError();
    void ExpectInform();
    void ExpectOpenFile(const QString& path);
    void ExpectSaveFile(const QString& path);
    // `answer` fills the dialog's fields and returns QDialog::Accepted or Rejected; it may
    // also call accept() itself.
    void ExpectDialog(const QString& objectName, std::function<int(QDialog&)> answer);
    // Lets every instance of this dialog through with `result`, however often it appears.
    void AlwaysAnswer(const QString& objectName, int result);

    // Everything shown so far, in order.
    std::vector<Shown> shown;
    QStringList Texts(const QString& kind) const;
    bool AllAnswered() const { return queue_.empty(); }
    void Clear();

    void Error(QWidget*, const QString& text) override;
    void Inform(QWidget*, const QString& text) override;
    bool Confirm(QWidget*, const QString& text) override;
    SaveAnswer AskSave(QWidget*, const QString& text) override;
    SaveAnswer AskYesNo(QWidget*, const QString& text) override;
    QString OpenFileName(QWidget*, const QString& title, const QString&, const QString&) override;
    QString SaveFileName(QWidget*, const QString& title, const QString&, const QString&,
                         const QString& start) override;
    QStringList starts; // where each file dialog opened
    int Exec(QDialog& dialog) override;

private:
    struct Answer {
        QString kind;
        QString objectName;
        bool yes = false;
        SaveAnswer save = SaveAnswer::Cancel;
        QString path;
        std::function<int(QDialog&)> dialog;
    };
    const Answer* Next(const QString& kind, const QString& shownText);
    Answer current_;
    std::deque<Answer> queue_;
    std::vector<std::pair<QString, int>> always_;
};
