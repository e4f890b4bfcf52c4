// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/FixedDialog.h"

#include <string>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListView;
class QModelIndex;
class QTreeView;
class Settings;

// Chooses the folder and the name of a sound file: volumes, a directory tree, the folder's
// WAV files and a field for the name; it can also create a subfolder. The folder confirmed
// last is kept in the setting `path`, and every showing opens there again.
class TSavewavDlg : public FixedDialog {
    Q_OBJECT
public:
    TSavewavDlg(QWidget* mainWindow, Settings& settings);

    // The folder the directory tree has open, with '/' as separator.
    QString CurrentFolder() const { return folder_; }
    // The path to write after OK: the current folder and the name in `FileEdit`, encoded for
    // the file system. Throws std::runtime_error with the German reason when the field does
    // not hold a plain file name (empty, a wildcard, a path).
    std::string ChosenFile() const;
    // Opens `folder` in the browsers; nothing happens when it is not a folder.
    void MoveTo(const QString& folder);

protected:
    void FormActivate() override;
    bool OKBtnClick() override;

private:
    void CreateBrowsers(QWidget* group);
    void FillDriveComboBox();
    void DirectoryListBoxChange();
    void DriveComboBoxChange(int item);
    void FileListBoxClick(const QModelIndex& index);
    void FileListBoxDblClick(const QModelIndex& index);
    void newpathbtnClick();

    Settings& settings_;
    QLineEdit* fileEdit_ = nullptr;
    QListView* fileListBox_ = nullptr;
    QTreeView* directoryListBox_ = nullptr;
    QComboBox* driveComboBox_ = nullptr;
    QLineEdit* pathEdit_ = nullptr;
    QFileSystemModel* folders_ = nullptr;
    QFileSystemModel* files_ = nullptr;
    QString folder_;
    bool followCurrent_ = false;
};
