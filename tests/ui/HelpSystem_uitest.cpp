// Help asked for from a modal editor: the editor and the help window both take input.
#include "formula/FormulaDlg.h"
#include "support/UiTestSupport.h"
#include "ui/HelpSystem.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

TEST(HelpWindow, BesideAModalEditorBothTakeInputAndEscapeOrCtrlWClosesIt) {
    Watchdog watchdog;
    QWidget main;
    main.show();
    HelpSystem help;
    TSignalFormulaDlg dlg(&main, help);
    dlg.setWindowModality(Qt::ApplicationModal);
    dlg.show();
    // Input goes through the window system, which holds it back from blocked windows.
    for (const QKeyCombination keys : {Qt::Key_Escape | Qt::NoModifier, Qt::CTRL | Qt::Key_W}) {
        QTest::mouseClick(dlg.HelpBtn, Qt::LeftButton);
        ASSERT_TRUE(help.Window() && help.Window()->isVisible());
        EXPECT_EQ(help.Window()->windowModality(), Qt::NonModal);
        dlg.a0edit->clear();
        QTest::mouseClick(dlg.windowHandle(), Qt::LeftButton, {},
                          dlg.a0edit->mapTo(&dlg, QPoint(4, 4)));
        QTest::keyClick(dlg.windowHandle(), '7');
        EXPECT_EQ(dlg.a0edit->text(), "7");
        QTest::keyClick(help.Window()->windowHandle(), keys.key(), keys.keyboardModifiers());
        EXPECT_FALSE(help.Window() && help.Window()->isVisible());
    }
}
