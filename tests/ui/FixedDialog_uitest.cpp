// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The dialog base: placed over the main window before it appears, so that the window system
// frames it there on the first showing as on every later one.
#include "support/UiTestSupport.h"
#include "ui/DialogPlacement.h"
#include "ui/FixedDialog.h"

#include <QEvent>
#include <gtest/gtest.h>

namespace {

// Remembers where the dialog stood when it was about to appear.
class ShowWatcher : public QObject {
public:
    QPoint atShow{-1, -1};
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) atShow = static_cast<QWidget*>(watched)->pos();
        return false;
    }
};

TEST(FixedDialog, IsPlacedBeforeItAppearsEveryTime) {
    Watchdog watchdog;
    QWidget main;
    main.setGeometry(120, 90, 633, 493);
    main.show();
    FixedDialog dialog(&main, "Probe", "Probe", {290, 188});
    ShowWatcher watcher;
    dialog.installEventFilter(&watcher);
    for (int showing = 0; showing < 2; ++showing) {
        dialog.show();
        EXPECT_EQ(watcher.atShow, CentredDialogPosition(main.frameGeometry(), {290, 188}))
            << "showing " << showing;
        dialog.hide();
        main.move(main.pos() + QPoint(33, 17));
    }
    // Before the window system has framed it, the dialog counts on the main window's frame.
    EXPECT_EQ(dialog.FrameSize() - dialog.size(), main.frameGeometry().size() - main.size());
}

TEST(DialogPlacement, CentresTheClientAreaOverTheMainFrame) {
    const struct {
        QRect main;
        QPoint position;
    } cases[] = {
        {{10, 20, 641, 501}, {182, 180}},
        {{0, 0, 298, 182}, {0, 0}},     // halves of 1 are truncated
        {{0, 0, 100, 100}, {-98, -40}}, // towards zero, also below zero
        {{-50, 40, 633, 493}, {118, 196}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CentredDialogPosition(c.main, {297, 181}), c.position) << c.main.x();
}

} // namespace
