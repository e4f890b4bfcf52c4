// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// What a classroom needs beyond the original program: the example projects at hand, a view
// size that fills a projector, and the exports into files.
#include "app/MainForm.h"
#include "app/ProjectFolders.h"
#include "app/SignalListView.h"
#include "display/SpectrumViews.h"
#include "export/FileExport.h"
#include "project/ProjectTitle.h"
#include "ui/CommandGuard.h"
#include "ui/Prompts.h"
#include "ui/Translatable.h"
#include "ui/ViewScale.h"
#include "ui/WindowControls.h"

#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <tuple>

namespace {

struct Example {
    QString title;
    QString path;
};

// The installed example project files.
QFileInfoList ExampleFiles() {
    const QString folder = ExamplesFolder();
    if (folder.isEmpty()) return {};
    return QDir(folder).entryInfoList({QStringLiteral("*.wwp")}, QDir::Files | QDir::Readable);
}

// The installed example projects, by title (read from each file; its name where it has none).
std::vector<Example> Examples() {
    std::vector<Example> examples;
    for (const QFileInfo& file : ExampleFiles()) {
        QFile f(file.absoluteFilePath());
        if (!f.open(QIODevice::ReadOnly)) continue;
        const std::string title = ProjectTitle(f.read(64 * 1024).toStdString());
        examples.push_back({title.empty() ? file.completeBaseName() : QString::fromStdString(title),
                            file.absoluteFilePath()});
    }
    std::sort(examples.begin(), examples.end(), [](const Example& a, const Example& b) {
        return QString::localeAwareCompare(a.title, b.title) < 0;
    });
    return examples;
}

// An item whose text is no word (a number, a file's title).
QAction* MakePlainItem(QMenu* menu, const QByteArray& name, const QString& text) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    return a;
}

} // namespace

void TMainForm::AddClassroomMenus() {
    auto on = [this](QAction* item, auto handler) {
        connect(item, &QAction::triggered, this, Guarded(std::move(handler)));
    };
    QMenuBar* bar = menuBar();

    // "Projekt → Beispiele", under "Laden".
    auto* project = bar->findChild<QMenu*>(QStringLiteral("ProjectMenu"));
    examplesMenu_ =
        MakeMenu(project, "ExamplesMenu", QT_TRANSLATE_NOOP("Wellenwerk", "&Beispiele"));
    const QList<QAction*> projectItems = project->actions();
    const auto load = std::find_if(projectItems.begin(), projectItems.end(), [](QAction* a) {
        return a->objectName() == QLatin1String("OpenProjectItem");
    });
    project->insertMenu(load + 1 < projectItems.end() ? *(load + 1) : nullptr, examplesMenu_);
    // The files are read when the menu opens, not at start: only whether there are any.
    connect(examplesMenu_, &QMenu::aboutToShow, this, [this] { FillExamplesMenu(); });
    examplesMenu_->menuAction()->setEnabled(!ExampleFiles().isEmpty());

    // "Signal → Exportieren": the same pictures and the table into files.
    auto* exports = bar->findChild<QMenu*>(QStringLiteral("ExportMenu"));
    exports->addSeparator();
    on(AddMenuItem(exports, "ExportDiagFileItem",
                   QT_TRANSLATE_NOOP("Wellenwerk", "Liniendiagramm in Datei speichern ...")),
       [this] { ExportDiagFileClick(); });
    QMenu* spectra = MakeMenu(exports, "ExportSpecFileMenu",
                              QT_TRANSLATE_NOOP("Wellenwerk", "Spektren in Datei speichern"));
    exports->addMenu(spectra);
    const std::tuple<int, const char*, const char*> counts[] = {
        {32, "N32FileItem", QT_TRANSLATE_NOOP("Wellenwerk", "32 Harmonische ...")},
        {64, "N64FileItem", QT_TRANSLATE_NOOP("Wellenwerk", "64 Harmonische ...")},
        {128, "N128FileItem", QT_TRANSLATE_NOOP("Wellenwerk", "128 Harmonische ...")}};
    for (const auto& [count, name, text] : counts)
        on(AddMenuItem(spectra, name, text),
           [this, count = count] { ExportSpectraFileClick(count); });
    on(AddMenuItem(exports, "ExportTabFileItem",
                   QT_TRANSLATE_NOOP("Wellenwerk", "Tabelle in Datei speichern ...")),
       [this] { ExportTabFileClick(); });

    // "Einstellungen" becomes a menu: the settings dialog and "Ansicht" with the view sizes.
    auto* options = bar->findChild<QAction*>(QStringLiteral("OptionsItem"));
    QMenu* settingsMenu =
        MakeMenu(bar, "SettingsMenu", QT_TRANSLATE_NOOP("Wellenwerk", "&Einstellungen"));
    bar->insertMenu(options, settingsMenu);
    bar->removeAction(options);
    SetTranslated(options, "text", QT_TRANSLATE_NOOP("Wellenwerk", "&Einstellungen ..."));
    settingsMenu->addAction(options);
    QMenu* view = MakeMenu(settingsMenu, "ViewMenu", QT_TRANSLATE_NOOP("Wellenwerk", "&Ansicht"));
    settingsMenu->addMenu(view);
    auto* sizes = new QActionGroup(view);
    for (int percent : ViewScales) {
        QAction* item = MakePlainItem(view, QStringLiteral("Scale%1Item").arg(percent).toLatin1(),
                                      QStringLiteral("%1 %").arg(percent));
        item->setCheckable(true);
        item->setChecked(percent == settings_.Values().ansicht);
        sizes->addAction(item);
        on(item, [this, percent] { settings_.SetViewScale(percent); });
        if (percent == 100) item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    }
    view->addSeparator();
    QAction* larger = AddMenuItem(view, "ZoomInItem", QT_TRANSLATE_NOOP("Wellenwerk", "&Größer"));
    larger->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    on(larger, [this] { settings_.StepViewScale(+1); });
    QAction* smaller =
        AddMenuItem(view, "ZoomOutItem", QT_TRANSLATE_NOOP("Wellenwerk", "&Kleiner"));
    smaller->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    on(smaller, [this] { settings_.StepViewScale(-1); });
    // The shortcuts work while the menus are closed, too.
    for (QAction* item : view->actions()) addAction(item);
}

