// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The signal list and its commands, driven through the buttons, menu items and mouse: one
// scenario per command path. The rules behind them (names, the selection after a delete,
// what paste and convert keep) are tested on the project in the core.
#include "app/NewSignalDlg.h"
#include "support/FakeEditor.h"
#include "support/MainFormFixture.h"
#include "ui/SignalEditor.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class SignalCommandsTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        Create();
    }
    // Answers the next "Neues Signal" dialog with a name and a kind, pressing OK.
    void AnswerNewSignal(const QString& name, int kind) {
        prompts.ExpectDialog("TNewSignalDlg", [name, kind](QDialog& d) {
            Child<QLineEdit>(d, "nameedit")->setText(name);
            ChooseKind(d, kind);
            Child<QPushButton>(d, "OKBtn")->click();
            return d.result();
        });
    }
    static void ChooseKind(QDialog& d, int kind) {
        Child<QRadioButton>(d, QStringLiteral("Typegroup%1").arg(kind))->setChecked(true);
    }
    tSignal Spectral(float a1, int colour = 0, bool visible = true) {
        tSignal s;
        s.Amplitude[1] = a1;
        s.ColorIndex = colour;
        s.Visible = visible;
        return s;
    }
    QListWidget* List() { return W<QListWidget>("SignalListBox"); }
    QPoint RowCentre(int row) { return List()->visualItemRect(List()->item(row)).center(); }
    FakeEditor* InstallEditor(int kind) {
        auto* editor = new FakeEditor(form.get());
        form->SetEditor(kind, editor);
        return editor;
    }
};

TEST_F(SignalCommandsTest, NewSignalIsAppendedSelectedAndOpensItsEditor) {
    FakeEditor* editor = InstallEditor(Formulas);
    AnswerNewSignal("Rechteck", Formulas);
    prompts.ExpectDialog("FakeEditor", [&](QDialog&) {
        EXPECT_EQ(editor->name, "Rechteck");
        return QDialog::Rejected; // the new signal stays with its defaults
    });
    Btn("NewSignalBtn")->click();
    ASSERT_EQ(project().Count(), 1);
    EXPECT_EQ(project().Name(0), "Rechteck");
    EXPECT_EQ(project().Signal(0).Kind, Formulas);
    EXPECT_FALSE(project().Signal(0).Visible);
    EXPECT_EQ(A().SelectedIndex(), 0);
    EXPECT_TRUE(project().Modified());
    EXPECT_TRUE(Btn("SaveProjectBtn")->isEnabled());

    // The menu item does the same; the dialog keeps the kind of its last use.
    prompts.ExpectDialog("TNewSignalDlg", [](QDialog& d) {
        auto& dlg = static_cast<TNewSignalDlg&>(d);
        EXPECT_EQ(dlg.Kind(), Formulas);
        EXPECT_EQ(Child<QLineEdit>(d, "nameedit")->text(), "Rechteck");
        Child<QLineEdit>(d, "nameedit")->setText("Zweites");
        ChooseKind(d, SpectralLines);
        Child<QPushButton>(d, "OKBtn")->click();
        return dlg.result();
    });
    prompts.ExpectDialog("TSignalOptionsDlg", [](QDialog&) { return QDialog::Rejected; });
    Item("NewSignalItem")->trigger();
    EXPECT_EQ(project().Count(), 2);
    EXPECT_EQ(A().SelectedIndex(), 1);
}

TEST_F(SignalCommandsTest, ARefusedNameKeepsTheDialogOpenWithItsText) {
    AddSignal("Welle", Spectral(10));
    prompts.ExpectDialog("TNewSignalDlg", [&](QDialog& d) {
        Child<QLineEdit>(d, "nameedit")->setText("welle");
        prompts.ExpectError();
        Child<QPushButton>(d, "OKBtn")->click();
        EXPECT_TRUE(d.isVisible()) << "the dialog stays open";
        EXPECT_EQ(Child<QLineEdit>(d, "nameedit")->text(), "welle") << "and keeps the text";
        return QDialog::Rejected;
    });
    Btn("NewSignalBtn")->click();
    EXPECT_EQ(prompts.Texts("error"),
              QStringList{"Signal \"welle\" ist bereits im Projekt vorhanden. Wählen Sie eine "
                          "andere Bezeichnung!"});
    EXPECT_EQ(project().Count(), 1);
}

