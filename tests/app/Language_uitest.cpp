// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The language of the interface: chosen in the settings dialog, applied at once to every
// open window and to Qt's own texts, kept in the store only once chosen.
#include "app/OptionsDlg.h"
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

} // namespace
