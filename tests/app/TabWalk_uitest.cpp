// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window by keyboard alone: Tab reaches each of its controls, and each tells a screen
// reader its name and what it does.
#include "app/InfoDlg.h"
#include "app/NewSignalDlg.h"
#include "app/OptionsDlg.h"
#include "editors/SignalAnalyDlg.h"
#include "editors/SignalOptionsDlg.h"
#include "formula/FormulaDlg.h"
#include "sound/SavewavDlg.h"
#include "support/MainFormFixture.h"
#include "ui/HelpSystem.h"

#include <QAccessible>
#include <QApplication>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <set>

namespace {

// The controls Tab should reach: those that take the focus by Tab, as shown now. Of the
// radio buttons of a group Tab reaches the checked one; the arrows choose among them.
std::set<QWidget*> Controls(QWidget& window) {
    std::set<QWidget*> controls;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (w->isVisibleTo(&window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy() &&
            !(qobject_cast<QRadioButton*>(w) && !w->property("checked").toBool()))
            controls.insert(w);
    return controls;
}

QString Said(QWidget* w, QAccessible::Text what) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(what) : QString();
}

// Presses Tab again and again until the focus comes round, and returns the widgets that had
// it with their ancestors (a table hands the focus to its cell editors). Each must say its
// name and what it does; Qt's tab bar reads only its tabs, so there the widget's own
// description counts.
std::set<QWidget*> TabRound(QWidget& window, const char* what) {
    std::set<QWidget*> reached;
    if (!QApplication::focusWidget()) QTest::keyClick(&window, Qt::Key_Tab);
    QWidget* const first = QApplication::focusWidget();
    QWidget* w = first;
    for (int presses = 0; w && presses < 1000; ++presses) {
        const std::string name = w->objectName().toStdString() + " " + w->metaObject()->className();
        EXPECT_FALSE(Said(w, QAccessible::Name).isEmpty()) << what << ": no name for " << name;
        EXPECT_FALSE(Said(w, QAccessible::Description).isEmpty() &&
                     w->accessibleDescription().isEmpty())
            << what << ": no description for " << name;
        for (QWidget* a = w; a && a != &window; a = a->parentWidget()) reached.insert(a);
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
        if (w == first) break;
    }
    EXPECT_EQ(w, first) << what << ": Tab comes round";
    return reached;
}

} // namespace

TEST_F(MainFormTest, TabReachesEveryControlOfEveryWindowAndEachIsNamed) {
    Create();
    tSignal s;
    AddSignal("S1", s);
    HelpSystem help;
    auto check = [this](QWidget& window, const char* what) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << what;
        QApplication::setActiveWindow(&window);
        const std::set<QWidget*> reached = TabRound(window, what);
        for (QWidget* w : Controls(window))
            EXPECT_TRUE(reached.count(w))
                << what << ": Tab misses " << w->objectName().toStdString();
        if (&window != form.get()) window.hide();
    };
    check(*form, "main window");
    auto names = [](QWidget*, const QString&) { return true; };
    TNewSignalDlg newSignal(form.get(), names);
    check(newSignal, "new signal");
    TNewSignalNameDlg pasteName(form.get(), names);
    check(pasteName, "paste name");
    InfoDlg info(form.get());
    check(info, "info");
    TSignalOptionsDlg table(form.get(), settings(), help);
    check(table, "harmonics table");
    TSignalAnalyDlg waveform(form.get(), help);
    check(waveform, "waveform");
    TSignalFormulaDlg formula(form.get(), help);
    check(formula, "formula");
    TSavewavDlg savewav(form.get(), form->settings());
    check(savewav, "save sound");
    Toptionsdlg options(form.get(), form->settings(), help);
    for (int page = 0; page < 5; ++page) {
        options.findChild<QTabBar*>("TabSet")->setCurrentIndex(page);
        check(options, "settings");
    }
}