void TMainForm::FillExamplesMenu() {
    examplesMenu_->clear();
    for (const Example& example : Examples()) {
        QAction* item = MakePlainItem(examplesMenu_, "ExampleItem", example.title);
        connect(item, &QAction::triggered, this,
                Guarded([this, path = example.path] { ExampleItemClick(path); }));
    }
    examplesMenu_->menuAction()->setEnabled(!examplesMenu_->isEmpty());
}

void TMainForm::ExampleItemClick(const QString& path) {
    // As "Laden" once a file is chosen: the open project may be saved first.
    if (!QuerySaveBeforeReplacing()) return;
    LoadProjectFile(path);
}

// --- view size -------------------------------------------------------------------------------

void TMainForm::ApplyViewScale() {
    const int percent = settings_.Values().ansicht;
    const double scale = percent / 100.0;
    if (scale == ViewScaleOf(this)) return; // also: built at 100 %, nothing to change
    ::ApplyViewScale(this, scale);
    centralWidget()->setFixedSize(ScaledEdge(633, scale), ScaledEdge(493, scale));
    setFixedSize(centralWidget()->width(),
                 menuBar()->sizeHint().height() + centralWidget()->height());
    list_->SetViewScale(scale);
    spectra_->SetViewScale(scale);
    const QString name = QStringLiteral("Scale%1Item").arg(percent);
    if (auto* item = menuBar()->findChild<QAction*>(name)) item->setChecked(true);
    // The larger window stays on the desktop, as a stored placement would be brought there.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.setSize(frame.size().expandedTo(size()));
        const QRect desktop = screen->availableGeometry();
        QPoint topLeft = frame.topLeft();
        topLeft.setX(
            std::max(desktop.left(), std::min(topLeft.x(), desktop.right() - frame.width() + 1)));
        topLeft.setY(
            std::max(desktop.top(), std::min(topLeft.y(), desktop.bottom() - frame.height() + 1)));
        if (topLeft != frame.topLeft()) move(topLeft);
    }
    FormPaint();
}

// --- exports into files ----------------------------------------------------------------------

QString TMainForm::ChooseExportFile(const QString& title, const QString& filter,
                                    const QString& suffix, const QString& proposed) {
    const QString folder = settings_.Values().exportpath.empty()
                               ? QDir::homePath()
                               : QString::fromStdString(settings_.Values().exportpath);
    const QString path =
        prompts().SaveFileName(this, title, filter, suffix, QDir(folder).filePath(proposed));
    if (path.isEmpty()) return {};
    settings_.SetExportPath(QFileInfo(path).absolutePath().toStdString());
    if (QFileInfo::exists(path) &&
        !prompts().Confirm(
            this,
            Translated(QT_TRANSLATE_NOOP(
                           "Wellenwerk",
                           "Die Datei \"%1\" ist bereits vorhanden. Wollen Sie sie ersetzen?"))
                .arg(QDir::toNativeSeparators(path))))
        return {};
    return path;
}

void TMainForm::ExportIntoFile(const char* title, const char* filter, const char* proposed,
                               const char* savedText,
                               const std::function<bool(const QString&)>& save) {
    const QString path =
        ChooseExportFile(Translated(title), Translated(filter),
                         QFileInfo(QString::fromUtf8(proposed)).suffix(), Translated(proposed));
    if (!path.isEmpty() && save(path)) prompts().Inform(this, Translated(savedText));
}

void TMainForm::ExportDiagFileClick() {
    if (!SelectedSignal()) return;
    ExportIntoFile(QT_TRANSLATE_NOOP("Wellenwerk", "Liniendiagramm speichern"), PictureFileFilter,
                   QT_TRANSLATE_NOOP("Wellenwerk", "Liniendiagramm.svg"), LineDiagramSavedText,
                   [this](const QString& path) {
                       return SaveLineDiagramFile(path, project_.Signals(), SelectedIndex(),
                                                  settings_.Values());
                   });
}

void TMainForm::ExportSpectraFileClick(int harmonicCount) {
    ExportIntoFile(QT_TRANSLATE_NOOP("Wellenwerk", "Spektren speichern"), PictureFileFilter,
                   QT_TRANSLATE_NOOP("Wellenwerk", "Spektren.svg"), SpectraSavedText,
                   [&](const QString& path) {
                       ExportHarmonicCount = harmonicCount;
                       SaveSpectraFile(path, SelectedSignal(), settings_.Values(), harmonicCount);
                       return true;
                   });
}

void TMainForm::ExportTabFileClick() {
    if (!SelectedSignal()) return;
    ExportIntoFile(QT_TRANSLATE_NOOP("Wellenwerk", "Tabelle speichern"), TableFileFilter,
                   QT_TRANSLATE_NOOP("Wellenwerk", "Tabelle.csv"), TableSavedText,
                   [this](const QString& path) {
                       return SaveTableFile(path, project_.Signals(), SelectedIndex(),
                                            settings_.Values());
                   });
}
