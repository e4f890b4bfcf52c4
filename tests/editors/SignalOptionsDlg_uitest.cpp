// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The harmonics table editor driven through its real controls: typing into the grid's cells,
// the factor button, OK and Cancel, and opening it from the main window. The table's rules
// themselves are tested in the core.
#include "editors/SignalOptionsDlg.h"

#include "editors/HarmonicsGrid.h"
#include "settings/AppSettings.h"
#include "support/MainFormFixture.h"
#include "ui/HelpSystem.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

namespace {

class SignalOptionsDlgTest : public ::testing::Test {
protected:
    SignalOptionsDlgTest() { main.show(); }
    ~SignalOptionsDlgTest() override { help.CloseAll(); }

    // Opens the dialog for a signal with A0, A1 and PHI1 in `mode` as the window does.
    void Open(int mode, float a0 = 0, float a1 = 0, float p1 = 0) {
        tSignal s;
        s.Amplitude[0] = a0;
        s.Amplitude[1] = a1;
        s.Phase[1] = p1;
        dlg.WorkSignal().Assign(s);
        dlg.SetDisplayMode(mode);
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
    HarmonicsGrid& Grid() { return *Child<HarmonicsGrid>(dlg, "hgrid"); }
    QString Cell(int n, int column) { return Grid().CellText(n, column); }
    QPoint CellCentre(int n, int column) {
        const QModelIndex index = Grid().model()->index(n, column);
        Grid().scrollTo(index);
        return Grid().visualRect(index).center();
    }
    // A click into the cell, then typing over the selected text of its editor.
    void TypeInto(int n, int column, const QString& text) {
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CellCentre(n, column));
        Type(text);
    }
    void Type(const QString& text) {
        QLineEdit* editor = Grid().CellEditor();
        ASSERT_NE(editor, nullptr) << "no cell editor open";
        EXPECT_EQ(editor->selectedText(), editor->text());
        QTest::keyClicks(editor, text);
    }
    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    QLineEdit* MultEdit() { return Child<QLineEdit>(dlg, "MultEdit"); }
    void PressOK() { QTest::mouseClick(Child<QPushButton>(dlg, "OKBtn"), Qt::LeftButton); }
    const tSignal& Work() { return dlg.WorkSignal(); }

