// The signal list and its commands, driven through the buttons, menu items and mouse.
#include "app/NewSignalDlg.h"
#include "app/SignalEditor.h"
#include "support/MainFormFixture.h"

#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// Stands in for an editor: shows nothing, answers with a fixed result and may change the
// work signal and the name like a user would.
class FakeEditor : public QDialog, public SignalEditor {
public:
    explicit FakeEditor(QWidget* parent) : QDialog(parent) { setObjectName("FakeEditor"); }
    QDialog& Dialog() override { return *this; }
    void SetSignalName(const QString& n) override { name = n; }
    QString SignalName() const override { return name; }
    tSignal& WorkSignal() override { return work; }
    void SetDisplayMode(int m) override { mode = m; }
    int DisplayMode() const override { return mode; }
    QString name;
    tSignal work;
    int mode = -1;
};

class SignalCommandsTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        Create();
    }
    // Answers the next "Neues Signal" dialog with a name and a kind, pressing OK.
    void AnswerNewSignal(const QString& name, int kind) {
        prompts.ExpectDialog("TNewSignalDlg", [name, kind](QDialog& d) {
            auto& dlg = static_cast<TNewSignalDlg&>(d);
            dlg.nameedit->setText(name);
            dlg.SetKind(kind);
            dlg.findChild<QPushButton*>("OKBtn")->click();
            return dlg.result();
        });
    }
    void AnswerPasteName(const QString& name) {
        prompts.ExpectDialog("TNewSignalNameDlg", [name](QDialog& d) {
            static_cast<TNewSignalNameDlg&>(d).nameedit->setText(name);
            d.findChild<QPushButton*>("OKBtn")->click();
            return d.result();
        });
    }
    tSignal Spectral(float a1, int colour = 0, bool visible = true) {
        tSignal s;
        s.Amplitude[1] = a1;
        s.ColorIndex = colour;
        s.Visible = visible;
        return s;
    }
    QPoint RowCentre(int row) {
        return form->SignalListBox->visualItemRect(form->SignalListBox->item(row)).center();
    }
};

TEST_F(SignalCommandsTest, NewSignalIsAppendedSelectedAndMarksTheProject) {
    AnswerNewSignal("Rechteck", 2);
    form->NewSignalBtn->click();
    ASSERT_EQ(form->Signals.Count(), 1);
    EXPECT_EQ(form->Signals.Name(0), "Rechteck");
    const tSignal& s = form->Signals.Signal(0);
    EXPECT_EQ(s.Kind, 2);
    EXPECT_FALSE(s.Visible);
    EXPECT_EQ(s.ColorIndex, 0);
    EXPECT_EQ(form->SelectedIndex(), 0);
    EXPECT_TRUE(form->ProjectModified);
    EXPECT_TRUE(form->SaveProjectBtn->isEnabled());

    // The menu item does the same; the dialog keeps the kind of its last use.
    prompts.ExpectDialog("TNewSignalDlg", [](QDialog& d) {
        auto& dlg = static_cast<TNewSignalDlg&>(d);
        EXPECT_EQ(dlg.Kind(), 2);
        EXPECT_EQ(dlg.nameedit->text(), "Rechteck");
        dlg.nameedit->setText("Zweites");
        dlg.findChild<QPushButton*>("OKBtn")->click();
        return dlg.result();
    });
    form->NewSignalItem->trigger();
    EXPECT_EQ(form->Signals.Count(), 2);
    EXPECT_EQ(form->SelectedIndex(), 1);
}

TEST_F(SignalCommandsTest, CancelledNewSignalChangesNothing) {
    prompts.ExpectDialog("TNewSignalDlg", [](QDialog&) { return QDialog::Rejected; });
    form->NewSignalBtn->click();
    EXPECT_EQ(form->Signals.Count(), 0);
    EXPECT_FALSE(form->ProjectModified);
}

