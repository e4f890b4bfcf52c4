// The real prompts' Qt dialogs, answered by a user's keys and clicks.
#include "support/UiTestSupport.h"
#include "ui/Prompts.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

TEST(Prompts, AYesNoQuestionDismissedIsNeitherYesNorNo) {
    Watchdog watchdog;
    using Answer = Prompts::SaveAnswer;
    const std::pair<std::function<void(QMessageBox&)>, Answer> cases[] = {
        {[](QMessageBox& b) { b.button(QMessageBox::Yes)->click(); }, Answer::Yes},
        {[](QMessageBox& b) { b.button(QMessageBox::No)->click(); }, Answer::No},
        {[](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }, Answer::Cancel},
        {[](QMessageBox& b) { b.close(); }, Answer::Cancel}, // the close box
    };
    for (const auto& [act, expected] : cases) {
        QTimer::singleShot(0, [&act] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box && box->buttons().size() == 2); // Ja and Nein only
            act(*box);
        });
        EXPECT_EQ(prompts().AskYesNo(nullptr, "?"), expected);
    }
}
