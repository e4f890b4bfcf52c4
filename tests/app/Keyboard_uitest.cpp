// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window by keyboard: undo and redo wherever the focus is, the spectra, the list.
#include "support/FakeEditor.h"
#include "support/MainFormFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace {

class KeyboardTest : public MainFormTest {
protected:
    // A shown, active window with unchanged spectral-line signals, the first selected.
    void Open(std::initializer_list<const char*> names = {"S1"}) {
        PutSetting("mode", "0");
        Create().show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        SignalList list;
        for (const char* name : names) list.Append(name, tSignal());
        project().ReplaceAll(std::move(list), "");
    }
    void Key(int key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), mods);
    }
    float A1() { return project().Signal(0).Amplitude[1]; }
};

TEST_F(KeyboardTest, PlusAndMinusStepLikeTheButtonsAndAHeldKeyIsOneStep) {
    Open();
    EXPECT_FALSE(Item("UndoItem")->isEnabled() || Item("UndoItem")->text() != "&Rückgängig");
    W("specbox0")->setFocus();
    for (Qt::Key key : {Qt::Key_End, Qt::Key_Down}) Key(key);
    EXPECT_TRUE(W<QScrollBar>("hBar")->value() == 6 && W("specbox1")->hasFocus());
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Home, Qt::Key_Right}) Key(key); // harmonic 1
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
    // Shift with a + not on the keypad is the Shift that types + on US keys.
    using K = std::tuple<Qt::Key, Qt::KeyboardModifiers, int>;
    for (auto [key, mods, a1] :
         {K{Qt::Key_Plus, {}, 1}, K{Qt::Key_Plus, shift | Qt::KeypadModifier, 11},
          K{Qt::Key_Plus, shift, 12}, K{Qt::Key_Asterisk, {}, 22}, K{Qt::Key_Plus, ctrl, 122},
          K{Qt::Key_Minus, {}, 121}, K{Qt::Key_Minus, ctrl, 21}}) {
        Key(key, mods);
        EXPECT_EQ(W<QLineEdit>("SpecEdit")->text(), QString::number(a1));
    }
    Key(Qt::Key_Plus);
    for (int i = 0; i < 4; ++i) { // a held key repeats
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Plus, {}, QString(), true);
        QApplication::sendEvent(W("specbox0"), &press);
    }
    EXPECT_EQ(A1(), 26);
    EXPECT_EQ(Item("UndoItem")->text(), "&Rückgängig: Wert von S1 ändern");
    Key(Qt::Key_Z, ctrl);
    EXPECT_EQ(A1(), 21);
    // Return goes to the value field; the undo keys there undo the project, not the text, and
    // letting go of Ctrl does not apply the restored text again.
    Key(Qt::Key_Return);
    QLineEdit* edit = W<QLineEdit>("SpecEdit");
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, "7");
    EXPECT_EQ(A1(), 7);
    QTest::keyPress(edit, Qt::Key_Control);
    for (Qt::KeyboardModifiers redo : {ctrl, ctrl | shift}) { // with Ctrl+Y, Ctrl+Shift+Z
        Key(Qt::Key_Z, ctrl);
        EXPECT_EQ(A1(), 21);
        Key(redo == ctrl ? Qt::Key_Y : Qt::Key_Z, redo);
        EXPECT_EQ(A1(), 7);
    }
    QTest::keyRelease(edit, Qt::Key_Control);
}

TEST_F(KeyboardTest, TheListTogglesEditsAndDeletesByKeyAndUndoBringsTheSignalBack) {
    Open({"S1", "S2", "S3"});
    form->SetEditor(SpectralLines, new FakeEditor(form.get()));
    A().Select(1);
    W("SignalListBox")->setFocus();
    prompts.ExpectDialog("FakeEditor", [](QDialog&) { return QDialog::Accepted; });
    prompts.ExpectConfirm(true);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Delete}) Key(key);
    A().Select(0);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(project().Count() == 3 && project().Signal(1).Visible && A().SelectedIndex() == 1);
    EXPECT_EQ(Item("UndoItem")->text(), "&Rückgängig: Signal S2 bearbeiten");
    EXPECT_EQ(Item("RedoItem")->text(), "&Wiederholen: Signal S2 löschen");
}

} // namespace