TEST_F(SignalCommandsTest, NamesThatAProjectFileCannotKeepAreRefused) {
    AddSignal("Welle", Spectral(10));
    struct Case {
        QString name;
        QString message;
    };
    const Case cases[] = {
        {"welle",
         "Signal \"welle\" ist bereits im Projekt vorhanden. Wählen Sie eine andere Bezeichnung!"},
        {"Welle",
         "Signal \"Welle\" ist bereits im Projekt vorhanden. Wählen Sie eine andere Bezeichnung!"},
        {"", "Bitte geben Sie eine Bezeichnung für das Signal ein."},
        {" Welle2", "Die Bezeichnung darf nicht mit einem Leerzeichen beginnen oder enden."},
        {"Welle2 ", "Die Bezeichnung darf nicht mit einem Leerzeichen beginnen oder enden."},
        {"Signals", "Die Bezeichnung \"Signals\" ist in Projektdateien reserviert. Wählen Sie eine "
                    "andere Bezeichnung!"},
        {"a[1]", "Die Bezeichnung darf keine eckigen Klammern [ ] enthalten."},
        {"a\tb", "Die Bezeichnung darf keine Zeilenumbrüche oder Steuerzeichen enthalten."},
        {"ωt", "Die Bezeichnung enthält Zeichen, die in einer Projektdatei nicht gespeichert "
               "werden können. Wählen Sie eine andere Bezeichnung!"},
    };
    for (const Case& c : cases) {
        prompts.Clear();
        prompts.ExpectDialog("TNewSignalDlg", [&](QDialog& d) {
            auto& dlg = static_cast<TNewSignalDlg&>(d);
            dlg.nameedit->setText(c.name);
            prompts.ExpectError();
            dlg.findChild<QPushButton*>("OKBtn")->click();
            EXPECT_TRUE(dlg.isVisible()) << "the dialog stays open";
            EXPECT_EQ(dlg.nameedit->text(), c.name) << "and keeps the text";
            return QDialog::Rejected;
        });
        form->NewSignalBtn->click();
        EXPECT_EQ(prompts.Texts("error"), QStringList{c.message}) << c.name.toStdString();
        EXPECT_EQ(form->Signals.Count(), 1);
    }
    // Accented capitals and the euro sign are fine.
    prompts.Clear();
    AnswerNewSignal("Ämter-Welle €", 0);
    form->NewSignalBtn->click();
    EXPECT_EQ(form->Signals.Count(), 2);
    prompts.Clear();
    AnswerNewSignal("ämter-welle €", 0);
    prompts.ExpectError();
    form->NewSignalBtn->click();
    EXPECT_EQ(form->Signals.Count(), 2);
}

TEST_F(SignalCommandsTest, DeleteAsksAndSelectsTheNeighbour) {
    AddSignal("a", Spectral(1));
    AddSignal("b", Spectral(2));
    AddSignal("c", Spectral(3));
    form->ProjectModified = false;
    prompts.ExpectConfirm(false);
    form->DeleteSignalBtn->click();
    EXPECT_EQ(form->Signals.Count(), 3);
    EXPECT_FALSE(form->ProjectModified);
    EXPECT_EQ(prompts.Texts("confirm"),
              QStringList{"Wollen Sie das Signal \"c\" wirklich entfernen?"});

    // The last row: the new last row is selected.
    prompts.ExpectConfirm(true);
    form->DeleteSignalItem->trigger();
    EXPECT_EQ(form->Signals.Count(), 2);
    EXPECT_EQ(form->SelectedIndex(), 1);
    EXPECT_TRUE(form->ProjectModified);

    // A middle row: the same index, now the next signal.
    form->SignalListBox->setCurrentRow(0);
    prompts.ExpectConfirm(true);
    form->DeleteSignalBtn->click();
    EXPECT_EQ(form->SelectedIndex(), 0);
    EXPECT_EQ(form->Signals.Name(0), "b");

    // The only row: an empty list without selection and nothing left to save.
    prompts.ExpectConfirm(true);
    form->DeleteSignalBtn->click();
    EXPECT_EQ(form->Signals.Count(), 0);
    EXPECT_EQ(form->SelectedIndex(), -1);
    EXPECT_FALSE(form->SaveProjectBtn->isEnabled());
    EXPECT_FALSE(form->SaveProjectAsItem->isEnabled());
    EXPECT_FALSE(form->DeleteSignalBtn->isEnabled());
}

