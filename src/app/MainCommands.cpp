// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainCommands.h"

#include "ui/CommandGuard.h"
#include "ui/ToolIcons.h"
#include "ui/Translatable.h"
#include "ui/WindowControls.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

struct ButtonPlace {
    Command command;
    const char* name;
    QRect bounds;
    const char* hint;
    ToolIcon icon;
};

// The tool buttons of the commands, in the window's client coordinates.
const ButtonPlace CommandButtons[] = {
    {Command::NewProject,
     "NewProjectBtn",
     {240, 6, 25, 25},
     QT_TRANSLATE_NOOP("Wellenwerk", "Neues Projekt anlegen"),
     ToolIcon::NewProject},
    {Command::LoadProject,
     "OpenProjectBtn",
     {240, 30, 25, 25},
     QT_TRANSLATE_NOOP("Wellenwerk", "Projekt laden"),
     ToolIcon::OpenProject},
    {Command::SaveProject,
     "SaveProjectBtn",
     {241, 54, 25, 25},
     QT_TRANSLATE_NOOP("Wellenwerk", "Projekt speichern"),
     ToolIcon::SaveProject},
    {Command::NewSignal,
     "NewSignalBtn",
     {240, 88, 25, 25},
     QT_TRANSLATE_NOOP("Wellenwerk", "Neues Signal erzeugen"),
     ToolIcon::NewSignal},
    {Command::DeleteSignal,
     "DeleteSignalBtn",
     {240, 112, 25, 25},
     QT_TRANSLATE_NOOP("Wellenwerk", "Signal entfernen"),
     ToolIcon::DeleteSignal},
    {Command::EditSignal,
     "SignalOptionsBtn",
     {240, 136, 25, 25},
     QT_TRANSLATE_NOOP("Wellenwerk", "Signal bearbeiten"),
     ToolIcon::EditSignal},
    {Command::CopySignal,
     "CopySignalBtn",
     {240, 160, 25, 25},
     QT_TRANSLATE_NOOP("Wellenwerk", "Signal kopieren"),
     ToolIcon::CopySignal},
    {Command::PasteSignal,
     "PasteSignalBtn",
     {240, 184, 25, 25},
     QT_TRANSLATE_NOOP("Wellenwerk", "Signal einfügen"),
     ToolIcon::PasteSignal},
    {Command::Sound,
     "SoundBtn",
     {604, 240, 25, 25},
     QT_TRANSLATE_NOOP("Wellenwerk", "Tonwiedergabe"),
     ToolIcon::Sound},
    {Command::Options,
     "OptionsBtn",
     {604, 272, 25, 25},
     QT_TRANSLATE_NOOP("Wellenwerk", "Einstellungen"),
     ToolIcon::Options},
};

} // namespace

