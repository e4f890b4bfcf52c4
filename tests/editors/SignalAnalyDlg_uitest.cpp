// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The waveform editor driven through its real controls: mouse on the drawing box, the
// point-count group, OK, Cancel and Help, and opened from the main window. The drawing
// rules themselves are tested in the core.
#include "editors/SignalAnalyDlg.h"
#include "support/MainFormFixture.h"
#include "ui/HelpSystem.h"
#include "ui/PaintBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

namespace {

const QColor Red(255, 0, 0), White(Qt::white), Black(Qt::black), Grey(128, 128, 128);

// Pixel of point k with 8 points at value v.
QPoint At8(int k, int v) {
    return {25 + 56 * k, 113 - v};
}

void Move(QWidget* box, QPoint at, Qt::MouseButtons held) {
    QMouseEvent move(QEvent::MouseMove, at, box->mapToGlobal(at), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(box, &move);
}

// Eight points at +100 for the first half of the period and -100 for the second.
void DrawSquare(QDialog& dlg) {
    QTest::mouseClick(Child<QRadioButton>(dlg, "Ptsgrp0"), Qt::LeftButton);
    for (int k = 0; k < 8; ++k)
        QTest::mouseClick(Child<PaintBox>(dlg, "box"), Qt::LeftButton, {},
                          At8(k, k < 4 ? 100 : -100));
}

class SignalAnalyDlgTest : public ::testing::Test {
protected:
    void Open(const tSignal& s) {
        dlg.WorkSignal().Assign(s);
        dlg.show();
    }
    PaintBox* Box() { return Child<PaintBox>(dlg, "box"); }
    QColor Pixel(int x, int y) { return RenderToImage(*Box()).pixelColor(x, y); }
    void Press(const char* button) {
        QTest::mouseClick(Child<QPushButton>(dlg, button), Qt::LeftButton);
    }

    Watchdog watchdog;
    QWidget main;
    HelpSystem help;
    TSignalAnalyDlg dlg{&main, help};
};

} // namespace

TEST_F(SignalAnalyDlgTest, PressesAndRightPressDrawWhatTheBoxShows) {
    EXPECT_EQ(dlg.size(), QSize(504, 344));
    Open(tSignal());
    EXPECT_TRUE(Child<QRadioButton>(dlg, "Ptsgrp2")->isChecked());
    EXPECT_EQ(dlg.focusWidget(), Child<QLineEdit>(dlg, "nameedit"));
    const QColor face = Box()->palette().color(QPalette::Button);
    EXPECT_EQ(Pixel(25, 113), Red) << "the middle of point 0's mark";
    EXPECT_EQ(Pixel(23, 111), face) << "a mark's corner";
    EXPECT_EQ(Pixel(24, 111), Black) << "a mark's ring";
    EXPECT_EQ(Pixel(476, 223), Grey) << "the bottom grid line's right end";

    QTest::mouseClick(Child<QRadioButton>(dlg, "Ptsgrp0"), Qt::LeftButton);
    QTest::mouseClick(Box(), Qt::LeftButton, {}, At8(2, 0));
    QTest::mouseClick(Box(), Qt::RightButton, {}, At8(6, 40) + QPoint(3, 0));
    EXPECT_EQ(dlg.Editing().Value(4), 20);
    EXPECT_EQ(Pixel(361, 73), White) << "point 6 is marked";
    EXPECT_EQ(Pixel(137, 113), Red) << "point 2 no longer is";
    EXPECT_EQ(Pixel(333, 78), Black) << "the curve from point 5 to point 6";

    // A middle press shows its value at once.
    QTest::mouseClick(Box(), Qt::MiddleButton, {}, At8(3, -50));
    EXPECT_EQ(Pixel(193, 163), Red);
}

TEST_F(SignalAnalyDlgTest, DraggingPaintsTheCurveUntilRelease) {
    Open(tSignal());
    QTest::mouseClick(Child<QRadioButton>(dlg, "Ptsgrp0"), Qt::LeftButton);
    QTest::mousePress(Box(), Qt::LeftButton, {}, At8(1, 30));
    Move(Box(), At8(2, 40), Qt::LeftButton);
    Move(Box(), At8(8, -20), Qt::LeftButton);
    EXPECT_EQ(Child<QLabel>(dlg, "koords")->text(), "0 : -20");
    QTest::mouseRelease(Box(), Qt::LeftButton, {}, At8(8, -20));
    Move(Box(), At8(3, 90), Qt::NoButton);
    EXPECT_EQ(dlg.Editing().Values(), (std::vector<int32_t>{-20, 30, 40, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Pixel(25, 133), Red) << "point 0 moved with the closing point";
    dlg.hide();
    Open(tSignal());
    EXPECT_EQ(Child<QLabel>(dlg, "koords")->text(), "") << "nothing of the last drawing's pointer";
}

TEST_F(SignalAnalyDlgTest, OkWritesAndAnalysesCancelAndHelpLeaveTheSignal) {
    tSignal s;
    s.Kind = Waveform;
    Open(s);
    DrawSquare(dlg);
    Child<QCheckBox>(dlg, "visbox")->setChecked(true);
    Press("OKBtn");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_NEAR(dlg.WorkSignal().Amplitude[1], 130.656, 0.001);
    EXPECT_NEAR(dlg.WorkSignal().Phase[1], -67.5, 0.001);
    EXPECT_TRUE(dlg.WorkSignal().Visible);

    Open(s);
    EXPECT_EQ(dlg.Editing().Value(1), 0) << "every showing starts from the WorkSignal";
    DrawSquare(dlg);
    Press("HelpBtn");
    ASSERT_NE(help.Window(), nullptr);
    EXPECT_EQ(help.Window()->source().toString(), HelpSystem::PageForKeyword("Signalform"));
    Press("CancelBtn");
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(dlg.WorkSignal().SupportPoints, s.SupportPoints);
}

// Left with nothing marked chooses the closing point, whose value is point 0's.
TEST_F(SignalAnalyDlgTest, KeysChooseAndStepPointsAndCtrlZTakesStrokesBack) {
    Open(tSignal());
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    Box()->setFocus();
    using K = std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*>;
    for (auto [key, mods, koords] :
         {K{Qt::Key_Left, {}, "0 : 0"}, K{Qt::Key_Up, Qt::ShiftModifier, "0 : 10"},
          K{Qt::Key_Right, {}, "0 : 10"}, K{Qt::Key_Left, {}, "31 : 0"},
          K{Qt::Key_Down, {}, "31 : -1"}, K{Qt::Key_Z, Qt::ControlModifier, "31 : 0"}}) {
        QTest::keyClick(Box(), key, mods);
        EXPECT_EQ(Child<QLabel>(dlg, "koords")->text(), koords);
    }
    EXPECT_EQ(Pixel(459, 113), White) << "point 31 (of 32) is marked";
}

// Opening editors by edit and double click is the signal commands' business; here: the
// waveform editor is the one a new waveform signal gets, and its analysis reaches the project.
TEST_F(MainFormTest, ANewWaveformSignalOpensTheWaveformEditor) {
    Create();
    prompts.ExpectDialog("TNewSignalDlg", [](QDialog& d) {
        Child<QLineEdit>(d, "nameedit")->setText("Rechteck");
        Child<QRadioButton>(d, "Typegroup1")->setChecked(true);
        Child<QPushButton>(d, "OKBtn")->click();
        return d.result();
    });
    prompts.ExpectDialog("TSignalAnalyDlg", [](QDialog& d) {
        EXPECT_EQ(Child<QLineEdit>(d, "nameedit")->text(), "Rechteck");
        DrawSquare(d);
        QTest::mouseClick(Child<QPushButton>(d, "OKBtn"), Qt::LeftButton);
        return d.result();
    });
    Btn("NewSignalBtn")->click();
    ASSERT_EQ(project().Count(), 1);
    EXPECT_NEAR(project().Signal(0).Amplitude[3], 54.120, 0.001);
}
