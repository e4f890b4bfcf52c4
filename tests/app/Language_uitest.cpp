// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The language of the interface: chosen in the settings dialog, applied at once to every
// open window and to Qt's own texts, kept in the store only once chosen.
#include "app/OptionsDlg.h"
#include "formula/FormulaDlg.h"
#include "support/MainFormFixture.h"
#include "ui/HelpSystem.h"
#include "ui/Translatable.h"

#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <system_error>

namespace {

TEST_F(MainFormTest, ChosenLanguageRetranslatesEveryOpenWindowAtOnce) {
    Create();
    HelpSystem help;
    Toptionsdlg dlg(form.get(), form->settings(), help);
    QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
    // What each language shows: a menu, a menu item, a tool tip, a tab, a group, a button.
    auto texts = [&] {
        return QStringList{W<QMenu>("ProjectMenu")->title(),
                           Item("SaveProjectAsItem")->text(),
                           Btn("NewSignalBtn")->toolTip(),
                           dlg.windowTitle(),
                           Child<QTabBar>(dlg, "TabSet")->tabText(2),
                           Child<QGroupBox>(dlg, "bgrp")->title(),
                           Child<QPushButton>(dlg, "CancelBtn")->text(),
                           box.button(QMessageBox::No)->text()};
    };
    const QStringList german = {"&Projekt",
                                "Speichern &als ...",
                                "Neues Signal erzeugen",
                                "Einstellungen",
                                "Hintergrund ",
                                "Hintergrundfarbe",
                                "Abbrechen",
                                "&Nein"};
    const QStringList english = {"&Project", "Save &as ...", "Create a new signal",
                                 "Settings", "Background ",  "Background colour",
                                 "Cancel",   "&No"};
    EXPECT_EQ(texts(), german);
    for (const auto& [choice, expected] : {std::pair{1, english}, std::pair{0, german}}) {
        QTest::mouseClick(Child<QRadioButton>(dlg, QStringLiteral("spracheGrp%1").arg(choice)),
                          Qt::LeftButton, {}, QPoint(6, 8));
        QTest::mouseClick(Child<QPushButton>(dlg, "OKBtn"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(); // the windows' LanguageChange
        EXPECT_EQ(texts(), expected);
    }
}

TEST_F(MainFormTest, LanguageIsStoredOnlyOnceChosen) {
    Create();
    Destroy();
    EXPECT_FALSE(QSettings(QStringLiteral("Dorwinkel"), QStringLiteral("Wellenwerk"))
                     .contains(QStringLiteral("V2/common/sprache")));
    PutSetting(QStringLiteral("sprache"), QStringLiteral("1"));
    Create();
    EXPECT_EQ(Item("ExitItem")->text(), "E&xit");
    ChangeSettings([](AppSettings& s) { s.sprache = German; });
    Destroy();
    EXPECT_EQ(GetSetting(QStringLiteral("sprache")), "0");
    EXPECT_EQ(CurrentLanguage(), German);
}

TEST_F(MainFormTest, ShownNumbersTakeTheLanguagesSeparator) {
    Create();
    tSignal s;
    s.Amplitude[1] = 100;
    AddSignal("s", s);
    const QString german = W<QLabel>("Effektivwertlabel")->text();
    EXPECT_TRUE(german.contains(','));
    ChangeSettings([](AppSettings& v) { v.sprache = English; });
    EXPECT_EQ(W<QLabel>("Effektivwertlabel")->text(), QString(german).replace(',', '.'));
    prompts.ExpectConfirm(false); // and a question in English
    Btn("DeleteSignalBtn")->click();
    EXPECT_EQ(prompts.Texts("confirm"),
              QStringList{"Do you really want to delete the signal \"s\"?"});
    ChangeSettings([](AppSettings& v) { v.sprache = German; });
    EXPECT_EQ(W<QLabel>("Effektivwertlabel")->text(), german);
}

// Texts the core composes, a name or number in them: translated before it is filled in.
TEST_F(MainFormTest, CoreMessagesInEnglish) {
    Create();
    AddSignal("s&t", tSignal());
    ChangeSettings([](AppSettings& v) { v.sprache = English; });
    EXPECT_EQ(Item("UndoItem")->text(), "&Undo: Create signal s&&t");
    const QString missing = QStringLiteral("/nonexistent/x.wwp");
    prompts.ExpectOpenFile(missing);
    prompts.ExpectAskSave(Prompts::SaveAnswer::No);
    prompts.ExpectError();
    Btn("OpenProjectBtn")->click();
    HelpSystem help;
    TSignalFormulaDlg dlg(form.get(), help);
    tSignal formulas;
    formulas.FormulaAn = "1E20";
    prompts.ExpectError();
    dlg.GenerateFromFormulas(formulas);
    const QStringList english = {
        "The file " + missing +
            " cannot be read: " + QString::fromStdString(std::generic_category().message(ENOENT)),
        "Value too large in an for n = 1: the amplitude 100 · √(an² + bn²) is greater than 1E15."};
    EXPECT_EQ(prompts.Texts("error"), english);
}

} // namespace
