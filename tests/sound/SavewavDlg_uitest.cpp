// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The save-sound dialog on its own: where it opens, what OK, Cancel and a double click keep,
// the new-folder button and the volumes.
#include "sound/SavewavDlg.h"

#include "settings/Settings.h"
#include "support/UiTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

class SavewavDlgTest : public ::testing::Test {
protected:
    SavewavDlgTest() {
        main.setGeometry(120, 90, 633, 493);
        main.show();
    }
    // Shows the dialog with `path` stored; returns the folder it opened.
    QString ShowWith(const QString& path) {
        settings.SetSoundPath(QDir::toNativeSeparators(path).toStdString());
        dlg.hide();
        dlg.show();
        return dlg.CurrentFolder();
    }
    QLineEdit* Edit(const char* name) { return Child<QLineEdit>(dlg, name); }
    QListView* Files() { return Child<QListView>(dlg, "FileListBox"); }
    QTreeView* Folders() { return Child<QTreeView>(dlg, "DirectoryListBox"); }
    QComboBox* Drives() { return Child<QComboBox>(dlg, "DriveComboBox"); }
    void Press(const char* button) { Child<QAbstractButton>(dlg, button)->click(); }
    void Touch(const QString& name) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    Watchdog watchdog;
    QWidget main;
    Settings settings;
    TSavewavDlg dlg{&main, settings};
    QTemporaryDir dir;
};

TEST_F(SavewavDlgTest, OkKeepsTheFolderAndCancelDoesNot) {
    EXPECT_EQ(dlg.windowTitle(), "Projekt speichern als ...");
    EXPECT_EQ(dlg.size(), QSize(329, 276));
    EXPECT_EQ(ShowWith(dir.path()), dir.path());
    EXPECT_EQ(Edit("FileEdit")->text(), "*.wav");
    EXPECT_EQ(dlg.focusWidget(), Edit("FileEdit"));
    QDir(dir.path()).mkdir("sub");
    dlg.MoveTo(dir.filePath("sub"));
    Press("CancelBtn");
    EXPECT_EQ(settings.Values().path, dir.path().toStdString()) << "Cancel keeps the folder";
    EXPECT_EQ(ShowWith(dir.path()), dir.path()) << "and the next showing opens there again";
    dlg.MoveTo(dir.filePath("sub"));
    Press("OKBtn");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(settings.Values().path, dir.filePath("sub").toStdString());
}

TEST_F(SavewavDlgTest, AFolderThatIsGoneOpensTheHomeFolder) {
    for (const QString& stored : {dir.filePath("gone"), QString()})
        EXPECT_EQ(ShowWith(stored), QDir::homePath()) << stored.toStdString();
}

TEST_F(SavewavDlgTest, NewFolderButton) {
    ShowWith(dir.path());
    QTest::keyClicks(Edit("pathedit"), "Aufnahmen2024");
    EXPECT_EQ(Edit("pathedit")->text(), "Aufnahme") << "at most 8 characters";
    Press("newpathbtn");
    EXPECT_EQ(dlg.CurrentFolder(), dir.filePath("Aufnahme")) << "the tree moves into it";
    EXPECT_TRUE(QFileInfo(dir.filePath("Aufnahme")).isDir());

    // Nothing to create, a folder that exists, a name that is no plain name: nothing happens
    // and nothing is said (an unexpected message would fail the test).
    for (const char* name : {"", "Aufnahme", "..", "a/b"}) {
        dlg.MoveTo(dir.path());
        Edit("pathedit")->setText(name);
        Press("newpathbtn");
        EXPECT_EQ(dlg.CurrentFolder(), dir.path()) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"Aufnahme"});
    EXPECT_EQ(ShowWith(dir.path()), dir.path());
    EXPECT_TRUE(Edit("pathedit")->text().isEmpty()) << "every showing empties the field";
}

TEST_F(SavewavDlgTest, DoubleClickOnAFileConfirmsIt) {
    Touch("alt.wav");
    Touch("LAUT.WAV");
    Touch("notiz.txt");
    ShowWith(dir.path());
    QAbstractItemModel* files = Files()->model();
    const QModelIndex root = Files()->rootIndex();
    ASSERT_TRUE(QTest::qWaitFor([&] { return files->rowCount(root) == 2; }))
        << "only the WAV files are listed";
    QModelIndex loud;
    for (int row = 0; row < 2; ++row)
        if (files->index(row, 0, root).data().toString() == "LAUT.WAV")
            loud = files->index(row, 0, root);
    ASSERT_TRUE(loud.isValid());
    QApplication::processEvents(); // the list lays its items out
    const QPoint at = Files()->visualRect(loud).center();
    QTest::mouseClick(Files()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Edit("FileEdit")->text(), "LAUT.WAV") << "a click puts the name into the field";
    QTest::mouseDClick(Files()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(Edit("FileEdit")->text(), "LAUT.WAV");
    EXPECT_EQ(settings.Values().path, dir.path().toStdString());
    EXPECT_EQ(dlg.ChosenFile(), QFile::encodeName(dir.filePath("LAUT.WAV")).toStdString());
}

TEST_F(SavewavDlgTest, TheOpenFolderStaysInViewWhileTheTreeIsRead) {
    QDir(dir.path()).mkpath("a/b/c");
    // Rows arrive and are sorted above it: all of "/" and the folders on the way down. The
    // test goes on once the model has read each of them and sorted the rows it read last.
    auto* folders = qobject_cast<QFileSystemModel*>(Folders()->model());
    ASSERT_NE(folders, nullptr);
    QStringList unread;
    for (QDir folder(dir.filePath("a/b/c"));;) {
        unread << folder.absolutePath();
        if (!folder.cdUp()) break;
    }
    bool sorted = false;
    QObject watcher;
    QObject::connect(folders, &QFileSystemModel::directoryLoaded, &watcher,
                     [&](const QString& path) { unread.removeAll(QDir::cleanPath(path)); });
    QObject::connect(folders, &QFileSystemModel::rowsInserted, &watcher, [&] { sorted = false; });
    QObject::connect(folders, &QFileSystemModel::layoutChanged, &watcher, [&] { sorted = true; });
    ShowWith(dir.filePath("a/b/c"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return unread.isEmpty() && sorted; }))
        << "not read: " << unread.join(' ').toStdString();
    const QModelIndex current = Folders()->currentIndex();
    EXPECT_EQ(current.data().toString(), "c");
    EXPECT_TRUE(Folders()->viewport()->rect().contains(Folders()->visualRect(current)));
}

TEST_F(SavewavDlgTest, ChoosingAVolumeMovesTheTreeToItsRoot) {
    ShowWith(dir.path());
    const int root = Drives()->findData(QDir::rootPath());
    ASSERT_GE(root, 0);
    // The last volume (maybe one inside another), the root: the tree goes there, it is shown.
    for (const int item : {Drives()->count() - 1, root}) {
        Drives()->activated(item);
        EXPECT_EQ(dlg.CurrentFolder(), Drives()->itemData(item).toString());
        EXPECT_EQ(Drives()->currentIndex(), item);
    }
}

} // namespace
