// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The example projects installed with the program (<prefix>/share/wellenwerk/examples),
// looked for beside the program and then in the system's data folders; empty when there
// are none.
QString ExamplesFolder();

// Where the project file dialogs open: the folder of the current project file, else the
// folder last used in this run, else the examples, else the home folder.
QString ProjectDialogFolder(const QString& projectFile, const QString& lastFolder);
