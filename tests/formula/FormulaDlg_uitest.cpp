// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The formula editor through its controls: filling the fields, OK with good and failing
// formulas, the max field, the colour squares, and its use from the main window. The rules
// of the evaluation itself are tested on the core.
#include "formula/FormulaDlg.h"
#include "support/MainFormFixture.h"
#include "ui/HelpSystem.h"
#include "ui/PaintBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <cmath>

namespace {

void Type(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    if (auto* spin = qobject_cast<QSpinBox*>(field)) spin->selectAll();
    QTest::keyClicks(field, text);
}

void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
}

class FormulaDlgTest : public ::testing::Test {
protected:
    FormulaDlgTest() { main.show(); }
    QLineEdit* Edit(const char* name) { return Child<QLineEdit>(dlg, name); }
    QSpinBox* MaxEdit() { return Child<QSpinBox>(dlg, "maxedit"); }
    PaintBox* Square(int i) { return Child<PaintBox>(dlg, QStringLiteral("c%1").arg(i)); }

    Watchdog watchdog;
    FakePrompts prompts;
    QWidget main;
    HelpSystem help;
    TSignalFormulaDlg dlg{&main, help};
};

TEST_F(FormulaDlgTest, CreatedWithTheNameActiveAndTheLimits) {
    EXPECT_EQ(dlg.focusWidget(), Edit("nameedit"));
    EXPECT_EQ(MaxEdit()->maximum(), 128);
    dlg.show();
    Type(Edit("a0edit"), QString(300, QLatin1Char('1')));
    EXPECT_EQ(Edit("a0edit")->text().size(), 255);
}

TEST_F(FormulaDlgTest, FormActivateFillsTheFieldsFromWorkSignal) {
    Edit("nameedit")->setText("vom Aufrufer");
    tSignal& s = dlg.WorkSignal();
    s.Reset();
    std::string* texts[] = {&s.ConstK,    &s.ConstL,    &s.ConstM,
                            &s.FormulaA0, &s.FormulaAn, &s.FormulaBn};
    for (int i = 0; i < 6; ++i) *texts[i] = "N+" + std::to_string(i);
    s.SeriesMode = 2;
    s.MaxHarmonic = 500;
    s.Visible = true;
    dlg.show();
    EXPECT_EQ(Edit("nameedit")->text(), "vom Aufrufer");
    const char* edits[] = {"kkedit", "kledit", "kmedit", "a0edit", "anedit", "bnedit"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Edit(edits[i])->text(), QStringLiteral("N+%1").arg(i));
    EXPECT_EQ(MaxEdit()->value(), 128);
    EXPECT_TRUE(Child<QRadioButton>(dlg, "ngrp2")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(dlg, "visbox")->isChecked());
}

TEST_F(FormulaDlgTest, FailingFormulaIsReportedAndKeepsTheDialogOpenAtItsField) {
    struct Case {
        const char* field;
        const char* text;
        const char* message;
        int generated; // harmonics made before the failing one
    };
    for (const Case c : {Case{"bnedit", "1/(N-3)", "Division durch Null", 2},
                         Case{"anedit", "EXP 100", "Überlauf", 0}}) {
        SCOPED_TRACE(c.text);
        dlg.WorkSignal().Reset();
        dlg.show();
        Type(Edit(c.field), c.text);
        prompts.ExpectError();
        Click(Child<QPushButton>(dlg, "OKBtn"));
        EXPECT_EQ(prompts.Texts("error").value(0), c.message);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.focusWidget(), Edit(c.field));
        const tSignal& s = dlg.WorkSignal();
        EXPECT_EQ(s.FormulaAn + s.FormulaBn, c.text);
        for (int n = 1; n <= MaxHarmonicNumber; ++n) {
            EXPECT_TRUE(std::isfinite(s.Amplitude[n]) && std::isfinite(s.Phase[n]));
            EXPECT_EQ(s.Amplitude[n] > 0, n <= c.generated) << n;
        }
        dlg.hide();
        prompts.Clear();
    }
}

TEST_F(FormulaDlgTest, FailureWhileHiddenActivatesTheFieldWhenShown) {
    tSignal loaded;
    loaded.ConstL = "SQRT -1";
    prompts.ExpectError();
    EXPECT_EQ(dlg.GenerateFromFormulas(loaded), 1);
    dlg.show();
    EXPECT_EQ(dlg.focusWidget(), Edit("kledit"));
}

TEST_F(FormulaDlgTest, MaxFieldTakesAnyTextAndUsesItClamped) {
    for (const auto& [typed, used] : {std::pair{"500", 128}, {"abc", 1}, {"7", 7}}) {
        dlg.show();
        Type(Edit("anedit"), "1");
        Type(MaxEdit(), typed);
        Click(Child<QPushButton>(dlg, "OKBtn"));
        EXPECT_EQ(dlg.result(), QDialog::Accepted) << typed;
        EXPECT_EQ(dlg.WorkSignal().MaxHarmonic, used) << typed;
        EXPECT_FLOAT_EQ(dlg.WorkSignal().Amplitude[used], 100) << typed;
    }
    EXPECT_EQ(dlg.WorkSignal().Amplitude[8], 0);
}

TEST_F(FormulaDlgTest, ChosenColourHasTheWideOutlineAndAClickChoosesAnother) {
    const QColor grey(128, 128, 128);
    auto pixel = [this](int square, int xy) {
        return RenderToImage(*Square(square)).pixelColor(xy, xy);
    };
    dlg.WorkSignal().ColorIndex = 2;
    dlg.show();
    EXPECT_EQ(pixel(2, 2), grey);
    EXPECT_EQ(pixel(3, 0), grey);
    EXPECT_EQ(pixel(3, 1), QColor(0, 0, 255));
    QTest::mouseClick(Square(5), Qt::LeftButton);
    EXPECT_EQ(dlg.WorkSignal().ColorIndex, 5);
    EXPECT_EQ(pixel(5, 2), grey);
    EXPECT_EQ(pixel(2, 1), QColor(0, 255, 0));
}

// --- from the main window ---------------------------------------------------------------

class FormulaEditingTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        Create();
    }
};

TEST_F(FormulaEditingTest, NewFormulaSignalIsGeneratedIntoTheProjectOnOK) {
    prompts.ExpectDialog("TNewSignalDlg", [](QDialog& d) {
        Child<QLineEdit>(d, "nameedit")->setText("Rechteck");
        Child<QRadioButton>(d, QStringLiteral("Typegroup%1").arg(Formulas))->setChecked(true);
        return QDialog::Accepted;
    });
    prompts.ExpectDialog("TSignalFormulaDlg", [](QDialog& d) {
        Type(Child<QLineEdit>(d, "bnedit"), "4/PI/N");
        Click(Child<QRadioButton>(d, "ngrp1"));
        Click(Child<QPushButton>(d, "OKBtn"));
        return d.result();
    });
    Btn("NewSignalBtn")->click();
    ASSERT_EQ(project().Count(), 1);
    const tSignal& s = project().Signal(0);
    EXPECT_EQ(s.FormulaBn, "4/PI/N");
    EXPECT_NEAR(s.Amplitude[1], 127.324, 1e-3);
    EXPECT_EQ(s.Amplitude[2], 0);
    EXPECT_NEAR(s.Amplitude[3], 42.441, 1e-3);
}

} // namespace
