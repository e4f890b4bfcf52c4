// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QString>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QRect;
class QToolButton;
class QWidget;
enum class ToolIcon;

// The main window's kinds of controls, each made at fixed bounds in its parent with an
// object name by which tests find it.

// A flat tool button with an optional hint and icon. Tab reaches it, a click does not take
// the focus from where the user works.
QToolButton* MakeToolButton(QWidget* parent, const char* name, const QRect& bounds,
                            const QString& hint = {}, const QIcon& icon = {});

// The same with one of the program's own icons, painted again whenever the view scale changes.
QToolButton* MakeToolButton(QWidget* parent, const char* name, const QRect& bounds,
                            const QString& hint, ToolIcon icon);

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QRect& bounds, const QString& title);

// A raised panel with a caption on the left, `captionWidth` wide.
QFrame* MakePanel(QWidget* parent, const char* name, const QRect& bounds, const QString& caption,
                  int captionWidth);

// A menu and a menu item named `name`, with a German text marked for translation that follows
// the language. The item is added to the end of `menu`.
QMenu* MakeMenu(QWidget* parent, const char* name, const char* title);
QAction* AddMenuItem(QMenu* menu, const char* name, const char* text);