MainCommands::MainCommands(QMainWindow& window, QWidget* client) {
    auto item = [this](QMenu* menu, Command command, const char* name, const char* text) {
        actions_[static_cast<int>(command)] = AddMenuItem(menu, name, text);
    };
    QMenuBar* bar = window.menuBar();

    QMenu* project = MakeMenu(bar, "ProjectMenu", QT_TRANSLATE_NOOP("Wellenwerk", "&Projekt"));
    bar->addMenu(project);
    item(project, Command::NewProject, "NewProjectItem", QT_TRANSLATE_NOOP("Wellenwerk", "&Neu"));
    item(project, Command::LoadProject, "OpenProjectItem",
         QT_TRANSLATE_NOOP("Wellenwerk", "&Laden"));
    item(project, Command::SaveProject, "SaveProjectItem",
         QT_TRANSLATE_NOOP("Wellenwerk", "&Speichern"));
    item(project, Command::SaveProjectAs, "SaveProjectAsItem",
         QT_TRANSLATE_NOOP("Wellenwerk", "Speichern &als ..."));
    project->addSeparator();
    item(project, Command::Exit, "ExitItem", QT_TRANSLATE_NOOP("Wellenwerk", "&Beenden"));

    QMenu* signal = MakeMenu(bar, "SignalMenu", QT_TRANSLATE_NOOP("Wellenwerk", "&Signal"));
    bar->addMenu(signal);
    item(signal, Command::Undo, "UndoItem", QT_TRANSLATE_NOOP("Wellenwerk", "&Rückgängig"));
    item(signal, Command::Redo, "RedoItem", QT_TRANSLATE_NOOP("Wellenwerk", "&Wiederholen"));
    Action(Command::Undo)->setShortcut(QKeySequence::Undo);
    Action(Command::Redo)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    signal->addSeparator();
    item(signal, Command::NewSignal, "NewSignalItem", QT_TRANSLATE_NOOP("Wellenwerk", "&Neu"));
    item(signal, Command::DeleteSignal, "DeleteSignalItem",
         QT_TRANSLATE_NOOP("Wellenwerk", "&Löschen"));
    item(signal, Command::CopySignal, "CopySignalItem",
         QT_TRANSLATE_NOOP("Wellenwerk", "&Kopieren"));
    item(signal, Command::PasteSignal, "PasteSignalItem",
         QT_TRANSLATE_NOOP("Wellenwerk", "&Einfügen"));
    item(signal, Command::EditSignal, "EditSignalItem",
         QT_TRANSLATE_NOOP("Wellenwerk", "&Bearbeiten"));
    signal->addSeparator();
    item(signal, Command::Convert, "ConvertItem", QT_TRANSLATE_NOOP("Wellenwerk", "Kon&vertieren"));
    QMenu* exports =
        MakeMenu(signal, "ExportMenu", QT_TRANSLATE_NOOP("Wellenwerk", "E&xportieren"));
    signal->addMenu(exports);
    actions_[static_cast<int>(Command::Export)] = exports->menuAction();
    exports->menuAction()->setObjectName(QStringLiteral("ExportItem"));
    QMenu* spectra =
        MakeMenu(exports, "ExportSpecMenu", QT_TRANSLATE_NOOP("Wellenwerk", "Spektren"));
    exports->addMenu(spectra);
    spectra->menuAction()->setObjectName(QStringLiteral("ExportSpecItem"));
    item(spectra, Command::ExportSpectra32, "N32Harmonische1",
         QT_TRANSLATE_NOOP("Wellenwerk", "32 Harmonische"));
    item(spectra, Command::ExportSpectra64, "N64Harmonische1",
         QT_TRANSLATE_NOOP("Wellenwerk", "64 Harmonische"));
    item(spectra, Command::ExportSpectra128, "N128Harmonische1",
         QT_TRANSLATE_NOOP("Wellenwerk", "128 Harmonische"));
    item(exports, Command::ExportDiagram, "ExportDiagItem",
         QT_TRANSLATE_NOOP("Wellenwerk", "Liniendiagramm"));
    item(exports, Command::ExportTable, "ExportTabItem",
         QT_TRANSLATE_NOOP("Wellenwerk", "Tabelle"));
    item(signal, Command::SaveSound, "SaveSoundItem",
         QT_TRANSLATE_NOOP("Wellenwerk", "Sound speichern"));

    QAction* options = bar->addAction(QString());
    SetTranslated(options, "text", QT_TRANSLATE_NOOP("Wellenwerk", "&Einstellungen"));
    options->setObjectName(QStringLiteral("OptionsItem"));
    actions_[static_cast<int>(Command::Options)] = options;

    QMenu* help = MakeMenu(bar, "HelpMenu", QT_TRANSLATE_NOOP("Wellenwerk", "&Hilfe"));
    bar->addMenu(help);
    item(help, Command::Contents, "Inhalt1", QT_TRANSLATE_NOOP("Wellenwerk", "In&halt"));
    item(help, Command::Theory, "TheoryItem", QT_TRANSLATE_NOOP("Wellenwerk", "&Theorie"));
    item(help, Command::General, "ContentsItem", QT_TRANSLATE_NOOP("Wellenwerk", "&Allgemeines"));
    help->addSeparator();
    item(help, Command::Info, "InfoItem", QT_TRANSLATE_NOOP("Wellenwerk", "&Info"));

    for (const ButtonPlace& place : CommandButtons) {
        buttons_[static_cast<int>(place.command)] = MakeToolButton(
            client, place.name, place.bounds, QString::fromUtf8(place.hint), place.icon);
    }
}

QAction* MainCommands::Action(Command command) const {
    return actions_[static_cast<int>(command)];
}

QToolButton* MainCommands::Button(Command command) const {
    return buttons_[static_cast<int>(command)];
}

void MainCommands::SetEnabled(Command command, bool enabled) {
    if (QAction* a = Action(command)) a->setEnabled(enabled);
    if (QToolButton* b = Button(command)) b->setEnabled(enabled);
}

void MainCommands::Connect(Command command, QObject* context, std::function<void()> handler) {
    const auto guarded = Guarded(std::move(handler));
    if (QAction* a = Action(command)) QObject::connect(a, &QAction::triggered, context, guarded);
    if (QToolButton* b = Button(command))
        QObject::connect(b, &QToolButton::clicked, context, guarded);
}
