// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProjectFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ExamplesFolder() {
    const QString examples = QStringLiteral("wellenwerk/examples");
    const QString beside = QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(QStringLiteral("../share/") + examples);
    if (QFileInfo(beside).isDir()) return QDir::cleanPath(beside);
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, examples,
                                  QStandardPaths::LocateDirectory);
}

QString ProjectDialogFolder(const QString& projectFile, const QString& lastFolder) {
    if (!projectFile.isEmpty()) return QFileInfo(projectFile).absolutePath();
    if (!lastFolder.isEmpty()) return lastFolder;
    const QString examples = ExamplesFolder();
    return examples.isEmpty() ? QDir::homePath() : examples;
}
