// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Exportieren" menu of the main window: each item puts its export on the clipboard and
// confirms it; without a selected signal the line diagram and the table do nothing.
#include "support/MainFormFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

using ExportMenuTest = MainFormTest;

TEST_F(ExportMenuTest, EachItemExportsTheSelectedSignalAndConfirms) {
    Create();
    Item("ExportDiagItem")->trigger(); // nothing selected: no picture, no message
    tSignal s;
    s.Amplitude[1] = 100;
    s.Phase[1] = -90;
    AddSignal("Grundton", s);
    QClipboard* clipboard = QGuiApplication::clipboard();

    prompts.ExpectInform();
    Item("ExportDiagItem")->trigger();
    EXPECT_TRUE(clipboard->mimeData()->hasFormat("image/svg+xml"));
    prompts.ExpectInform();
    Item("N64Harmonische1")->trigger();
    EXPECT_EQ(QImage::fromData(clipboard->mimeData()->data("image/png")).size(), QSize(1201, 801));
    prompts.ExpectInform();
    Item("ExportTabItem")->trigger();
    EXPECT_TRUE(clipboard->text().startsWith("Grundton\r\nn\tf(Hz)\t"));
    EXPECT_EQ(prompts.Texts("inform"),
              QStringList({"Liniendiagramm in die Zwischenablage exportiert!",
                           "Spektren in die Zwischenablage exportiert!",
                           "Tabelle in die Zwischenablage exportiert!"}));
}

} // namespace
