// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as a frame: settings read at start and written at the end, the window
// placement, the controls at their bounds, the menu, closing, info and help.
#include "app/InfoDlg.h"
#include "app/SettingsStore.h"
#include "support/MainFormFixture.h"
#include "ui/Glyphs.h"
#include "ui/HelpSystem.h"

#include "ui/PaintBox.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>

namespace {

using FrameTest = MainFormTest;

TEST_F(FrameTest, FirstStartUsesTheDefaultsAndCentresTheWindow) {
    TMainForm& f = Create();
    EXPECT_EQ(settings().dxr, 1);
    EXPECT_EQ(settings().dyr, 2);
    EXPECT_EQ(settings().mode, 1);
    EXPECT_EQ(settings().freq, 1000.0f);
    EXPECT_EQ(settings().banz, 0);
    EXPECT_EQ(settings().sanz, 0);
    EXPECT_EQ(settings().lanz, 0);
    EXPECT_EQ(settings().sfreq, 0);
    for (bool flag : settings().sh) EXPECT_FALSE(flag);
    EXPECT_EQ(settings().path, A().ProgramDir().toStdString());
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint centre = f.frameGeometry().center();
    EXPECT_LE(std::abs(centre.x() - desktop.center().x()), 1);
    EXPECT_LE(std::abs(centre.y() - desktop.center().y()), 1);
    EXPECT_EQ(f.windowTitle(), "Wellenwerk V2.5");
    EXPECT_FALSE(project().Modified());
    EXPECT_EQ(A().Spectra().SpectrumScroll(), 0);
    EXPECT_EQ(W<QScrollBar>("hBar")->minimum(), 0);
    EXPECT_EQ(W<QScrollBar>("hBar")->maximum(), 6);
}

TEST_F(FrameTest, StoredValuesOutOfRangeAreBroughtIntoRangeAndWrittenBack) {
    struct Case {
        const char* key;
        const char* stored;
        const char* written;
    };
    const Case cases[] = {
        {"freq", "0", "0.100000001490116"},
        {"tongue", "0", "1"},
        {"dxr", "9", "3"},
        {"dyr", "-4", "0"},
        {"mode", "abc", "1"},
        {"banz", "5", "2"},
        {"sfreq", "3", "2"},
        {"sanz", "7", "1"},
        {"lanz", "", "0"},
    };
    for (const Case& c : cases)
        PutSetting(QString::fromLatin1(c.key), QString::fromLatin1(c.stored));
    Create();
    Destroy();
    for (const Case& c : cases)
        EXPECT_EQ(GetSetting(QString::fromLatin1(c.key)), c.written) << c.key;
}

TEST_F(FrameTest, FrequencyIsClampedWhenRead) {
    struct Case {
        const char* stored;
        float fo;
    };
    for (const Case c : {Case{"0", 0.1f}, Case{"99999", 25000.0f}, Case{"440.5", 440.5f},
                         Case{"440,5", 440.5f}, Case{"kaputt", 1000.0f}}) {
        PutSetting(QStringLiteral("freq"), QString::fromLatin1(c.stored));
        Create();
        EXPECT_EQ(settings().freq, c.fo) << c.stored;
        Destroy();
    }
}

TEST_F(FrameTest, TheFrequencyIsStoredWithTheUsersDecimalSeparator) {
    // The suite runs in the C locale; a German user's settings hold a decimal comma.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    PutSetting(QStringLiteral("freq"), QStringLiteral("440.5"));
    Create();
    EXPECT_EQ(settings().freq, 440.5f) << "a point written elsewhere still reads";
    ChangeSettings([](AppSettings& s) { s.freq = 0.1f; });
    Destroy();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(GetSetting(QStringLiteral("freq")), "0,100000001490116");
}

TEST_F(FrameTest, SettingsSurviveARestart) {
    TMainForm& first = Create();
    ChangeSettings([](AppSettings& s) {
        s.dxr = 3;
        s.dyr = 5;
        s.mode = 0;
        s.sanz = 1;
        s.lanz = 1;
        s.banz = 2;
        s.sfreq = 1;
        s.freq = 440.5f;
        s.path = "/tmp/klänge";
        s.sh[0] = s.sh[40] = s.sh[128] = true;
    });
    const QPoint pos = first.pos();
    Destroy();
    EXPECT_EQ(GetSetting("sh40"), "1");
    EXPECT_EQ(GetSetting("sh41"), "0");
    EXPECT_TRUE(GetSetting("MainForm").startsWith("200,"));

    TMainForm& second = Create();
    EXPECT_EQ(settings().dxr, 3);
    EXPECT_EQ(settings().dyr, 5);
    EXPECT_EQ(settings().mode, 0);
    EXPECT_EQ(settings().sanz, 1);
    EXPECT_EQ(settings().lanz, 1);
    EXPECT_EQ(settings().banz, 2);
    EXPECT_EQ(settings().sfreq, 1);
    EXPECT_EQ(settings().freq, 440.5f);
    EXPECT_EQ(settings().path, "/tmp/klänge");
    EXPECT_TRUE(settings().sh[0] && settings().sh[40] && settings().sh[128]);
    EXPECT_FALSE(settings().sh[1]);
    EXPECT_EQ(second.pos(), pos);
    // The zoom buttons follow the restored levels.
    EXPECT_FALSE(Btn("MinusBtn")->isEnabled());
    EXPECT_TRUE(Btn("PlusBtn")->isEnabled());
}

TEST_F(FrameTest, PlacementIsAppliedAndKeptOnTheDesktop) {
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        QString stored;
        bool centred;
        QPoint expected;
    };
    const int w = 700, h = 560;
    const Case cases[] = {
        {QStringLiteral("200,0,1,30,40,%1,%2").arg(30 + w).arg(40 + h), false, {30, 40}},
        // Partly off the right and bottom edges: moved inside, size kept.
        {QStringLiteral("200,0,1,%1,%2,%3,%4")
             .arg(desktop.right() - 100)
             .arg(desktop.bottom() - 50)
             .arg(desktop.right() - 100 + w)
             .arg(desktop.bottom() - 50 + h),
         false,
         {desktop.right() + 1 - w, desktop.bottom() + 1 - h}},
        {QStringLiteral("200,0,1,-300,-20,%1,%2").arg(-300 + w).arg(-20 + h), false,
         desktop.topLeft()},
        {QStringLiteral("199,0,1,30,40,730,600"), true, {}},
        {QStringLiteral("200,0,1,30,40"), true, {}},
        {QStringLiteral("200,0,1,x,40,730,600"), true, {}},
    };
    for (const Case& c : cases) {
        ClearStore();
        PutSetting(QStringLiteral("MainForm"), c.stored);
        TMainForm& f = Create();
        if (c.centred) {
            EXPECT_LE(std::abs(f.frameGeometry().center().x() - desktop.center().x()), 1)
                << c.stored.toStdString();
        } else {
            EXPECT_EQ(f.pos(), c.expected) << c.stored.toStdString();
        }
        Destroy();
    }
}

