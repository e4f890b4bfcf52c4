// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings dialog: its controls, loading them from the settings at every showing,
// writing them back on OK only, the tab row, and the help button with the help pages.
#include "app/OptionsDlg.h"

#include "settings/Settings.h"
#include "support/UiTestSupport.h"
#include "ui/HelpSystem.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class OptionsDlgTest : public ::testing::Test {
protected:
    OptionsDlgTest() {
        main.setGeometry(120, 90, 633, 493);
        main.show();
    }
    ~OptionsDlgTest() override { help.CloseAll(); }

    QTabBar* TabSet() { return Child<QTabBar>(dlg, "TabSet"); }
    QStackedWidget* Notebook() { return Child<QStackedWidget>(dlg, "Notebook"); }
    QLineEdit* Fedit() { return Child<QLineEdit>(dlg, "fedit"); }
    QPushButton* Button(const char* name) { return Child<QPushButton>(dlg, name); }
    int ItemIndex(const char* group) { return Child<RadioGroup>(dlg, group)->ItemIndex(); }
    QCheckBox* Harmonic(int n) { return Child<QCheckBox>(dlg, QStringLiteral("h%1").arg(n)); }
    QRadioButton* Radio(const char* group, int item) {
        return Child<QRadioButton>(dlg, QLatin1String(group) + QString::number(item));
    }
    // Clicks a radio button the way a user does: its tab first, then the button.
    void ClickRadio(int page, const char* group, int item) {
        QTest::mouseClick(TabSet(), Qt::LeftButton, {}, TabSet()->tabRect(page).center());
        QRadioButton* button = Radio(group, item);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void TypeFrequency(const QString& text) {
        Fedit()->selectAll();
        QTest::keyClick(Fedit(), Qt::Key_Delete);
        QTest::keyClicks(Fedit(), text);
    }

    Watchdog watchdog;
    QWidget main;
    // Changes the stored settings as a restart would hand them over.
    void Set(const std::function<void(AppSettings&)>& change) {
        AppSettings values = settings.Values();
        change(values);
        settings.Replace(values);
    }

    Settings settings;
    HelpSystem help;
    Toptionsdlg dlg{&main, settings, help};
};

TEST_F(OptionsDlgTest, ControlsFitTheFixedClientArea) {
    EXPECT_EQ(dlg.objectName(), "Toptionsdlg");
    EXPECT_EQ(dlg.windowTitle(), "Einstellungen");
    EXPECT_EQ(dlg.size(), QSize(297, 181));
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());

    ASSERT_EQ(TabSet()->count(), 5);
    const QStringList titles = {"Anzeige ", "Skalen ", "Hintergrund ", "Frequenz ", "Sound "};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(TabSet()->tabText(i), titles[i]);
        // Every tab is whole on screen: no scroll buttons, no elided titles.
        EXPECT_TRUE(TabSet()->rect().contains(TabSet()->tabRect(i))) << i;
    }
    EXPECT_EQ(Notebook()->count(), 5);

    for (int n = 0; n <= 32; ++n) EXPECT_EQ(Harmonic(n)->text(), QString::number(n));
    EXPECT_EQ(dlg.findChild<QCheckBox*>("h33"), nullptr);
    // Five check boxes to a row, in reading order.
    EXPECT_EQ(Harmonic(4)->y(), Harmonic(0)->y());
    EXPECT_GT(Harmonic(5)->y(), Harmonic(4)->y());
    EXPECT_EQ(Harmonic(5)->x(), Harmonic(0)->x());

    // Nothing sticks out of its parent, and no caption is cut off.
    for (QWidget* w : dlg.findChildren<QWidget*>()) {
        QWidget* parent = w->parentWidget();
        if (parent == Notebook() || parent->inherits("QTabBar")) continue;
        // The page stack sizes only the page it shows; every page gets its whole area.
        const QRect room =
            parent->parentWidget() == Notebook() ? Notebook()->rect() : parent->rect();
        EXPECT_TRUE(room.contains(w->geometry()))
            << w->objectName().toStdString() << " in " << parent->objectName().toStdString();
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, w->width())
                << w->objectName().toStdString();
        } else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w)) {
            EXPECT_LE(w->sizeHint().width(), w->width()) << w->objectName().toStdString();
        }
    }
    EXPECT_TRUE(Button("OKBtn")->isDefault());
    EXPECT_EQ(Button("OKBtn")->parentWidget(), Child<QFrame>(dlg, "ButtonPanel"));
}