TEST_F(SignalCommandsTest, DeleteAsksAndSelectsTheNeighbour) {
    AddSignal("a", Spectral(1));
    AddSignal("<b>c</b>", Spectral(3));
    project().MarkSaved();
    prompts.ExpectConfirm(false);
    Btn("DeleteSignalBtn")->click();
    EXPECT_EQ(project().Count(), 2);
    EXPECT_FALSE(project().Modified());
    EXPECT_EQ(prompts.Texts("confirm"),
              QStringList{"Wollen Sie das Signal \"<b>c</b>\" wirklich entfernen?"});

    prompts.ExpectConfirm(true);
    Item("DeleteSignalItem")->trigger();
    EXPECT_EQ(project().Count(), 1);
    EXPECT_EQ(A().SelectedIndex(), 0);
    EXPECT_TRUE(project().Modified());

    // The only row: an empty list without selection and nothing left to save.
    prompts.ExpectConfirm(true);
    Btn("DeleteSignalBtn")->click();
    EXPECT_EQ(A().SelectedIndex(), -1);
    EXPECT_FALSE(Btn("SaveProjectBtn")->isEnabled());
    EXPECT_FALSE(Item("SaveProjectAsItem")->isEnabled());
    EXPECT_FALSE(Btn("DeleteSignalBtn")->isEnabled());
}

TEST_F(SignalCommandsTest, CopyDeletePasteRestoresTheData) {
    tSignal original = Spectral(42, 3);
    original.Phase[1] = 33;
    original.Reserved = 7;
    AddSignal("Quelle", original);
    EXPECT_FALSE(Btn("PasteSignalBtn")->isEnabled());
    project().MarkSaved();
    Btn("CopySignalBtn")->click();
    EXPECT_FALSE(project().Modified()) << "copying does not change the project";
    EXPECT_TRUE(Btn("PasteSignalBtn")->isEnabled());
    EXPECT_TRUE(Item("PasteSignalItem")->isEnabled());
    prompts.ExpectConfirm(true);
    Btn("DeleteSignalBtn")->click();

    // Refused under a name in use, then taken under another.
    AddSignal("Kopie", tSignal());
    prompts.ExpectDialog("TNewSignalNameDlg", [&](QDialog& d) {
        Child<QLineEdit>(d, "nameedit")->setText("kopie");
        prompts.ExpectError();
        Child<QPushButton>(d, "OKBtn")->click();
        EXPECT_TRUE(d.isVisible());
        Child<QLineEdit>(d, "nameedit")->setText("Kopie 2");
        Child<QPushButton>(d, "OKBtn")->click();
        return d.result();
    });
    Item("PasteSignalItem")->trigger();
    ASSERT_EQ(project().Count(), 2);
    EXPECT_EQ(project().Name(1), "Kopie 2");
    EXPECT_EQ(A().SelectedIndex(), 1);
    const tSignal& pasted = project().Signal(1);
    EXPECT_EQ(pasted.Amplitude, original.Amplitude);
    EXPECT_EQ(pasted.Phase, original.Phase);
    EXPECT_EQ(pasted.Reserved, 7);
}

TEST_F(SignalCommandsTest, ConvertAsksByKindAndKeepsTheSpectrum) {
    const struct {
        int kind;
        const char* question;
    } cases[] = {
        {Waveform, "Dieses Signal ist durch Signalformeditor und Fourieranalyse entstanden. Eine "
                   "Konvertierung in Spektrallinien kann nicht mehr rückgängig gemacht werden. "
                   "Jetzt konvertieren?"},
        {Formulas, "Dieses Signal ist aus Formeln für Fourierreihen entstanden. Eine "
                   "Konvertierung in Spektrallinien kann nicht mehr rückgängig gemacht werden. "
                   "Jetzt konvertieren?"},
    };
    for (const auto& c : cases) {
        prompts.Clear();
        tSignal s = Spectral(12.5f);
        s.Kind = c.kind;
        const int i = AddSignal("k" + std::to_string(c.kind), s);
        EXPECT_TRUE(Item("ConvertItem")->isEnabled());
        prompts.ExpectConfirm(false);
        Item("ConvertItem")->trigger();
        EXPECT_EQ(project().Signal(i).Kind, c.kind);
        prompts.ExpectConfirm(true);
        Item("ConvertItem")->trigger();
        EXPECT_EQ(project().Signal(i).Kind, SpectralLines);
        EXPECT_EQ(project().Signal(i).Amplitude[1], 12.5f);
        EXPECT_FALSE(Item("ConvertItem")->isEnabled());
        EXPECT_EQ(prompts.Texts("confirm"), QStringList({c.question, c.question}));
    }
}

