// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The views of the main window driven through its real controls: picking lines with the
// mouse, the step buttons, typing into the value field, the mode button, scrolling, the
// zoom buttons, the readouts and the settings dialog.
#include "display/LineDiagramGeometry.h"
#include "signal/Palette.h"
#include "support/MainFormFixture.h"
#include "ui/PaintBox.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace {

class ViewsTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        Create();
        form->show();
    }
    const tSignal& Selected() { return *A().SelectedSignal(); }
    // A mouse press on column c of the upper (0) or lower (1) view.
    void Pick(int view, int column) {
        QTest::mousePress(view == 0 ? W<QWidget>("specbox0") : W<QWidget>("specbox1"),
                          Qt::LeftButton, {}, QPoint(9 * column + 22, 50));
    }
    // Types `text` into the empty value field key by key; every key release applies it.
    void Type(const QString& text) {
        W<QLineEdit>("SpecEdit")->clear();
        QTest::keyClicks(W<QLineEdit>("SpecEdit"), text);
    }
    QString Field() { return W<QLineEdit>("SpecEdit")->text(); }
};

TEST_F(ViewsTest, TypingANegativeMagnitudeStoresZeroButTheConstantTermGoesNegative) {
    tSignal s;
    s.Amplitude[0] = 2;
    s.Amplitude[3] = 5;
    AddSignal("a", s);
    form->settings().SetMode(0);
    Pick(0, 3);
    EXPECT_EQ(Field(), "5");
    project().MarkSaved();
    prompts.ExpectError(); // the lone "-" is not a number yet
    Type("-5");
    EXPECT_EQ(prompts.Texts("error"), QStringList{"'-' is not a valid integer value"});
    EXPECT_EQ(Selected().Amplitude[3], 0.0f);
    EXPECT_EQ(Field(), "0");
    EXPECT_TRUE(project().Modified());

    form->settings().SetMode(1); // column 0 of the cosine view is the signed constant term
    Pick(0, 0);
    prompts.ExpectError();
    Type("-5");
    EXPECT_EQ(Selected().Amplitude[0], -5.0f);
}

TEST_F(ViewsTest, StepButtonsByView) {
    tSignal s;
    s.Amplitude[4] = 10;
    s.Phase[4] = 350;
    AddSignal("a", s);
    form->settings().SetMode(0);
    Pick(1, 4); // angle view
    Btn("Plus3Btn")->click();
    EXPECT_FLOAT_EQ(Selected().Phase[4], 35.0f);
    EXPECT_EQ(Field(), "35");
    Btn("SpecModeBtn")->click(); // mode 1: the lower view is the sine view
    Pick(1, 5);
    Btn("Plus3Btn")->click();
    EXPECT_FLOAT_EQ(Selected().Amplitude[5], 100.0f);
    EXPECT_EQ(Field(), "100");
}

TEST_F(ViewsTest, ColumnZeroOfTheLowerViewChangesNothing) {
    tSignal s;
    s.Amplitude[0] = 7;
    AddSignal("a", s);
    Pick(1, 0);
    EXPECT_TRUE(Btn("Plus1Btn")->isEnabled());
    project().MarkSaved();
    Btn("Plus3Btn")->click();
    Type("12");
    EXPECT_EQ(Selected().Amplitude[0], 7.0f);
    EXPECT_FALSE(project().Modified());
}

TEST_F(ViewsTest, OnlySpectralLineSignalsCanBeEdited) {
    for (int kind : {1, 2}) {
        tSignal s;
        s.Kind = kind;
        s.Amplitude[2] = 33;
        AddSignal("k" + std::to_string(kind), s);
        W<QListWidget>("SignalListBox")->setCurrentRow(project().Count() - 1);
        for (const char* b :
             {"Plus3Btn", "Plus2Btn", "Plus1Btn", "ZeroBtn", "Minus1Btn", "Minus2Btn", "Minus3Btn"})
            EXPECT_FALSE(Btn(b)->isEnabled()) << b;
        EXPECT_FALSE(W<QLineEdit>("SpecEdit")->isEnabled());
        form->settings().SetMode(0);
        Pick(0, 2);
        EXPECT_EQ(Field(), "33") << "picking still shows the value";
    }
    AddSignal("lines", tSignal());
    EXPECT_TRUE(W<QLineEdit>("SpecEdit")->isEnabled());
    EXPECT_TRUE(Btn("ZeroBtn")->isEnabled());
}