    Watchdog watchdog;
    FakePrompts prompts;
    QWidget main;
    AppSettings settings;
    HelpSystem help;
    TSignalOptionsDlg dlg{&main, settings, help};
};

TEST_F(SignalOptionsDlgTest, ControlsAndTable) {
    EXPECT_EQ(dlg.objectName(), "TSignalOptionsDlg");
    EXPECT_EQ(dlg.windowTitle(), "Signaleigenschaften");
    EXPECT_EQ(dlg.size(), QSize(504, 396));
    EXPECT_EQ(Grid().rowCount(), 129);
    EXPECT_EQ(Grid().width(), 305);
    EXPECT_EQ(QList<int>({Grid().columnWidth(0), Grid().columnWidth(1), Grid().columnWidth(2),
                          Grid().columnWidth(3), Grid().rowHeight(64)}),
              QList<int>({20, 60, 100, 100, 16}));
    EXPECT_EQ(MultEdit()->text(), "1");
    EXPECT_EQ(Child<QToolButton>(dlg, "MultBtn")->toolTip(), "Amplitude multiplizieren");
    QWidget* w = Child<QPushButton>(dlg, "OKBtn"); // tab order: the buttons, then the groups
    for (const char* next : {"CancelBtn", "HelpBtn", "nameedit", "visbox", "hgrid"}) {
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(w, Child<QWidget>(dlg, next)) << next;
    }

    settings.freq = 50;
    Open(1, -2);
    QStringList headers;
    for (int c = 0; c < 4; ++c) headers << Grid().horizontalHeaderItem(c)->text();
    EXPECT_EQ(headers, QStringList({"n", "fn [Hz]", "an", "bn"}));
    EXPECT_EQ(Child<QLabel>(dlg, "l1")->text() + Child<QLabel>(dlg, "l2")->text(),
              QString::fromUtf8("s(x) = a0 +(an \u00b7 cos(nx) + bn \u00b7 sin(nx))"));
    EXPECT_EQ(QStringList({Cell(128, 0), Cell(3, 1), Cell(0, 2)}),
              QStringList({"128", "150", "-2"}));
    EXPECT_TRUE(Child<QLineEdit>(dlg, "nameedit")->hasFocus());
    EXPECT_EQ(Grid().CellEditor(), nullptr) << "the editor opens when the grid has the focus";
}

TEST_F(SignalOptionsDlgTest, MagnitudeAndPhase) {
    Open(0, 1);
    TypeInto(0, 2, "-4,5");
    TypeInto(1, 2, "50");
    Key(Qt::Key_Tab);
    Type("-90");
    Key(Qt::Key_Tab); // to the next row, past the fixed columns
    EXPECT_EQ(QPoint(Grid().currentRow(), Grid().currentColumn()), QPoint(2, 2));
    Type("-50");
    Key(Qt::Key_Tab);
    Type("30");
    Key(Qt::Key_Backtab);
    EXPECT_EQ(Grid().currentColumn(), 2);
    QTest::mouseClick(Child<QCheckBox>(dlg, "visbox"), Qt::LeftButton);
    PressOK();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(Work().Amplitude[0], -4.5f);
    EXPECT_EQ(Work().Amplitude[1], 50);
    EXPECT_EQ(Work().Phase[1], 270);
    EXPECT_EQ(Work().Amplitude[2], 50);
    EXPECT_EQ(Work().Phase[2], -30);
    EXPECT_TRUE(Work().Visible);
}

TEST_F(SignalOptionsDlgTest, Coefficients) {
    Open(1, 0, 50, 270);
    EXPECT_EQ(Cell(1, 2) + " " + Cell(1, 3), "0 50");
    TypeInto(2, 2, "-50");
    Key(Qt::Key_Tab);
    Type("0");
    PressOK();
    EXPECT_EQ(Work().Amplitude[1], 50);
    EXPECT_NEAR(Work().Phase[1], -90, 1e-4);
    EXPECT_EQ(Work().Amplitude[2], 50);
    EXPECT_NEAR(Work().Phase[2], -180, 1e-4);
}

TEST_F(SignalOptionsDlgTest, SinePhase) {
    Open(2, 0, 0, 123);
    EXPECT_EQ(Cell(1, 3), "0") << "a line without amplitude shows no phase";
    TypeInto(4, 2, "3");
    Key(Qt::Key_Return); // takes the cell and goes on editing it
    QCoreApplication::processEvents();
    EXPECT_EQ(Cell(4, 2), "3");
    Key(Qt::Key_Tab);
    Type("180");
    Child<QPushButton>(dlg, "OKBtn")
        ->click(); // what the open editor holds counts without a change of focus
    EXPECT_EQ(Work().Phase[1], 270);
    EXPECT_EQ(Work().Amplitude[4], 3);
    EXPECT_EQ(Work().Phase[4], 90);
}

TEST_F(SignalOptionsDlgTest, RefusedCellIsShownAndMadeCurrent) {
    Open(0, 0, 1, 10);
    TypeInto(100, 2, "8");
    TypeInto(7, 3, "abc");
    prompts.ExpectInform();
    PressOK();
    EXPECT_EQ(prompts.Texts("inform"), QStringList({"Syntaxfehler bei PHI7 !"}));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(QPoint(Grid().currentRow(), Grid().currentColumn()), QPoint(7, 3));
    ASSERT_NE(Grid().CellEditor(), nullptr);
    EXPECT_EQ(Grid().CellEditor()->text(), "abc");
    EXPECT_EQ(dlg.EditAmplitude()[100], 8) << "the amplitudes were read before the phases";
    EXPECT_EQ(Work().Amplitude[100], 0) << "the signal changes only on OK";

    Type("0");
    TypeInto(2, 2, "2e15");
    prompts.ExpectInform();
    PressOK();
    EXPECT_EQ(prompts.Texts("inform").last(), QString::fromUtf8("Wert zu groß bei A2 !"));
    EXPECT_EQ(Grid().currentRow(), 2);
}

TEST_F(SignalOptionsDlgTest, FactorButton) {
    Open(0, 2, 50, 30);
    auto multiply = [&](const QString& factor) {
        MultEdit()->selectAll();
        QTest::keyClicks(MultEdit(), factor);
        QTest::mouseClick(Child<QToolButton>(dlg, "MultBtn"), Qt::LeftButton);
    };
    multiply("2");
    EXPECT_EQ(QStringList({Cell(0, 2), Cell(1, 2), Cell(1, 3)}), QStringList({"4", "100", "30"}));
    prompts.ExpectError();
    multiply("0,5");
    prompts.ExpectError();
    multiply("1e14"); // 100e14 would exceed the largest amplitude
    EXPECT_EQ(prompts.Texts("error"),
              QStringList({"Fehler bei Multiplikator", "Fehler bei Multiplikator"}));
    EXPECT_EQ(Cell(1, 2), "100");
    MultEdit()->setText("-1");
    QTest::keyClick(MultEdit(), Qt::Key_Return); // as the button, and the dialog stays
    EXPECT_TRUE(dlg.isVisible() && Cell(1, 2) == "-100");
    EXPECT_EQ(Work().Amplitude[1], 50) << "the signal changes only on OK";
    PressOK();
    EXPECT_EQ(Work().Amplitude[0], -4);
    EXPECT_EQ(Work().Amplitude[1], 100);
    EXPECT_EQ(Work().Phase[1], -30);
}

TEST_F(SignalOptionsDlgTest, FixedColumnsResizeRowsAndNeverBecomeCurrent) {
    Open(0);
    TypeInto(2, 3, "1");
    const int border = Grid().rowViewportPosition(0) + Grid().rowHeight(0);
    QTest::mousePress(Grid().viewport(), Qt::LeftButton, {}, {5, border});
    QMouseEvent drag(QEvent::MouseMove, QPointF(5, border + 20), QPointF(5, border + 20),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Grid().viewport(), &drag);
    QTest::mouseRelease(Grid().viewport(), Qt::LeftButton, {}, {5, border + 20});
    EXPECT_EQ(Grid().rowHeight(0), 36);
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CellCentre(5, 1));
    EXPECT_EQ(QPoint(Grid().currentRow(), Grid().currentColumn()), QPoint(2, 3));
}

