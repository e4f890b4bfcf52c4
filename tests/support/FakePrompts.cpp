// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakePrompts.h"

#include <QDialog>
#include <gtest/gtest.h>

FakePrompts::FakePrompts() {
    SetPrompts(this);
}

FakePrompts::~FakePrompts() {
    SetPrompts(nullptr);
}

void FakePrompts::ExpectConfirm(bool yes) {
    queue_.push_back({QStringLiteral("confirm"), {}, yes, {}, {}, {}});
}
void FakePrompts::ExpectDismissed() {
    queue_.push_back({QStringLiteral("confirm"), {}, false, SaveAnswer::Cancel, {}, {}});
}
void FakePrompts::ExpectAskSave(SaveAnswer answer) {
    queue_.push_back({QStringLiteral("asksave"), {}, false, answer, {}, {}});
}
void FakePrompts::ExpectError() {
    queue_.push_back({QStringLiteral("error"), {}, false, {}, {}, {}});
}
void FakePrompts::ExpectInform() {
    queue_.push_back({QStringLiteral("inform"), {}, false, {}, {}, {}});
}
void FakePrompts::ExpectOpenFile(const QString& path) {
    queue_.push_back({QStringLiteral("open"), {}, false, {}, path, {}});
}
void FakePrompts::ExpectSaveFile(const QString& path) {
    queue_.push_back({QStringLiteral("save"), {}, false, {}, path, {}});
}
void FakePrompts::ExpectDialog(const QString& objectName, std::function<int(QDialog&)> answer) {
    queue_.push_back({QStringLiteral("dialog"), objectName, false, {}, {}, std::move(answer)});
}
void FakePrompts::AlwaysAnswer(const QString& objectName, int result) {
    always_.emplace_back(objectName, result);
}

QStringList FakePrompts::Texts(const QString& kind) const {
    QStringList out;
    for (const Shown& s : shown)
        if (s.kind == kind) out << s.text;
    return out;
}

void FakePrompts::Clear() {
    shown.clear();
    queue_.clear();
}

const FakePrompts::Answer* FakePrompts::Next(const QString& kind, const QString& shownText) {
    shown.push_back({kind, shownText});
    if (queue_.empty() || queue_.front().kind != kind ||
        (!queue_.front().objectName.isEmpty() && queue_.front().objectName != shownText)) {
        ADD_FAILURE() << "unexpected " << kind.toStdString() << ": " << shownText.toStdString()
                      << (queue_.empty() ? std::string(" (nothing expected)")
                                         : " (expected " + queue_.front().kind.toStdString() + " " +
                                               queue_.front().objectName.toStdString() + ")");
        return nullptr;
    }
    current_ = std::move(queue_.front());
    queue_.pop_front();
    return &current_;
}

void FakePrompts::Error(QWidget*, const QString& text) {
    Next(QStringLiteral("error"), text);
}

void FakePrompts::Inform(QWidget*, const QString& text) {
    Next(QStringLiteral("inform"), text);
}

bool FakePrompts::Confirm(QWidget*, const QString& text) {
    const Answer* a = Next(QStringLiteral("confirm"), text);
    return a && a->yes;
}

Prompts::SaveAnswer FakePrompts::AskSave(QWidget*, const QString& text) {
    const Answer* a = Next(QStringLiteral("asksave"), text);
    return a ? a->save : SaveAnswer::Cancel;
}

Prompts::SaveAnswer FakePrompts::AskYesNo(QWidget* parent, const QString& text) {
    const bool yes = Confirm(parent, text);
    if (current_.save == SaveAnswer::Cancel) return SaveAnswer::Cancel; // dismissed
    return yes ? SaveAnswer::Yes : SaveAnswer::No;
}

QString FakePrompts::OpenFileName(QWidget*, const QString& title, const QString&,
                                  const QString& start) {
    starts << start;
    const Answer* a = Next(QStringLiteral("open"), title);
    return a ? a->path : QString();
}

QString FakePrompts::SaveFileName(QWidget*, const QString& title, const QString&, const QString&,
                                  const QString& start) {
    starts << start;
    const Answer* a = Next(QStringLiteral("save"), title);
    return a ? a->path : QString();
}

int FakePrompts::Exec(QDialog& dialog) {
    for (const auto& [name, result] : always_) {
        if (name == dialog.objectName()) {
            shown.push_back({QStringLiteral("dialog"), name});
            return result;
        }
    }
    const Answer* a = Next(QStringLiteral("dialog"), dialog.objectName());
    if (!a) return QDialog::Rejected;
    // Run the dialog's own show-time logic (activation handlers) before answering.
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    const auto answer = a->dialog; // the answer may queue further prompts
    int result = answer(dialog);
    if (dialog.isVisible()) dialog.hide();
    if (dialog.result() == QDialog::Accepted) result = QDialog::Accepted;
    return result;
}