TEST_F(ViewsTest, ReleasingShiftInAnEmptyFieldReportsTheConversionError) {
    AddSignal("a", tSignal());
    Pick(0, 1);
    W<QLineEdit>("SpecEdit")->clear();
    prompts.ExpectError();
    QTest::keyClick(W<QLineEdit>("SpecEdit"), Qt::Key_Shift);
    EXPECT_EQ(prompts.Texts("error"), QStringList{"'' is not a valid integer value"});
    // Releases of a held key's auto-repeat are not the user letting go of it.
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(W<QLineEdit>("SpecEdit"), &repeat);
    EXPECT_EQ(prompts.Texts("error").size(), 1);
}

TEST_F(ViewsTest, ModeButtonCyclesTheTitlesAndTheAngleGlyphs) {
    AddSignal("a", tSignal());
    form->settings().SetMode(0);
    struct Expect {
        const char* upper;
        const char* lower;
    };
    const Expect titles[] = {{"Betragsspektrum (Cosinus)", "Winkelspektrum"},
                             {"Cosinusspektrum", "Sinusspektrum"},
                             {"Betragsspektrum (Sinus)", "Winkelspektrum"},
                             {"Betragsspektrum (Cosinus)", "Winkelspektrum"}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(W<QGroupBox>("specgroup0")->title(), titles[i].upper) << i;
        EXPECT_EQ(W<QGroupBox>("specgroup1")->title(), titles[i].lower) << i;
        Btn("SpecModeBtn")->click();
    }
    // The angle view takes the 45/5 glyphs; the others the 100/10 glyphs.
    form->settings().SetMode(0);
    Pick(0, 3);
    const QImage valueGlyph = Btn("Plus3Btn")->icon().pixmap(17, 17).toImage();
    Pick(1, 3);
    const QImage angleGlyph = Btn("Plus3Btn")->icon().pixmap(17, 17).toImage();
    EXPECT_NE(valueGlyph, angleGlyph);
    Btn("SpecModeBtn")->click(); // mode 1: the lower view is the sine view
    EXPECT_EQ(Btn("Plus3Btn")->icon().pixmap(17, 17).toImage(), valueGlyph);
}

TEST_F(ViewsTest, ScrollingMovesTheColumnsButKeepsTheField) {
    tSignal s;
    s.Amplitude[3] = 3;
    s.Amplitude[35] = 35;
    AddSignal("a", s);
    form->settings().SetMode(0);
    Pick(0, 3);
    EXPECT_EQ(Field(), "3");
    W<QScrollBar>("hBar")->setValue(2);
    EXPECT_EQ(A().Spectra().SpectrumScroll(), 2);
    EXPECT_EQ(Field(), "3") << "the field is not refreshed by scrolling";
    Btn("Plus1Btn")->click();
    EXPECT_EQ(Selected().Amplitude[35], 36.0f);
    EXPECT_EQ(Selected().Amplitude[3], 3.0f);
    EXPECT_EQ(Field(), "36");
}

TEST_F(ViewsTest, ZoomButtonsStopAtTheirLimits) {
    Destroy();
    PutSetting(QStringLiteral("dxr"), QStringLiteral("3"));
    PutSetting(QStringLiteral("dyr"), QStringLiteral("0"));
    Create();
    EXPECT_FALSE(Btn("MinusBtn")->isEnabled());
    EXPECT_FALSE(Btn("RangeUpBtn")->isEnabled());
    for (int i = 0; i < 5; ++i) Btn("PlusBtn")->click();
    for (int i = 0; i < 9; ++i) Btn("RangeDownBtn")->click();
    EXPECT_EQ(settings().dxr, 0);
    EXPECT_EQ(settings().dyr, 6);
    EXPECT_FALSE(Btn("PlusBtn")->isEnabled());
    EXPECT_TRUE(Btn("MinusBtn")->isEnabled());
    EXPECT_FALSE(Btn("RangeDownBtn")->isEnabled());
    EXPECT_TRUE(Btn("RangeUpBtn")->isEnabled());
}

