// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/MainForm.h"
#include "support/FakePrompts.h"
#include "support/MainFormAccess.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QSettings>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// A fresh main window over an empty settings store, with fake prompts. Tests may write
// settings before calling Create().
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override { ClearStore(); }
    void TearDown() override {
        form.reset();
        EXPECT_TRUE(prompts.AllAnswered()) << "a question the test expected was never asked";
    }

    static void ClearStore() {
        QSettings store(QStringLiteral("Dorwinkel"), QStringLiteral("Wellenwerk"));
        store.clear();
        store.sync();
    }
    static void PutSetting(const QString& key, const QString& value) {
        QSettings store(QStringLiteral("Dorwinkel"), QStringLiteral("Wellenwerk"));
        store.setValue(QStringLiteral("V2/common/") + key, value);
        store.sync();
    }
    static QString GetSetting(const QString& key) {
        QSettings store(QStringLiteral("Dorwinkel"), QStringLiteral("Wellenwerk"));
        return store.value(QStringLiteral("V2/common/") + key).toString();
    }

    TMainForm& Create() {
        form = std::make_unique<TMainForm>();
        // Tests show the info dialog only where they ask for it.
        MainFormAccess(*form).FirstActivation() = false;
        return *form;
    }
    // Ends the program's run: the destructor writes the settings back.
    void Destroy() { form.reset(); }

    MainFormAccess A() { return MainFormAccess(*form); }
    Project& project() { return form->project(); }
    const AppSettings& settings() { return form->settings().Values(); }
    // Changes settings all at once, as they come from the store at start; the window
    // refreshes on its own.
    void ChangeSettings(const std::function<void(AppSettings&)>& change) {
        AppSettings values = settings();
        change(values);
        form->settings().Replace(values);
    }
    template <typename T = QWidget> T* W(const char* name) { return Child<T>(*form, name); }
    QToolButton* Btn(const char* name) { return W<QToolButton>(name); }
    QAction* Item(const char* name) { return W<QAction>(name); }

    // Adds a signal to the project and selects it, as loading or pasting would.
    int AddSignal(const std::string& name, const tSignal& s) {
        const int i = project().Append(name, s);
        A().Select(i);
        return i;
    }

    FakePrompts prompts;
    Watchdog watchdog;
    std::unique_ptr<TMainForm> form;
};