TEST_F(SignalCommandsTest, CopyDeletePasteRestoresTheData) {
    tSignal original = Spectral(42, 3);
    original.Phase[1] = 33;
    original.Reserved = 7;
    AddSignal("Quelle", original);
    EXPECT_FALSE(form->PasteSignalBtn->isEnabled());
    form->ProjectModified = false;
    form->CopySignalBtn->click();
    EXPECT_FALSE(form->ProjectModified) << "copying does not change the project";
    EXPECT_TRUE(form->PasteSignalBtn->isEnabled());
    EXPECT_TRUE(form->PasteSignalItem->isEnabled());
    prompts.ExpectConfirm(true);
    form->DeleteSignalBtn->click();

    AnswerPasteName("Kopie");
    form->PasteSignalBtn->click();
    ASSERT_EQ(form->Signals.Count(), 1);
    EXPECT_EQ(form->Signals.Name(0), "Kopie");
    const tSignal& pasted = form->Signals.Signal(0);
    EXPECT_EQ(pasted.Amplitude, original.Amplitude);
    EXPECT_EQ(pasted.Phase, original.Phase);
    EXPECT_EQ(pasted.ColorIndex, 3);
    EXPECT_EQ(pasted.Reserved, 7);
    EXPECT_TRUE(form->ProjectModified);

    // The buffer stays: paste again, refused under the same name, then under another.
    prompts.ExpectDialog("TNewSignalNameDlg", [&](QDialog& d) {
        static_cast<TNewSignalNameDlg&>(d).nameedit->setText("kopie");
        prompts.ExpectError();
        d.findChild<QPushButton*>("OKBtn")->click();
        EXPECT_TRUE(d.isVisible());
        static_cast<TNewSignalNameDlg&>(d).nameedit->setText("Kopie 2");
        d.findChild<QPushButton*>("OKBtn")->click();
        return d.result();
    });
    form->PasteSignalItem->trigger();
    EXPECT_EQ(form->Signals.Count(), 2);
    EXPECT_EQ(form->Signals.Name(1), "Kopie 2");
    EXPECT_EQ(form->SelectedIndex(), 1);
}

TEST_F(SignalCommandsTest, ConvertAsksByKindAndKeepsTheSpectrum) {
    struct Case {
        int kind;
        const char* question;
    };
    const Case cases[] = {
        {1, "Dieses Signal ist durch Signalformeditor und Fourieranalyse entstanden. Eine "
            "Konvertierung in Spektrallinien kann nicht mehr rückgängig gemacht werden. Jetzt "
            "konvertieren?"},
        {2, "Dieses Signal ist aus Formeln für Fourierreihen entstanden. Eine Konvertierung in "
            "Spektrallinien kann nicht mehr rückgängig gemacht werden. Jetzt konvertieren?"},
    };
    for (const Case& c : cases) {
        prompts.Clear();
        tSignal s = Spectral(12.5f);
        s.Kind = c.kind;
        s.Phase[1] = 271.25f;
        s.FormulaAn = "1/n";
        const int i = AddSignal("k" + std::to_string(c.kind), s);
        EXPECT_TRUE(form->ConvertItem->isEnabled());
        form->ProjectModified = false;
        prompts.ExpectConfirm(false);
        form->ConvertItem->trigger();
        EXPECT_EQ(form->Signals.Signal(i).Kind, c.kind);
        EXPECT_FALSE(form->ProjectModified);
        prompts.ExpectConfirm(true);
        form->ConvertItem->trigger();
        const tSignal& converted = form->Signals.Signal(i);
        EXPECT_EQ(converted.Kind, 0);
        EXPECT_EQ(converted.Amplitude, s.Amplitude);
        EXPECT_EQ(converted.Phase, s.Phase);
        EXPECT_EQ(converted.FormulaAn, "1/n");
        EXPECT_TRUE(form->ProjectModified);
        EXPECT_FALSE(form->ConvertItem->isEnabled());
        EXPECT_EQ(prompts.Texts("confirm"), QStringList({c.question, c.question}));
    }
}

TEST_F(SignalCommandsTest, RightClickTogglesTheSelectedSignalWhateverTheRow) {
    AddSignal("a", Spectral(1, 0, true));
    AddSignal("b", Spectral(2, 0, true));
    form->SignalListBox->setCurrentRow(0);
    form->ProjectModified = false;
    form->show();
    QTest::mouseClick(form->SignalListBox->viewport(), Qt::RightButton, {}, RowCentre(1));
    EXPECT_FALSE(form->Signals.Signal(0).Visible);
    EXPECT_TRUE(form->Signals.Signal(1).Visible);
    EXPECT_EQ(form->SelectedIndex(), 0) << "the selection stays";
    EXPECT_TRUE(form->ProjectModified);
    QTest::mouseClick(form->SignalListBox->viewport(), Qt::RightButton, {}, RowCentre(0));
    EXPECT_TRUE(form->Signals.Signal(0).Visible);
}