TEST_F(FrameTest, ControlsLieInsideTheFixedClientArea) {
    TMainForm& f = Create();
    const QRect client(QPoint(0, 0), QSize(633, 493));
    EXPECT_EQ(f.centralWidget()->size(), client.size());
    EXPECT_EQ(f.minimumSize(), f.maximumSize()) << "the window must not be resizable";
    int controls = 0;
    for (QWidget* w : f.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(client.contains(w->geometry())) << w->objectName().toStdString();
        EXPECT_FALSE(w->objectName().isEmpty()) << "tests find every control by its name";
        ++controls;
    }
    EXPECT_EQ(controls, 30);
    EXPECT_EQ(W("specbox0")->size(), QSize(317, 91));
    EXPECT_EQ(W("diagbox")->size(), QSize(589, 187));
    // The glyphs of the fixed step buttons are set at start.
    for (const char* b : {"Plus1Btn", "ZeroBtn", "Minus1Btn"})
        EXPECT_FALSE(Btn(b)->icon().isNull());
    EXPECT_EQ(PaintListIcons().size(), QSize(45, 30));
    EXPECT_EQ(PaintStepGlyphs().size(), QSize(68, 119));
}

TEST_F(FrameTest, MenuHoldsEveryItem) {
    TMainForm& f = Create();
    QStringList titles;
    for (QAction* a : f.menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, QStringList({"&Projekt", "&Signal", "&Einstellungen", "&Hilfe"}));
    auto texts = [](QMenu* m) {
        QStringList out;
        for (QAction* a : m->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    };
    const QList<QAction*> top = f.menuBar()->actions();
    EXPECT_EQ(texts(top[0]->menu()), QStringList({"&Neu", "&Laden", "&Beispiele", "&Speichern",
                                                  "Speichern &als ...", "-", "&Beenden"}));
    EXPECT_EQ(texts(top[1]->menu()),
              QStringList({"&Rückgängig", "&Wiederholen", "-", "&Neu", "&Löschen", "&Kopieren",
                           "&Einfügen", "&Bearbeiten", "-", "Kon&vertieren", "E&xportieren",
                           "Sound speichern"}));
    EXPECT_EQ(texts(W<QMenu>("ExportMenu")),
              QStringList({"Spektren", "Liniendiagramm", "Tabelle", "-",
                           "Liniendiagramm in Datei speichern ...", "Spektren in Datei speichern",
                           "Tabelle in Datei speichern ..."}));
    EXPECT_EQ(texts(W<QMenu>("ExportMenu")->actions()[0]->menu()),
              QStringList({"32 Harmonische", "64 Harmonische", "128 Harmonische"}));
    EXPECT_EQ(texts(top[2]->menu()), QStringList({"&Einstellungen ...", "&Ansicht"}));
    EXPECT_EQ(texts(W<QMenu>("ViewMenu")), QStringList({"100 %", "125 %", "150 %", "200 %", "300 %",
                                                        "-", "&Größer", "&Kleiner"}));
    EXPECT_EQ(texts(top[3]->menu()),
              QStringList({"In&halt", "&Theorie", "&Allgemeines", "-", "&Info"}));
}

TEST_F(FrameTest, AnsweringNoKeepsTheProgramRunning) {
    TMainForm& f = Create();
    f.show();
    prompts.ExpectConfirm(false);
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(prompts.Texts("confirm"),
              QStringList{"Wollen Sie Wellenwerk V2.5 wirklich beenden?"});
    EXPECT_TRUE(prompts.Texts("dialog").isEmpty()) << "no info dialog when the user stays";
}

TEST_F(FrameTest, AnsweringYesShowsTheInfoAndClosesHelp) {
    TMainForm& f = Create();
    f.show();
    Item("Inhalt1")->trigger();
    ASSERT_TRUE(A().Help().Window() && A().Help().Window()->isVisible());
    prompts.ExpectConfirm(true);
    prompts.ExpectDialog("InfoDlg", [](QDialog&) { return QDialog::Accepted; });
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(f.isVisible());
    QApplication::processEvents();
    EXPECT_TRUE(!A().Help().Window() || !A().Help().Window()->isVisible());
}

TEST_F(FrameTest, InfoDialogAtFirstActivationOnly) {
    TMainForm& f = Create();
    A().FirstActivation() = true;
    prompts.ExpectDialog("InfoDlg", [](QDialog& d) {
        EXPECT_NE(Child<QWidget>(d, "ProgramName"), nullptr);
        return QDialog::Accepted;
    });
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&f, &activate);
    QApplication::processEvents();
    EXPECT_FALSE(A().FirstActivation());
    QApplication::sendEvent(&f, &activate);
    QApplication::processEvents();
    EXPECT_EQ(prompts.Texts("dialog").size(), 1);
}

