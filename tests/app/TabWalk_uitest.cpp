// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window by keyboard: Tab reaches each control, each tells its name and what it does.
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

// Presses Tab until the focus comes round; returns the widgets that had it, with their
// ancestors (a table hands the focus to its cell editors). Each must say its name and what
// it does (Qt's tab bar reads only its tabs: there the widget's own description counts).
std::set<QWidget*> TabRound(QWidget& window, const char* what) {
    std::set<QWidget*> reached;
    if (!QApplication::focusWidget()) QTest::keyClick(&window, Qt::Key_Tab);
    QWidget *const first = QApplication::focusWidget(), *w = first;
    for (int presses = 0; w && (presses == 0 || w != first) && presses < 1000; ++presses) {
        const QAccessibleInterface* said = QAccessible::queryAccessibleInterface(w);
        const std::string id = what + (": " + w->objectName().toStdString());
        EXPECT_FALSE(said->text(QAccessible::Name).isEmpty()) << id << " has no name";
        EXPECT_FALSE(said->text(QAccessible::Description).isEmpty() &&
                     w->accessibleDescription().isEmpty())
            << id << " has no description";
        for (QWidget* a = w; a != &window; a = a->parentWidget()) reached.insert(a);
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
    }
    EXPECT_EQ(w, first) << what << ": Tab comes round";
    return reached;
}

} // namespace

TEST_F(MainFormTest, TabReachesEveryControlOfEveryWindowAndEachIsNamed) {
    Create();
    AddSignal("S1", tSignal()); // a spectral-line signal: every control enabled
    HelpSystem help;
    QWidget* const f = form.get();
    auto check = [this](QWidget& window, const char* what) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << what;
        QApplication::setActiveWindow(&window);
        const std::set<QWidget*> reached = TabRound(window, what);
        // Every control that takes the focus by Tab; of a group's radio buttons the checked one.
        for (QWidget* w : window.findChildren<QWidget*>()) {
            const bool control =
                w->isVisibleTo(&window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
                !w->focusProxy() &&
                !(qobject_cast<QRadioButton*>(w) && !w->property("checked").toBool());
            EXPECT_TRUE(!control || reached.count(w))
                << what << ": Tab misses " << w->objectName().toStdString();
        }
        if (&window != form.get()) window.hide();
    };
    check(*form, "main window");
    auto names = [](QWidget*, const QString&) { return true; };
    check(*std::make_unique<TNewSignalDlg>(f, names), "new signal");
    check(*std::make_unique<TNewSignalNameDlg>(f, names), "paste name");
    check(*std::make_unique<InfoDlg>(f), "info");
    check(*std::make_unique<TSignalOptionsDlg>(f, settings(), help), "harmonics table");
    check(*std::make_unique<TSignalAnalyDlg>(f, help), "waveform");
    check(*std::make_unique<TSignalFormulaDlg>(f, help), "formula");
    check(*std::make_unique<TSavewavDlg>(f, form->settings()), "save sound");
    Toptionsdlg options(form.get(), form->settings(), help);
    for (int page = 0; page < 5; ++page) {
        options.findChild<QTabBar*>("TabSet")->setCurrentIndex(page);
        check(options, "settings");
    }
}
