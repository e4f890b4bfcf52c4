// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QObject;
class QToolButton;
class QWidget;

// The main window's commands. A menu item and a tool button of the same command share its
// handler and its enabled state.
enum class Command {
    NewProject,
    LoadProject,
    SaveProject,
    SaveProjectAs,
    Exit,
    Undo, // take back the last change of the project (Ctrl+Z)
    Redo, // do again what was taken back (Ctrl+Shift+Z, Ctrl+Y)
    NewSignal,
    DeleteSignal,
    CopySignal,
    PasteSignal,
    EditSignal,
    Convert,
    Export, // the submenu "E&xportieren"
    ExportSpectra32,
    ExportSpectra64,
    ExportSpectra128,
    ExportDiagram,
    ExportTable,
    SaveSound,
    Sound, // the button held for the tone; it has no menu item
    Options,
    Contents,
    Theory,
    General,
    Info,
};
inline constexpr int CommandCount = static_cast<int>(Command::Info) + 1;

// Builds the menu bar and the tool buttons of the commands, each at its fixed place in the
// window's client area, and wires them.
class MainCommands {
public:
    MainCommands(QMainWindow& window, QWidget* client);

    QAction* Action(Command command) const;
    // Nullptr for a command without a button.
    QToolButton* Button(Command command) const;

    void SetEnabled(Command command, bool enabled);
    // Runs `handler` guarded when the command's menu item or button is triggered.
    void Connect(Command command, QObject* context, std::function<void()> handler);

private:
    std::array<QAction*, CommandCount> actions_{};
    std::array<QToolButton*, CommandCount> buttons_{};
};
