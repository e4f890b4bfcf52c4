// The main window as a frame: settings read at start and written at the end, the window
// placement, the controls at their bounds, the menu, closing, info and help.
#include "app/HelpSystem.h"
#include "app/InfoDlg.h"
#include "app/SettingsStore.h"
#include "support/MainFormFixture.h"

#include "display/PaintBox.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
    EXPECT_EQ(f.Settings.dxr, 1);
    EXPECT_EQ(f.Settings.dyr, 2);
    EXPECT_EQ(f.Settings.mode, 1);
    EXPECT_EQ(f.Settings.freq, 1000.0f);
    EXPECT_EQ(f.Settings.banz, 0);
    EXPECT_EQ(f.Settings.sanz, 0);
    EXPECT_EQ(f.Settings.lanz, 0);
    EXPECT_EQ(f.Settings.sfreq, 0);
    for (bool flag : f.Settings.sh) EXPECT_FALSE(flag);
    EXPECT_EQ(f.Settings.path, f.ProgramDir.toStdString());
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint centre = f.frameGeometry().center();
    EXPECT_LE(std::abs(centre.x() - desktop.center().x()), 1);
    EXPECT_LE(std::abs(centre.y() - desktop.center().y()), 1);
    EXPECT_EQ(f.windowTitle(), "Wellenwerk V2.5");
    EXPECT_FALSE(f.ProjectModified);
    EXPECT_EQ(f.SpectrumScroll, 0);
    EXPECT_EQ(f.hBar->minimum(), 0);
    EXPECT_EQ(f.hBar->maximum(), 6);
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
        EXPECT_EQ(Create().Settings.freq, c.fo) << c.stored;
        Destroy();
    }
}

