// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// In English no window keeps a German text: whether it was open when the language changed or
// opened afterwards, every caption, item, tip and accessible text it shows is translated.
#include "app/InfoDlg.h"
#include "app/NewSignalDlg.h"
#include "app/OptionsDlg.h"
#include "editors/SignalAnalyDlg.h"
#include "editors/SignalOptionsDlg.h"
#include "formula/FormulaDlg.h"
#include "sound/SavewavDlg.h"
#include "support/MainFormFixture.h"
#include "ui/HelpSystem.h"
#include "ui/Translatable.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabBar>
#include <functional>

namespace {

// The texts a window shows or tells a screen reader.
QStringList TextsOf(QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
        if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i) texts << t->tabText(i);
    }
    for (QAction* a : window.findChildren<QAction*>()) texts << a->text() << a->toolTip();
    texts.removeAll(QString());
    return texts;
}

// A text still German is one the translation would change, or one with a German letter (a
// text never marked for translation).
void ExpectEnglish(QWidget& window, const QString& title) {
    static const QRegularExpression germanLetter(QStringLiteral("[äöüÄÖÜß]"));
    EXPECT_EQ(window.windowTitle(), title);
    for (const QString& text : TextsOf(window)) {
        const QByteArray source = text.toUtf8();
        EXPECT_FALSE(text.contains(germanLetter))
            << title.toStdString() << ": " << source.constData();
        EXPECT_EQ(Translated(source.constData()), text)
            << title.toStdString() << ": " << source.constData();
    }
}

TEST_F(MainFormTest, NoWindowKeepsAGermanTextInEnglish) {
    Create();
    AddSignal("S1", tSignal());
    HelpSystem help;
    QWidget* const f = form.get();
    auto names = [](QWidget*, const QString&) { return true; };
    using Make = std::function<std::unique_ptr<QWidget>()>;
    const std::pair<Make, QString> windows[] = {
        {[&] { return std::make_unique<TNewSignalDlg>(f, names); }, "New signal"},
        {[&] { return std::make_unique<TNewSignalNameDlg>(f, names); }, "Paste signal"},
        {[&] { return std::make_unique<InfoDlg>(f); }, "Info"},
        {[&] { return std::make_unique<TSignalOptionsDlg>(f, settings(), help); },
         "Signal properties"},
        {[&] { return std::make_unique<TSignalAnalyDlg>(f, help); }, "Signal properties"},
        {[&] { return std::make_unique<TSignalFormulaDlg>(f, help); }, "Signal properties"},
        {[&] { return std::make_unique<TSavewavDlg>(f, form->settings()); }, "Save sound as ..."},
        {[&] { return std::make_unique<Toptionsdlg>(f, form->settings(), help); }, "Settings"},
    };
    std::vector<std::unique_ptr<QWidget>> openBefore;
    for (const auto& [make, title] : windows) openBefore.push_back(make());
    ChangeSettings([](AppSettings& s) { s.sprache = English; });
    QCoreApplication::sendPostedEvents();
    ExpectEnglish(*form, form->windowTitle());
    for (std::size_t i = 0; i < openBefore.size(); ++i) {
        ExpectEnglish(*openBefore[i], windows[i].second);
        ExpectEnglish(*windows[i].first(), windows[i].second);
    }
    ChangeSettings([](AppSettings& s) { s.sprache = German; });
}

} // namespace