TEST_F(SignalCommandsTest, CommandsFollowTheSelection) {
    auto enabled = [this] {
        return std::vector<bool>{
            form->SaveProjectBtn->isEnabled(),   form->CopySignalBtn->isEnabled(),
            form->SignalOptionsBtn->isEnabled(), form->DeleteSignalBtn->isEnabled(),
            form->SoundBtn->isEnabled(),         form->ExportItem->isEnabled(),
            form->ConvertItem->isEnabled(),      form->PasteSignalBtn->isEnabled()};
    };
    form->FormPaint();
    EXPECT_EQ(enabled(),
              std::vector<bool>({false, false, false, false, false, false, false, false}));
    AddSignal("a", Spectral(1));
    EXPECT_EQ(enabled(), std::vector<bool>({true, true, true, true, true, true, false, false}));
    form->SignalListBox->setCurrentRow(-1);
    EXPECT_EQ(enabled(),
              std::vector<bool>({true, false, false, false, false, false, false, false}));
    EXPECT_TRUE(form->NewSignalBtn->isEnabled() && form->NewProjectBtn->isEnabled() &&
                form->OptionsItem->isEnabled() && form->SaveSoundItem->isEnabled());
}

TEST_F(SignalCommandsTest, EditHandsTheSignalToTheEditorOfItsKind) {
    auto* editor = new FakeEditor(form.get());
    form->Editors[0] = editor;
    tSignal s = Spectral(5, 2);
    AddSignal("Grundton", s);
    form->Settings.mode = 2;
    form->ProjectModified = false;

    prompts.ExpectDialog("FakeEditor", [&](QDialog&) {
        EXPECT_EQ(editor->name, "Grundton");
        EXPECT_EQ(editor->work.Amplitude[1], 5.0f);
        EXPECT_EQ(editor->mode, 2);
        editor->work.Amplitude[1] = 99;
        return QDialog::Rejected;
    });
    form->SignalOptionsBtn->click();
    EXPECT_EQ(form->Signals.Signal(0).Amplitude[1], 5.0f);
    EXPECT_FALSE(form->ProjectModified) << "Cancel changes nothing";

    prompts.ExpectDialog("FakeEditor", [&](QDialog&) {
        editor->name = "Oberton";
        editor->mode = 0;
        editor->work.Amplitude[3] = 7;
        return QDialog::Accepted;
    });
    form->EditSignalItem->trigger();
    EXPECT_EQ(form->Signals.Name(0), "Oberton");
    EXPECT_EQ(form->Signals.Signal(0).Amplitude[3], 7.0f);
    EXPECT_EQ(form->Settings.mode, 0);
    EXPECT_TRUE(form->ProjectModified);
    EXPECT_EQ(form->SelectedIndex(), 0);

    // OK without changes still marks the project; a double click opens the editor too.
    form->ProjectModified = false;
    prompts.ExpectDialog("FakeEditor", [](QDialog&) { return QDialog::Accepted; });
    form->show();
    QTest::mouseDClick(form->SignalListBox->viewport(), Qt::LeftButton, {}, RowCentre(0));
    EXPECT_TRUE(form->ProjectModified);
}

TEST_F(SignalCommandsTest, RenameInAnEditorIsCheckedAgainstTheOtherNames) {
    AddSignal("Eins", Spectral(1));
    AddSignal("Zwei", Spectral(2));
    form->EditingIndex = 1;
    prompts.ExpectError();
    EXPECT_FALSE(form->CheckNewName(nullptr, "eins", form->EditingIndex));
    EXPECT_TRUE(form->CheckNewName(nullptr, "ZWEI", form->EditingIndex))
        << "its own name in other case";
}

TEST_F(SignalCommandsTest, KindsWithoutAnEditorBehaveAsCancel) {
    AddSignal("a", Spectral(1));
    form->ProjectModified = false;
    form->SignalOptionsBtn->click();
    EXPECT_FALSE(form->ProjectModified);
    // A kind no editor knows goes straight to the refresh.
    form->Signals.Signal(0).Kind = 7;
    form->SignalOptionsBtn->click();
    EXPECT_TRUE(form->ProjectModified);
}

} // namespace