TEST_F(FrameTest, InfoDialogIsCentredOverTheClientArea) {
    // Frame 700 x 560 at (100, 50) with a client area 493 high, dialog 380 x 250.
    EXPECT_EQ(InfoDialogPosition({100, 50, 700, 560}, 493, {380, 250}), QPoint(260, 239));
    // Odd differences truncate towards zero.
    EXPECT_EQ(InfoDialogPosition({0, 0, 641, 560}, 493, {380, 251}), QPoint(130, 188));
}

TEST_F(FrameTest, HelpItemsOpenTheirPages) {
    Create();
    struct Case {
        QAction* item;
        const char* page;
    };
    for (const Case c :
         {Case{Item("Inhalt1"), "inhalt.html"}, Case{Item("TheoryItem"), "theorie.html"},
          Case{Item("ContentsItem"), "allgemeines.html"}}) {
        c.item->trigger();
        ASSERT_NE(A().Help().Window(), nullptr);
        EXPECT_TRUE(A().Help().Window()->source().toString().endsWith(c.page));
        EXPECT_FALSE(A().Help().Window()->toPlainText().isEmpty());
    }
    for (const char* keyword : {"Spectrum", "Signalform", "Formula"})
        EXPECT_FALSE(HelpSystem::PageForKeyword(keyword).isEmpty()) << keyword;
    A().Help().Window()->setSource(QUrl(QStringLiteral("qrc:/help/theorie.html#einstellungen")));
    ApplyLanguage(English); // the open window keeps the reader's page and place
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(A().Help().Window()->source().toString(), "qrc:/help/en/theorie.html#einstellungen");
    ApplyLanguage(German);
    // Each context number has a page of its own; the settings dialog's help (3) is the theory.
    EXPECT_EQ(HelpSystem::PageForContext(3), "qrc:/help/theorie.html");
    EXPECT_NE(HelpSystem::PageForContext(1), HelpSystem::PageForContext(2));
    EXPECT_TRUE(HelpSystem::PageForContext(4).isEmpty());
}

} // namespace
