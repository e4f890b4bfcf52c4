#pragma once

#include "app/MainForm.h"
#include "support/FakePrompts.h"
#include "support/UiTestSupport.h"

#include <QSettings>
#include <gtest/gtest.h>
#include <memory>

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
        form->FirstActivation = false; // tests show the info dialog only where they ask for it
        return *form;
    }
    // Ends the program's run: the destructor writes the settings back.
    void Destroy() { form.reset(); }

    // Adds a signal directly to the project and selects it.
    int AddSignal(const std::string& name, const tSignal& s) {
        const int i = form->Signals.Append(name, s);
        form->SetListItems(i);
        form->FormPaint();
        return i;
    }

    FakePrompts prompts;
    Watchdog watchdog;
    std::unique_ptr<TMainForm> form;
};