TEST_F(ViewsTest, ReadoutsDescribeTheSelectedSignalAndEmptyWithoutOne) {
    tSignal a;
    a.Amplitude[1] = 1;
    a.Amplitude[3] = 1.0f / 3;
    tSignal b;
    b.Amplitude[0] = -3;
    AddSignal("a", a);
    EXPECT_EQ(W<QLabel>("KlirrLabel")->text(), "0,3162");
    EXPECT_EQ(W<QLabel>("Effektivwertlabel")->text(), "0,7454");
    AddSignal("b", b);
    EXPECT_EQ(W<QLabel>("KlirrLabel")->text(), "1");
    EXPECT_EQ(W<QLabel>("Effektivwertlabel")->text(), "3");
    // Nothing of a deleted signal stays on the screen.
    prompts.ExpectConfirm(true);
    prompts.ExpectConfirm(true);
    Btn("DeleteSignalBtn")->click();
    Btn("DeleteSignalBtn")->click();
    for (const char* field : {"KlirrLabel", "Effektivwertlabel"})
        EXPECT_EQ(W<QLabel>(field)->text(), "") << field;
    EXPECT_EQ(Field(), "");
}

TEST_F(ViewsTest, TheLargestReadoutsShowWhole) {
    tSignal s; // 129 amplitudes of 1000 typed in place
    for (float& a : s.Amplitude) a = 1000;
    AddSignal("laut", s);
    for (const char* name : {"KlirrLabel", "Effektivwertlabel"}) {
        const QLabel* label = W<QLabel>(name);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry())) << name;
    }
    EXPECT_EQ(W<QLabel>("Effektivwertlabel")->text(), "8062,2578");
}

TEST_F(ViewsTest, TheKeyThatClosesAnErrorBoxDoesNotOpenItAgain) {
    AddSignal("a", tSignal());
    Pick(0, 1);
    prompts.ExpectError(); // the release of "-" typed into the field
    Type("-");
    // The box was closed with Return, then (the next time) with Escape: their presses went to
    // the box, only their releases reach the field.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
        QTest::keyRelease(W<QLineEdit>("SpecEdit"), key);
    EXPECT_EQ(prompts.Texts("error").size(), 1);
}

TEST_F(ViewsTest, DiagramShowsTheSelectedSignalBrightAndOthersDim) {
    tSignal a;
    a.Amplitude[0] = 50;
    a.ColorIndex = 1;
    a.Visible = true;
    tSignal b;
    b.Amplitude[0] = -50;
    b.ColorIndex = 3;
    b.Visible = false; // selected, so drawn although hidden
    AddSignal("a", a);
    AddSignal("b", b);
    ChangeSettings([](AppSettings& s) { s.banz = 1; });
    // The colour rules are the painter's; here: the diagram follows the list's selection.
    const float k = DiagramRowScale(settings().dyr);
    EXPECT_EQ(RenderToImage(*W<QWidget>("diagbox")).pixelColor(300, DiagramRow(-50, k)),
              QColor(0, 0, 255));
    W<QListWidget>("SignalListBox")->setCurrentRow(0); // now b is neither selected nor visible
    const QImage other = RenderToImage(*W<QWidget>("diagbox"));
    EXPECT_EQ(other.pixelColor(300, DiagramRow(50, k)), QColor(255, 0, 0));
    EXPECT_EQ(other.pixelColor(300, DiagramRow(-50, k)), QColor(255, 255, 255));
}

TEST_F(ViewsTest, SettingsDialogChangesTakeEffectOnOk) {
    // Cancel and the flags without a check box are the dialog's own tests.
    AddSignal("a", tSignal());
    prompts.ExpectDialog("Toptionsdlg", [](QDialog& d) {
        EXPECT_EQ(Child<QLineEdit>(d, "fedit")->text(), "1000");
        Child<QLineEdit>(d, "fedit")->setText("440.5");
        Child<QPushButton>(d, "OKBtn")->click();
        return d.result();
    });
    project().MarkSaved();
    Item("OptionsItem")->trigger();
    EXPECT_EQ(settings().freq, 440.5f);
    EXPECT_FALSE(project().Modified()) << "settings are not part of the project";
}

} // namespace
