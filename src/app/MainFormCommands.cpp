// Wiring of the main window's buttons and menu items, and its dialogs.
#include "app/InfoDlg.h"
#include "app/MainForm.h"

#include <QAction>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>

void TMainForm::CreateDialogs() {
    InfoDlg = new TInfoDlg(this);
}

void TMainForm::ConnectCommands() {
    auto on = [this](auto* sender, auto signal, void (TMainForm::*handler)()) {
        connect(sender, signal, this, handler);
    };
    connect(ExitItem, &QAction::triggered, this, &QWidget::close);
    on(InfoItem, &QAction::triggered, &TMainForm::InfoItemClick);
    on(Inhalt1, &QAction::triggered, &TMainForm::Inhalt1Click);
    on(TheoryItem, &QAction::triggered, &TMainForm::TheoryItemClick);
    on(ContentsItem, &QAction::triggered, &TMainForm::ContentsItemClick);
}

bool TMainForm::QueryProjectSaved() {
    return true;
}
