// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window by keyboard: undo and redo wherever the focus is, the spectrum views'
// keys and the signal list's keys.
#include "support/FakeEditor.h"
#include "support/MainFormFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

namespace {

class KeyboardTest : public MainFormTest {
protected:
    // A shown, active window with unchanged spectral-line signals, the first selected.
    void Open(std::initializer_list<const char*> names = {"S1"}) {
        Create();
        ChangeSettings([](AppSettings& s) { s.mode = 0; });
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        SignalList list;
        for (const char* name : names) list.Append(name, tSignal());
        project().ReplaceAll(std::move(list), "");
    }
    // A key pressed and let go in `w`, or only pressed again as a held key repeats.
    void Key(QWidget* w, int key, Qt::KeyboardModifiers mods = {}, bool repeat = false) {
        w->setFocus();
        if (!repeat) return QTest::keyClick(w, static_cast<Qt::Key>(key), mods);
        QKeyEvent press(QEvent::KeyPress, key, mods, QString(), true);
        QApplication::sendEvent(w, &press);
    }
    SpectrumSelection Sel() { return A().Spectra().Selection(); }
    float A1() { return project().Signal(0).Amplitude[1]; }
};

TEST_F(KeyboardTest, ArrowsHomeAndEndWalkTheHarmonicsAndScroll) {
    struct Case {
        std::vector<int> keys;
        int column, view, scroll;
    };
    std::vector<Case> cases = {
        {{Qt::Key_Right, Qt::Key_Right}, 2, 0, 0},
        {{Qt::Key_Left}, 0, 0, 0},
        {{Qt::Key_End}, 32, 0, 6},
        {{Qt::Key_End, Qt::Key_Right, Qt::Key_Left}, 31, 0, 6},
        {{Qt::Key_End, Qt::Key_Home}, 0, 0, 0},
        {std::vector<int>(33, Qt::Key_Right), 17, 0, 1}, // harmonic 33
        {std::vector<int>(49, Qt::Key_Right), 17, 0, 2},
        {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}, 2, 0, 0},
        {{Qt::Key_Right, Qt::Key_Down}, 1, 1, 0},
        {{Qt::Key_Down, Qt::Key_Up, Qt::Key_Right}, 1, 0, 0},
    };
    std::vector<int> back(33, Qt::Key_Right); // to harmonic 33, then back to harmonic 16
    back.insert(back.end(), 17, Qt::Key_Left);
    cases.push_back({back, 16, 0, 0});
    for (const auto& c : cases) {
        Open();
        W("specbox0")->setFocus();
        for (int key : c.keys) QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        const std::string what = std::to_string(c.keys.size()) + " keys";
        EXPECT_EQ(Sel().column, c.column) << what;
        EXPECT_EQ(Sel().view, c.view) << what;
        EXPECT_EQ(QApplication::focusWidget(), W(c.view == 0 ? "specbox0" : "specbox1"));
        EXPECT_EQ(W<QScrollBar>("hBar")->value(), c.scroll) << what;
        EXPECT_EQ(A().Spectra().SpectrumScroll(), c.scroll) << what;
    }
}

TEST_F(KeyboardTest, PlusAndMinusStepLikeTheButtonsAndAHeldKeyIsOneStep) {
    Open();
    Key(W("specbox0"), Qt::Key_Right);
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        float a1;
    } steps[] = {{Qt::Key_Plus, {}, 1},
                 {Qt::Key_Plus, Qt::ShiftModifier | Qt::KeypadModifier, 11},
                 {Qt::Key_Plus, Qt::ShiftModifier, 12}, // the Shift that types + on US keys
                 {Qt::Key_Asterisk, {}, 22},
                 {Qt::Key_Plus, Qt::ControlModifier, 122},
                 {Qt::Key_Minus, {}, 121},
                 {Qt::Key_Minus, Qt::ControlModifier, 21}};
    for (const auto& s : steps) {
        Key(W("specbox0"), s.key, s.mods);
        EXPECT_EQ(A1(), s.a1);
        EXPECT_EQ(W<QLineEdit>("SpecEdit")->text().toFloat(), s.a1);
    }
    EXPECT_EQ(project().UndoHistory().StepCount(), 7);
    Key(W("specbox0"), Qt::Key_Plus);
    for (int i = 0; i < 4; ++i) Key(W("specbox0"), Qt::Key_Plus, {}, true);
    EXPECT_EQ(A1(), 26);
    EXPECT_EQ(Item("UndoItem")->text(), "&Rückgängig: Wert von S1 ändern");
    Key(W("specbox0"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(A1(), 21);
    // Return goes to the value field; the undo keys there undo the project, not the text.
    Key(W("specbox0"), Qt::Key_Return);
    QLineEdit* edit = W<QLineEdit>("SpecEdit");
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, "7");
    EXPECT_EQ(A1(), 7);
    QTest::keyPress(edit, Qt::Key_Control);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyRelease(edit, Qt::Key_Control);
    EXPECT_EQ(A1(), 21);
    EXPECT_EQ(edit->text(), "21");
    for (Qt::KeyboardModifiers redo :
         {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
        QTest::keyClick(edit, redo == Qt::ControlModifier ? Qt::Key_Y : Qt::Key_Z, redo);
        EXPECT_EQ(A1(), 7);
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(A1(), 21);
    }
    // Back at the saved state the project is unchanged again.
    for (int i = 0; i < 7; ++i) QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(project().Modified());
    EXPECT_FALSE(Item("UndoItem")->isEnabled());
    EXPECT_EQ(Item("UndoItem")->text(), "&Rückgängig");
}

TEST_F(KeyboardTest, TheListTogglesEditsAndDeletesByKeyAndUndoBringsTheSignalBack) {
    Open({"S1", "S2", "S3"});
    auto* editor = new FakeEditor(form.get());
    form->SetEditor(SpectralLines, editor);
    QListWidget* list = W<QListWidget>("SignalListBox");
    A().Select(1);
    Key(list, Qt::Key_Space);
    EXPECT_TRUE(project().Signal(1).Visible);
    prompts.ExpectDialog("FakeEditor", [](QDialog&) { return QDialog::Accepted; });
    Key(list, Qt::Key_Return);
    EXPECT_EQ(Item("UndoItem")->text(), "&Rückgängig: Signal S2 bearbeiten");
    prompts.ExpectConfirm(true);
    Key(list, Qt::Key_Delete);
    EXPECT_EQ(project().Count(), 2);
    EXPECT_EQ(prompts.Texts("confirm").back(), "Wollen Sie das Signal \"S2\" wirklich entfernen?");
    A().Select(0);
    Key(list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(project().Count(), 3);
    EXPECT_EQ(project().Name(1), "S2");
    EXPECT_EQ(A().SelectedIndex(), 1);
    EXPECT_EQ(Item("RedoItem")->text(), "&Wiederholen: Signal S2 löschen");
}

} // namespace
