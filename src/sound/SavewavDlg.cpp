// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SavewavDlg.h"

#include "settings/Settings.h"
#include "sound/ToneFile.h"
#include "ui/CommandGuard.h"
#include "ui/Translatable.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QStorageInfo>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <stdexcept>

namespace {

constexpr int ClientWidth = 329;
constexpr int ClientHeight = 276;
// Longest name of a new folder.
constexpr int NewFolderNameLength = 8;

// Within GroupBox1: the file name and the files on the left, the folders on the right.
constexpr int LeftX = 8, LeftWidth = 140;
constexpr int RightX = 156, RightWidth = 157;

// The folder that a stored `path` names, or the home folder when it names none (any more).
QString StartFolder(const std::string& path) {
    const QFileInfo stored(QDir::fromNativeSeparators(QString::fromStdString(path)));
    if (path.empty() || !stored.isDir()) return QDir::homePath();
    return QDir::cleanPath(stored.absoluteFilePath());
}

// The entry of the volume list that holds `folder`: the nearest root above it. QStorageInfo
// is not asked for the folder's volume, as it knows none where the mount table lists no "/"
// (containers, chroots), while the list always offers the root.
int VolumeItem(const QComboBox& volumes, const QString& folder) {
    const QString path = QFileInfo(folder).canonicalFilePath() + QLatin1Char('/');
    int nearest = -1;
    qsizetype nearestLength = -1;
    for (int item = 0; item < volumes.count(); ++item) {
        QString root = volumes.itemData(item).toString();
        if (!root.endsWith(QLatin1Char('/'))) root += QLatin1Char('/');
        if (path.startsWith(root) && root.size() > nearestLength) {
            nearest = item;
            nearestLength = root.size();
        }
    }
    return nearest;
}

} // namespace

TSavewavDlg::TSavewavDlg(QWidget* mainWindow, Settings& settings)
    : FixedDialog(mainWindow, QStringLiteral("TSavewavDlg"),
                  QString::fromUtf8(QT_TRANSLATE_NOOP("Wellenwerk", "Projekt speichern als ...")),
                  {ClientWidth, ClientHeight}),
      settings_(settings) {
    setFont(ArialPixels(11));

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(4, 4, ClientWidth - 8, 236);
    auto label = [group](const char* name, const char* text, const QRect& bounds) {
        auto* l = new QLabel(group);
        SetTranslated(l, "text", text);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(bounds);
        return l;
    };
    auto edit = [group](const char* name, const QRect& bounds) {
        auto* e = new QLineEdit(group);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(bounds);
        return e;
    };

    label("FileLabel", QT_TRANSLATE_NOOP("Wellenwerk", "Dateiname:"), {LeftX, 8, LeftWidth, 14});
    fileEdit_ = edit("FileEdit", {LeftX, 23, LeftWidth, 21});
    fileEdit_->setText(QStringLiteral("*.wav"));
    label("FileListLabel", QT_TRANSLATE_NOOP("Wellenwerk", "Dateien:"), {LeftX, 50, LeftWidth, 14});
    label("DirectoryLabel", QT_TRANSLATE_NOOP("Wellenwerk", "Verzeichnisse"),
          {RightX, 8, RightWidth, 14});
    label("DriveLabel", QT_TRANSLATE_NOOP("Wellenwerk", "Laufwerke:"),
          {RightX, 136, RightWidth, 14});
    label("NewPathLabel", QT_TRANSLATE_NOOP("Wellenwerk", "Neues Verzeichnis:"),
          {RightX, 180, RightWidth, 14});
    pathEdit_ = edit("pathedit", {RightX, 195, RightWidth - 33, 21});
    pathEdit_->setMaxLength(NewFolderNameLength);
    auto* newpathbtn = new QToolButton(group);
    newpathbtn->setObjectName(QStringLiteral("newpathbtn"));
    newpathbtn->setGeometry(RightX + RightWidth - 29, 194, 29, 23);
    newpathbtn->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    SetTranslated(newpathbtn, "toolTip",
                  QT_TRANSLATE_NOOP("Wellenwerk", "Neues Verzeichnis anlegen"));
    connect(newpathbtn, &QToolButton::clicked, this, Guarded([this] { newpathbtnClick(); }));

    CreateBrowsers(group);
    AddButtons({ClientWidth - 165, 246, 77, 25}, {ClientWidth - 81, 246, 77, 25});
}

