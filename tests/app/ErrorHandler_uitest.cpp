// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakePrompts.h"
#include "ui/CommandGuard.h"
#include "ui/Prompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(ErrorHandler, ACommandsErrorIsShownAndTheProgramGoesOn) {
    FakePrompts prompts;
    prompts.ExpectError();
    prompts.ExpectError();
    int ranAfter = 0;
    // A slot wrapped as every command is: the exception ends it inside the wrapper.
    QObject sender;
    QObject::connect(&sender, &QObject::objectNameChanged, Guarded([] {
        throw std::runtime_error("'12a' is not a valid integer value");
    }));
    QObject::connect(&sender, &QObject::objectNameChanged, [&] { ++ranAfter; });
    sender.setObjectName(QStringLiteral("x"));
    RunCommand([] { throw std::overflow_error("Gleitkommaüberlauf"); });
    EXPECT_EQ(prompts.Texts("error"),
              QStringList({"'12a' is not a valid integer value", "Gleitkommaüberlauf"}));
    EXPECT_EQ(ranAfter, 1) << "the signal's other receivers still run";
}

} // namespace

namespace {

TEST(Translations, StandardButtonsSpeakGerman) {
    QMessageBox box(QMessageBox::Question, "t", "x",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Ja");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Nein");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove('&'), "Abbrechen");
}

TEST(Prompts, AYesNoQuestionDismissedByEscapeOrTheCloseBoxIsNeitherYesNorNo) {
    for (auto dismiss : {+[](QWidget* b) { QTest::keyClick(b, Qt::Key_Escape); },
                         +[](QWidget* b) { b->close(); }}) {
        QTimer::singleShot(0, [dismiss] { dismiss(qApp->activeModalWidget()); });
        EXPECT_EQ(prompts().AskYesNo(nullptr, "?"), Prompts::SaveAnswer::Cancel);
    }
}

} // namespace

namespace {

TEST(MessageBoxes, ShowNamesAsPlainText) {
    std::unique_ptr<QMessageBox> box(CreateMessageBox(
        QMessageBox::Question, "t", "Wollen Sie das Signal \"<b>Fett</b>\" wirklich entfernen?",
        QMessageBox::Yes | QMessageBox::No, nullptr));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

} // namespace