TEST_F(SignalCommandsTest, RightClickTogglesTheSelectedSignalWhateverTheRow) {
    AddSignal("a", Spectral(1, 0, true));
    AddSignal("b", Spectral(2, 0, true));
    List()->setCurrentRow(0);
    project().MarkSaved();
    form->show();
    QTest::mouseClick(List()->viewport(), Qt::RightButton, {}, RowCentre(1));
    EXPECT_FALSE(project().Signal(0).Visible);
    EXPECT_TRUE(project().Signal(1).Visible);
    EXPECT_EQ(A().SelectedIndex(), 0) << "the selection stays";
    EXPECT_TRUE(project().Modified());
    // A quick second press arrives as a double click on the other row: a second toggle.
    QMouseEvent twice(QEvent::MouseButtonDblClick, RowCentre(1),
                      List()->viewport()->mapToGlobal(RowCentre(1)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(List()->viewport(), &twice);
    EXPECT_TRUE(project().Signal(0).Visible);
    EXPECT_EQ(A().SelectedIndex(), 0);
}

TEST_F(SignalCommandsTest, CommandsFollowTheSelection) {
    auto enabled = [this] {
        return std::vector<bool>{
            Btn("SaveProjectBtn")->isEnabled(),   Btn("CopySignalBtn")->isEnabled(),
            Btn("SignalOptionsBtn")->isEnabled(), Btn("DeleteSignalBtn")->isEnabled(),
            Btn("SoundBtn")->isEnabled(),         Item("ExportItem")->isEnabled(),
            Item("ConvertItem")->isEnabled(),     Btn("PasteSignalBtn")->isEnabled()};
    };
    EXPECT_EQ(enabled(), std::vector<bool>(8, false));
    AddSignal("a", Spectral(1));
    EXPECT_EQ(enabled(), std::vector<bool>({true, true, true, true, true, true, false, false}));
    List()->setCurrentRow(-1);
    EXPECT_EQ(enabled(),
              std::vector<bool>({true, false, false, false, false, false, false, false}));
    EXPECT_TRUE(Btn("NewSignalBtn")->isEnabled() && Btn("NewProjectBtn")->isEnabled() &&
                Item("OptionsItem")->isEnabled() && Item("SaveSoundItem")->isEnabled());
}

TEST_F(SignalCommandsTest, EditHandsTheSignalToTheEditorOfItsKind) {
    FakeEditor* editor = InstallEditor(SpectralLines);
    AddSignal("Grundton", Spectral(5, 2));
    form->settings().SetMode(MagnitudeAndSinePhase);
    project().MarkSaved();

    prompts.ExpectDialog("FakeEditor", [&](QDialog&) {
        EXPECT_EQ(editor->name, "Grundton");
        EXPECT_EQ(editor->work.Amplitude[1], 5.0f);
        EXPECT_EQ(editor->mode, MagnitudeAndSinePhase);
        editor->work.Amplitude[1] = 99;
        return QDialog::Rejected;
    });
    Btn("SignalOptionsBtn")->click();
    EXPECT_EQ(project().Signal(0).Amplitude[1], 5.0f);
    EXPECT_FALSE(project().Modified()) << "Cancel changes nothing";

    prompts.ExpectDialog("FakeEditor", [&](QDialog&) {
        editor->name = "Oberton";
        editor->mode = MagnitudeAndPhase;
        editor->work.Amplitude[3] = 7;
        return QDialog::Accepted;
    });
    Item("EditSignalItem")->trigger();
    EXPECT_EQ(project().Name(0), "Oberton");
    EXPECT_EQ(project().Signal(0).Amplitude[3], 7.0f);
    EXPECT_EQ(settings().mode, MagnitudeAndPhase);
    EXPECT_TRUE(project().Modified());
    EXPECT_EQ(A().SelectedIndex(), 0);

    // OK without changes still marks the project; a double click opens the editor too.
    project().MarkSaved();
    prompts.ExpectDialog("FakeEditor", [](QDialog&) { return QDialog::Accepted; });
    form->show();
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, RowCentre(0));
    EXPECT_TRUE(project().Modified());
}

TEST_F(SignalCommandsTest, RenameInAnEditorIsCheckedAgainstTheOtherNames) {
    FakeEditor* editor = InstallEditor(SpectralLines);
    AddSignal("Eins", Spectral(1));
    AddSignal("Zwei", Spectral(2));
    prompts.ExpectDialog("FakeEditor", [&](QDialog&) {
        editor->name = "eins";
        prompts.ExpectError();
        EXPECT_FALSE(editor->PressOK());
        editor->name = "ZWEI"; // its own name in another case
        EXPECT_TRUE(editor->PressOK());
        return QDialog::Accepted;
    });
    Btn("SignalOptionsBtn")->click();
    EXPECT_EQ(project().Name(1), "ZWEI");
}

TEST_F(SignalCommandsTest, KindsWithoutAnEditorBehaveAsCancel) {
    form->SetEditor(SpectralLines, nullptr);
    tSignal unknown = Spectral(1);
    unknown.Kind = 7; // as a project file may hold it
    AddSignal("a", Spectral(1));
    AddSignal("b", unknown);
    project().MarkSaved();
    List()->setCurrentRow(0);
    Btn("SignalOptionsBtn")->click();
    EXPECT_FALSE(project().Modified());
    // A kind no editor knows goes straight to the refresh.
    List()->setCurrentRow(1);
    Btn("SignalOptionsBtn")->click();
    EXPECT_TRUE(project().Modified());
}

} // namespace