TEST_F(OptionsDlgTest, ShowingLoadsTheControlsFromTheSettings) {
    struct Case {
        int lanz, sanz, banz, sfreq;
        float freq;
        const char* shown;
        std::vector<int> drawn;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 1000.0f, "1000", {}},
        {1, 1, 2, 2, 440.5f, "440.5", {0, 7, 32}},
        {0, 1, 1, 1, 0.1f, "0.1", {1, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        AppSettings values;
        values.lanz = c.lanz;
        values.sanz = c.sanz;
        values.banz = c.banz;
        values.sfreq = c.sfreq;
        values.freq = c.freq;
        for (int n : c.drawn) values.sh[n] = true;
        values.sh[40] = true; // no box of its own: must not show up anywhere
        settings.Replace(values);
        dlg.show();
        EXPECT_EQ(ItemIndex("Lgrp"), c.lanz);
        EXPECT_EQ(ItemIndex("Sgrp"), c.sanz);
        EXPECT_EQ(ItemIndex("bgrp"), c.banz);
        EXPECT_EQ(ItemIndex("sfreqgrp"), c.sfreq);
        EXPECT_TRUE(Radio("bgrp", c.banz)->isChecked());
        EXPECT_EQ(Fedit()->text(), c.shown);
        for (int n = 0; n <= 32; ++n)
            EXPECT_EQ(Harmonic(n)->isChecked(), settings.Values().sh[n])
                << "h" << n << " " << c.shown;
        dlg.reject();
    }
}

TEST_F(OptionsDlgTest, OkWritesEveryControlBack) {
    dlg.show();
    ClickRadio(1, "Sgrp", 1);
    ClickRadio(1, "Lgrp", 1);
    ClickRadio(2, "bgrp", 2);
    ClickRadio(4, "sfreqgrp", 2);
    QTest::mouseClick(TabSet(), Qt::LeftButton, {}, TabSet()->tabRect(0).center());
    for (int n : {0, 3, 32}) Harmonic(n)->click();
    TabSet()->setCurrentIndex(3);
    TypeFrequency("440.5");
    QTest::mouseClick(Button("OKBtn"), Qt::LeftButton);

    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(settings.Values().sanz, 1);
    EXPECT_EQ(settings.Values().lanz, 1);
    EXPECT_EQ(settings.Values().banz, 2);
    EXPECT_EQ(settings.Values().sfreq, 2);
    EXPECT_EQ(settings.Values().freq, 440.5f);
    for (int n = 0; n < HarmonicCount; ++n)
        EXPECT_EQ(settings.Values().sh[n], n == 0 || n == 3 || n == 32) << n;
}

TEST_F(OptionsDlgTest, FrequencyFieldOnOk) {
    // The reading rules themselves are tested with the core; here: the field's text and
    // the current fo reach them.
    const struct {
        const char* typed;
        float before;
        float after;
    } cases[] = {{"440.5", 1000.0f, 440.5f}, {"440,5", 250.0f, 250.0f}, {"1e5", 1000.0f, 25000.0f}};
    for (const auto& c : cases) {
        Set([&](AppSettings& s) { s.freq = c.before; });
        dlg.show();
        TypeFrequency(QString::fromLatin1(c.typed));
        Button("OKBtn")->click();
        EXPECT_EQ(settings.Values().freq, c.after) << '"' << c.typed << '"';
    }
}

TEST_F(OptionsDlgTest, AnUntouchedFrequencyFieldKeepsFoExactly) {
    Set([&](AppSettings& s) { s.freq = 12.3456f; }); // shown with three decimals as "12.346"
    dlg.show();
    EXPECT_EQ(Fedit()->text(), "12.346");
    Button("OKBtn")->click();
    EXPECT_EQ(settings.Values().freq, 12.3456f);
}

TEST_F(OptionsDlgTest, CancelChangesNothingAndTheNextShowingStartsFromTheSettings) {
    Set([&](AppSettings& s) { s.banz = 1; });
    Set([&](AppSettings& s) { s.freq = 440.0f; });
    Set([](AppSettings& s) {
        for (int n = 0; n <= 32; ++n) s.sh[n] = true;
    });
    const AppSettings before = settings.Values();
    dlg.show();
    ClickRadio(2, "bgrp", 2);
    TypeFrequency("30");
    for (int n = 0; n <= 32; ++n) Harmonic(n)->setChecked(false);
    QTest::mouseClick(Button("CancelBtn"), Qt::LeftButton);

    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(settings.Values().banz, before.banz);
    EXPECT_EQ(settings.Values().freq, before.freq);
    EXPECT_EQ(settings.Values().sh, before.sh);

    dlg.show();
    EXPECT_EQ(ItemIndex("bgrp"), 1);
    EXPECT_EQ(Fedit()->text(), "440");
    EXPECT_TRUE(Harmonic(17)->isChecked());
}

TEST_F(OptionsDlgTest, EnterMeansOkAndEscapeMeansCancel) {
    Set([&](AppSettings& s) { s.freq = 1000.0f; });
    dlg.show();
    TypeFrequency("50");
    QTest::keyClick(Fedit(), Qt::Key_Escape);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(settings.Values().freq, 1000.0f);

    dlg.show();
    TypeFrequency("50");
    QTest::keyClick(Fedit(), Qt::Key_Return);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(settings.Values().freq, 50.0f);
}

TEST_F(OptionsDlgTest, FlagsOfHarmonicsWithoutACheckBoxSurvive) {
    Set([](AppSettings& s) {
        for (int n : {33, 40, 128}) s.sh[n] = true;
    });
    Set([&](AppSettings& s) { s.sh[5] = true; });
    dlg.show();
    Harmonic(5)->setChecked(false);
    Button("OKBtn")->click();
    EXPECT_FALSE(settings.Values().sh[5]);
    for (int n = 33; n < HarmonicCount; ++n)
        EXPECT_EQ(settings.Values().sh[n], n == 33 || n == 40 || n == 128) << n;
}

TEST_F(OptionsDlgTest, TheLastPageShownStaysSelected) {
    dlg.show();
    EXPECT_EQ(Notebook()->currentIndex(), 0);
    EXPECT_TRUE(Harmonic(0)->isVisible());

    QTest::mouseClick(TabSet(), Qt::LeftButton, {}, TabSet()->tabRect(3).center());
    EXPECT_EQ(Notebook()->currentIndex(), 3);
    EXPECT_TRUE(Fedit()->isVisible());
    EXPECT_FALSE(Harmonic(0)->isVisible());
    dlg.reject();

    dlg.show();
    EXPECT_EQ(TabSet()->currentIndex(), 3);
    EXPECT_TRUE(Fedit()->isVisible());
    Button("OKBtn")->click();

    dlg.show();
    EXPECT_EQ(Notebook()->currentIndex(), 3);
}

TEST_F(OptionsDlgTest, HelpOpensTheTheoryPage) {
    dlg.show();
    QTest::mouseClick(Button("HelpBtn"), Qt::LeftButton);
    QTextBrowser* window = help.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->source().toString().endsWith("theorie.html"));
    // The page explains the settings that this dialog edits, and its umlauts survive.
    const QString text = window->toPlainText();
    for (const char* word :
         {"Klirrfaktor", "Effektivwert", "Samplefrequenz", "Hintergrund", "auf weißem"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
    EXPECT_TRUE(dlg.isVisible()); // help does not close the dialog
}

TEST(HelpPages, EveryLinkLeadsToABundledPage) {
    const QRegularExpression href(QStringLiteral("href=\"([^\"#]*)(#[^\"]*)?\""));
    int pages = 0;
    QDirIterator it(QStringLiteral(":/help"), {QStringLiteral("*.html")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        ++pages;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_GT(html.count(QLatin1Char('\n')), 30) << path.toStdString();
        for (auto m = href.globalMatch(html); m.hasNext();) {
            const QString target = m.next().captured(1);
            if (target.isEmpty()) continue; // a link within the page
            EXPECT_TRUE(QFileInfo::exists(QFileInfo(path).path() + QLatin1Char('/') + target))
                << path.toStdString() << " -> " << target.toStdString();
        }
    }
    EXPECT_EQ(pages, 12); // six in German, six in English
}

} // namespace