TEST_F(FrameTest, SettingsSurviveARestart) {
    TMainForm& first = Create();
    first.Settings.dxr = 3;
    first.Settings.dyr = 5;
    first.Settings.mode = 0;
    first.Settings.sanz = 1;
    first.Settings.lanz = 1;
    first.Settings.banz = 2;
    first.Settings.sfreq = 1;
    first.Settings.freq = 440.5f;
    first.Settings.path = "/tmp/klänge";
    first.Settings.sh[0] = true;
    first.Settings.sh[40] = true;
    first.Settings.sh[128] = true;
    const QPoint pos = first.pos();
    Destroy();
    EXPECT_EQ(GetSetting("sh40"), "1");
    EXPECT_EQ(GetSetting("sh41"), "0");
    EXPECT_TRUE(GetSetting("MainForm").startsWith("200,"));

    TMainForm& second = Create();
    EXPECT_EQ(second.Settings.dxr, 3);
    EXPECT_EQ(second.Settings.dyr, 5);
    EXPECT_EQ(second.Settings.mode, 0);
    EXPECT_EQ(second.Settings.sanz, 1);
    EXPECT_EQ(second.Settings.lanz, 1);
    EXPECT_EQ(second.Settings.banz, 2);
    EXPECT_EQ(second.Settings.sfreq, 1);
    EXPECT_EQ(second.Settings.freq, 440.5f);
    EXPECT_EQ(second.Settings.path, "/tmp/klänge");
    EXPECT_TRUE(second.Settings.sh[0] && second.Settings.sh[40] && second.Settings.sh[128]);
    EXPECT_FALSE(second.Settings.sh[1]);
    EXPECT_EQ(second.pos(), pos);
    // The zoom buttons follow the restored levels.
    EXPECT_FALSE(second.MinusBtn->isEnabled());
    EXPECT_TRUE(second.PlusBtn->isEnabled());
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

TEST_F(FrameTest, ControlsStandAtTheirBounds) {
    TMainForm& f = Create();
    struct Case {
        QWidget* w;
        QRect bounds;
        const char* hint;
    };
    const Case cases[] = {
        {f.GroupBox2, {4, 0, 233, 221}, ""},
        {f.NewProjectBtn, {240, 6, 25, 25}, "Neues Projekt anlegen"},
        {f.OpenProjectBtn, {240, 30, 25, 25}, "Projekt laden"},
        {f.SaveProjectBtn, {241, 54, 25, 25}, "Projekt speichern"},
        {f.NewSignalBtn, {240, 88, 25, 25}, "Neues Signal erzeugen"},
        {f.DeleteSignalBtn, {240, 112, 25, 25}, "Signal entfernen"},
        {f.SignalOptionsBtn, {240, 136, 25, 25}, "Signal bearbeiten"},
        {f.CopySignalBtn, {240, 160, 25, 25}, "Signal kopieren"},
        {f.PasteSignalBtn, {240, 184, 25, 25}, "Signal einfügen"},
        {f.specgroup0, {272, 0, 329, 109}, ""},
        {f.specgroup1, {272, 112, 329, 109}, ""},
        {f.Panel1, {448, 105, 153, 18}, ""},
        {f.Effektivwertpanel, {272, 221, 117, 18}, ""},
        {f.Klirrfaktorpanel, {392, 221, 117, 18}, ""},
        {f.hBar, {511, 222, 86, 16}, ""},
        {f.GroupBox1, {4, 224, 597, 205}, ""},
        {f.SpecModeBtn, {604, 6, 25, 26}, "Spektrenanzeige umschalten"},
        {f.Plus3Btn, {604, 36, 25, 25}, ""},
        {f.Plus2Btn, {604, 60, 25, 25}, ""},
        {f.Plus1Btn, {604, 84, 25, 25}, ""},
        {f.ZeroBtn, {604, 114, 25, 25}, ""},
        {f.Minus1Btn, {604, 144, 25, 25}, ""},
        {f.Minus2Btn, {604, 168, 25, 25}, ""},
        {f.Minus3Btn, {604, 192, 25, 25}, ""},
        {f.SoundBtn, {604, 240, 25, 25}, "Tonwiedergabe"},
        {f.OptionsBtn, {604, 272, 25, 25}, "Einstellungen"},
        {f.PlusBtn, {604, 328, 25, 25}, "Winkel/Zeitachse dehnen"},
        {f.MinusBtn, {604, 352, 25, 25}, "Winkel/Zeitachse stauchen"},
        {f.RangeUpBtn, {604, 380, 25, 25}, "Amplitudenachse dehnen"},
        {f.RangeDownBtn, {604, 404, 25, 25}, "Amplitudenachse stauchen"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.w->geometry(), c.bounds) << c.w->objectName().toStdString();
        EXPECT_EQ(c.w->parentWidget(), f.centralWidget()) << c.w->objectName().toStdString();
        EXPECT_EQ(c.w->toolTip(), QString::fromUtf8(c.hint)) << c.w->objectName().toStdString();
    }
    EXPECT_EQ(f.centralWidget()->size(), QSize(633, 493));
    EXPECT_EQ(f.specbox0->size(), QSize(317, 91));
    EXPECT_EQ(f.specbox1->size(), QSize(317, 91));
    EXPECT_EQ(f.diagbox->size(), QSize(589, 187));
    EXPECT_EQ(f.GroupBox2->title(), "Signale");
    EXPECT_EQ(f.GroupBox1->title(), "Liniendiagramm");
    EXPECT_EQ(f.minimumSize(), f.maximumSize()) << "the window must not be resizable";
    // The glyphs of the fixed step buttons are set at start.
    for (QToolButton* b : {f.Plus1Btn, f.ZeroBtn, f.Minus1Btn}) EXPECT_FALSE(b->icon().isNull());
    EXPECT_EQ(f.ListIcons.size(), QSize(45, 30));
    EXPECT_EQ(f.StepGlyphs.size(), QSize(68, 119));
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
    EXPECT_EQ(texts(top[0]->menu()),
              QStringList({"&Neu", "&Laden", "&Speichern", "Speichern &als ...", "-", "&Beenden"}));
    EXPECT_EQ(texts(top[1]->menu()),
              QStringList({"&Neu", "&Löschen", "&Kopieren", "&Einfügen", "&Bearbeiten", "-",
                           "Kon&vertieren", "E&xportieren", "Sound speichern"}));
    EXPECT_EQ(texts(f.ExportMenu), QStringList({"Spektren", "Liniendiagramm", "Tabelle"}));
    EXPECT_EQ(texts(f.ExportMenu->actions()[0]->menu()),
              QStringList({"32 Harmonische", "64 Harmonische", "128 Harmonische"}));
    EXPECT_EQ(top[2], f.OptionsItem);
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
    f.Inhalt1Click();
    ASSERT_TRUE(f.Help().Window() && f.Help().Window()->isVisible());
    prompts.ExpectConfirm(true);
    prompts.ExpectDialog("InfoDlg", [](QDialog&) { return QDialog::Accepted; });
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(f.isVisible());
    QApplication::processEvents();
    EXPECT_TRUE(!f.Help().Window() || !f.Help().Window()->isVisible());
}

TEST_F(FrameTest, InfoDialogAtFirstActivationOnly) {
    TMainForm& f = Create();
    f.FirstActivation = true;
    prompts.ExpectDialog("InfoDlg", [](QDialog& d) {
        EXPECT_NE(d.findChild<QWidget*>("ProgramName"), nullptr);
        return QDialog::Accepted;
    });
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&f, &activate);
    QApplication::processEvents();
    EXPECT_FALSE(f.FirstActivation);
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
    TMainForm& f = Create();
    struct Case {
        QAction* item;
        const char* page;
    };
    for (const Case c : {Case{f.Inhalt1, "inhalt.html"}, Case{f.TheoryItem, "theorie.html"},
                         Case{f.ContentsItem, "allgemeines.html"}}) {
        c.item->trigger();
        ASSERT_NE(f.Help().Window(), nullptr);
        EXPECT_TRUE(f.Help().Window()->source().toString().endsWith(c.page));
        EXPECT_FALSE(f.Help().Window()->toPlainText().isEmpty());
    }
    for (const char* keyword : {"Spectrum", "Signalform", "Formula"})
        EXPECT_FALSE(HelpSystem::PageForKeyword(keyword).isEmpty()) << keyword;
    EXPECT_EQ(HelpSystem::PageForContext(3), HelpSystem::PageForContext(3));
    EXPECT_NE(HelpSystem::PageForContext(1), HelpSystem::PageForContext(2));
}

} // namespace