TEST_F(SignalOptionsDlgTest, KeysLeaveTheGridAtItsEndsAndFinishACellThenTheDialog) {
    Open(0);
    TypeInto(128, 3, "5");
    Key(Qt::Key_Tab);
    EXPECT_TRUE(MultEdit()->hasFocus() && Cell(128, 3) == "5");
    TypeInto(0, 2, "1");
    Key(Qt::Key_Backtab);
    EXPECT_TRUE(Child<QCheckBox>(dlg, "visbox")->hasFocus());
    for (const QKeyCombination key :
         {Qt::Key_Return | Qt::NoModifier, Qt::Key_Enter | Qt::KeypadModifier,
          Qt::Key_Escape | Qt::NoModifier}) {
        const bool ok = key.key() != Qt::Key_Escape; // Return commits the cell, Escape undoes it
        Open(0);
        TypeInto(1, 2, "7");
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        QApplication::processEvents(); // the cell editor commits when control returns
        EXPECT_TRUE(dlg.isVisible() && Cell(1, 2) == (ok ? "7" : "0")) << key.key();
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        EXPECT_EQ(dlg.result(), ok ? QDialog::Accepted : QDialog::Rejected) << key.key();
    }
}

TEST_F(SignalOptionsDlgTest, HelpShowsTheSpectrumPageAndLeavesTheDialogUsable) {
    dlg.setWindowModality(Qt::ApplicationModal);
    Open(0);
    for (const QKeyCombination keys : {Qt::Key_Escape | Qt::NoModifier, Qt::CTRL | Qt::Key_W}) {
        Child<QPushButton>(dlg, "HelpBtn")->click(); // the name field keeps the focus
        ASSERT_TRUE(help.Window() && help.Window()->isVisible());
        EXPECT_EQ(help.Window()->source().toString(), HelpSystem::PageForKeyword("Spectrum"));
        // Keys through the window system, which holds them back from a blocked window.
        QTest::keyClick(dlg.windowHandle(), 'x');
        QTest::keyClick(help.Window()->windowHandle(), keys.key(), keys.keyboardModifiers());
        EXPECT_FALSE(help.Window() && help.Window()->isVisible()) << "closed by its keys";
    }
    EXPECT_EQ(Child<QLineEdit>(dlg, "nameedit")->text(), "xx");
}

class TableEditorInMainFormTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        Create();
        form->show();
    }
    // Answers the editor: `edit` fills it, then OK or Cancel is pressed.
    void AnswerEditor(bool ok, std::function<void(QDialog&)> edit) {
        prompts.ExpectDialog("TSignalOptionsDlg", [ok, edit](QDialog& d) {
            edit(d);
            Child<QPushButton>(d, ok ? "OKBtn" : "CancelBtn")->click();
            return d.result();
        });
    }
};

// Opening editors by edit and double click is the signal commands' business; here: the
// table editor is the one a new spectral-line signal gets, with the display mode.
TEST_F(TableEditorInMainFormTest, ANewSpectralLineSignalOpensIt) {
    form->settings().SetMode(MagnitudeAndSinePhase);
    prompts.ExpectDialog("TNewSignalDlg", [](QDialog& d) {
        Child<QLineEdit>(d, "nameedit")->setText("Sinus");
        Child<QPushButton>(d, "OKBtn")->click();
        return d.result();
    });
    AnswerEditor(true, [](QDialog& d) {
        EXPECT_EQ(Child<QLineEdit>(d, "nameedit")->text(), "Sinus");
        EXPECT_EQ(Child<HarmonicsGrid>(d, "hgrid")->horizontalHeaderItem(2)->text(), "Bn");
        Child<HarmonicsGrid>(d, "hgrid")->SetCellText(1, 2, "100");
    });
    Btn("NewSignalBtn")->click();
    ASSERT_EQ(project().Count(), 1);
    EXPECT_EQ(project().Signal(0).Amplitude[1], 100);
    EXPECT_EQ(project().Signal(0).Phase[1], 270);
    EXPECT_EQ(settings().mode, MagnitudeAndSinePhase) << "the mode comes back unchanged";
}

} // namespace