void TSavewavDlg::CreateBrowsers(QWidget* group) {
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    folders_->setRootPath(QString());
    directoryListBox_ = new QTreeView(group);
    directoryListBox_->setObjectName(QStringLiteral("DirectoryListBox"));
    directoryListBox_->setGeometry(RightX, 23, RightWidth, 109);
    directoryListBox_->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column)
        directoryListBox_->hideColumn(column);
    directoryListBox_->header()->hide();
    directoryListBox_->setIndentation(10); // deep folders stay within the narrow tree
    directoryListBox_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(directoryListBox_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            Guarded([this] { DirectoryListBoxChange(); }));
    // The model reads folders in the background, and rows come and move above the current
    // folder as they are read and sorted: the tree keeps the current folder in view until
    // the user scrolls it.
    auto follow = [this] {
        if (followCurrent_)
            directoryListBox_->scrollTo(directoryListBox_->currentIndex(),
                                        QAbstractItemView::PositionAtCenter);
    };
    connect(folders_, &QFileSystemModel::directoryLoaded, this, follow);
    connect(folders_, &QFileSystemModel::rowsInserted, this, follow);
    connect(folders_, &QFileSystemModel::layoutChanged, this, follow);
    connect(directoryListBox_->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { followCurrent_ = false; });

    files_ = new QFileSystemModel(this);
    files_->setFilter(QDir::Files);
    files_->setNameFilters({QStringLiteral("*.wav")});
    files_->setNameFilterDisables(false); // hide other files rather than grey them
    fileListBox_ = new QListView(group);
    fileListBox_->setObjectName(QStringLiteral("FileListBox"));
    fileListBox_->setGeometry(LeftX, 65, LeftWidth, 163);
    fileListBox_->setModel(files_);
    fileListBox_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Only a file the user selects fills the name field: the list making its first file
    // current when it takes the focus must not overwrite a typed name.
    connect(fileListBox_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            Guarded([this](const QItemSelection& selected, const QItemSelection&) {
                if (!selected.indexes().isEmpty()) FileListBoxClick(selected.indexes().first());
            }));
    connect(fileListBox_, &QListView::doubleClicked, this,
            Guarded([this](const QModelIndex& index) { FileListBoxDblClick(index); }));

    driveComboBox_ = new QComboBox(group);
    driveComboBox_->setObjectName(QStringLiteral("DriveComboBox"));
    driveComboBox_->setGeometry(RightX, 151, RightWidth, 22);
    connect(driveComboBox_, &QComboBox::activated, this,
            Guarded([this](int item) { DriveComboBoxChange(item); }));
}

void TSavewavDlg::FillDriveComboBox() {
    // Volumes come and go (a USB stick), so the list is read again at every showing. Mounts
    // of single files (as containers have) are no place for a folder.
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            roots << volume.rootPath();
    for (const QFileInfo& drive : QDir::drives()) roots << drive.absoluteFilePath();
    roots.removeDuplicates();
    roots.sort();
    driveComboBox_->clear();
    for (const QString& root : roots) driveComboBox_->addItem(QDir::toNativeSeparators(root), root);
}

void TSavewavDlg::FormActivate() {
    fileEdit_->setFocus();
    FillDriveComboBox();
    MoveTo(StartFolder(settings_.Values().path));
    pathEdit_->clear();
}

void TSavewavDlg::MoveTo(const QString& folder) {
    const QModelIndex index = folders_->index(folder);
    if (!index.isValid() || !folders_->isDir(index)) return;
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
        directoryListBox_->expand(above);
    directoryListBox_->setCurrentIndex(index);
    directoryListBox_->expand(index);
    directoryListBox_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    followCurrent_ = true;
}

void TSavewavDlg::DirectoryListBoxChange() {
    const QModelIndex current = directoryListBox_->currentIndex();
    if (!current.isValid()) return;
    folder_ = folders_->filePath(current);
    fileListBox_->setRootIndex(files_->setRootPath(folder_));
    const int drive = VolumeItem(*driveComboBox_, folder_);
    if (drive >= 0) driveComboBox_->setCurrentIndex(drive);
}

void TSavewavDlg::DriveComboBoxChange(int item) {
    MoveTo(driveComboBox_->itemData(item).toString());
}

void TSavewavDlg::FileListBoxClick(const QModelIndex& index) {
    if (index.isValid()) fileEdit_->setText(files_->fileName(index));
}

void TSavewavDlg::FileListBoxDblClick(const QModelIndex& index) {
    if (!index.isValid()) return;
    // The file is confirmed at once, as OK would confirm it.
    FileListBoxClick(index);
    if (OKBtnClick()) accept();
}

void TSavewavDlg::newpathbtnClick() {
    const QString name = pathEdit_->text();
    // Only a subfolder of the current one: no path, no "." or "..". Whatever fails (the
    // folder exists, the name is not allowed, no permission) leaves everything as it was.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name == QLatin1String(".") || name == QLatin1String(".."))
        return;
    QDir current(folder_);
    if (current.mkdir(name)) MoveTo(current.filePath(name));
}

bool TSavewavDlg::OKBtnClick() {
    settings_.SetSoundPath(QDir::toNativeSeparators(folder_).toStdString());
    return true;
}

std::string TSavewavDlg::ChosenFile() const {
    const QString name = fileEdit_->text();
    MessageText problem = SoundFileNameFault(name.toStdString());
    if (!problem.Empty()) throw MessageError(std::move(problem));
    return QFile::encodeName(QDir::toNativeSeparators(QDir(folder_).filePath(name))).toStdString();
}
