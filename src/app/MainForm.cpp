// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's life: creation, first activation, closing, destruction, and the dialogs
// it makes when they are first needed.
#include "app/MainForm.h"

#include "app/InfoDlg.h"
#include "app/MainCommands.h"
#include "app/NewSignalDlg.h"
#include "app/OptionsDlg.h"
#include "app/ProgramInfo.h"
#include "app/SettingsStore.h"
#include "app/SignalListView.h"
#include "display/LineDiagramView.h"
#include "display/MeasureReadouts.h"
#include "display/SpectrumViews.h"
#include "editors/SignalAnalyDlg.h"
#include "editors/SignalOptionsDlg.h"
#include "formula/FormulaDlg.h"
#include "sound/SavewavDlg.h"
#include "sound/TonePlayer.h"
#include "ui/Accessibility.h"
#include "ui/CommandGuard.h"
#include "ui/DialogPlacement.h"
#include "ui/FixedDialog.h"
#include "ui/HelpSystem.h"
#include "ui/Prompts.h"
#include "ui/SignalEditor.h"
#include "ui/Translatable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {

// Tab goes from the list through the commands beside it, the spectra and their controls,
// to the buttons at the right edge.
void ArrangeTabOrder(QWidget& client) {
    const char* const order[] = {
        "SignalListBox",   "NewProjectBtn",    "OpenProjectBtn", "SaveProjectBtn", "NewSignalBtn",
        "DeleteSignalBtn", "SignalOptionsBtn", "CopySignalBtn",  "PasteSignalBtn", "specbox0",
        "specbox1",        "SpecEdit",         "SpecModeBtn",    "Plus3Btn",       "Plus2Btn",
        "Plus1Btn",        "ZeroBtn",          "Minus1Btn",      "Minus2Btn",      "Minus3Btn",
        "SoundBtn",        "OptionsBtn",       "PlusBtn",        "MinusBtn",       "RangeUpBtn",
        "RangeDownBtn"};
    QWidget* previous = nullptr;
    for (const char* name : order) {
        auto* w = client.findChild<QWidget*>(QLatin1String(name));
        if (previous && w) QWidget::setTabOrder(previous, w);
        if (w) previous = w;
    }
}

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      store_(std::make_unique<SettingsStore>()) {
    setObjectName(QStringLiteral("MainForm"));
    setFont(ArialPixels(11));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(633, 493);
    setCentralWidget(client);

    auto selected = [this] { return SelectedIndex(); };
    commands_ = std::make_unique<MainCommands>(*this, client);
    list_ = new SignalListView(client, project_);
    diagram_ = new LineDiagramView(client, project_, settings_, selected);
    spectra_ = new SpectrumViews(client, project_, settings_.Values(), selected);
    readouts_ = std::make_unique<MeasureReadouts>(client);
    setFixedSize(633, menuBar()->sizeHint().height() + 493);

    FormCreate();
    ConnectCommands();
    FormPaint();
    ArrangeTabOrder(*client);
    DescribeControls(*this);
}

TMainForm::~TMainForm() {
    FormDestroy();
}

void TMainForm::FormCreate() {
    ProgramDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!ProgramDir.endsWith(QDir::separator())) ProgramDir += QDir::separator();

    settings_.Replace(store_->Load(ProgramDir));
    ApplyLanguage(EffectiveLanguage(settings_.Values().sprache, QLocale().name().toStdString()));
    AddClassroomMenus();
    ApplyViewScale();
    move(settings_.Values().left, settings_.Values().top);
    ApplyPlacement();
    diagram_->UpdateZoomButtons();
    ShowCaption();
    FirstActivation = true;

    project_.SetListener(
        [this](ProjectChange change, int index) { ProjectChanged(change, index); });
    project_.SetSelectionProbe([this] { return SelectedIndex(); });
    settings_.SetListener([this](SettingsChange change) { SettingsChanged(change); });
}

void TMainForm::ConnectCommands() {
    // Every command runs guarded: an error it raises is shown, and the program goes on.
    const std::pair<Command, void (TMainForm::*)()> handlers[] = {
        {Command::NewProject, &TMainForm::NewProjectBtnClick},
        {Command::LoadProject, &TMainForm::LoadProjectItemClick},
        {Command::SaveProject, &TMainForm::SaveProjectItemClick},
        {Command::SaveProjectAs, &TMainForm::SaveProjectAsItemClick},
        {Command::Exit, &TMainForm::ExitItemClick},
        {Command::Undo, &TMainForm::UndoItemClick},
        {Command::Redo, &TMainForm::RedoItemClick},
        {Command::NewSignal, &TMainForm::NewSignalBtnClick},
        {Command::DeleteSignal, &TMainForm::DeleteSignalBtnClick},
        {Command::CopySignal, &TMainForm::CopySignalBtnClick},
        {Command::PasteSignal, &TMainForm::PasteSignalBtnClick},
        {Command::EditSignal, &TMainForm::SignalOptionsBtnClick},
        {Command::Convert, &TMainForm::ConvertItemClick},
        {Command::ExportSpectra32, &TMainForm::N32Harmonische1Click},
        {Command::ExportSpectra64, &TMainForm::N64Harmonische1Click},
        {Command::ExportSpectra128, &TMainForm::N128Harmonische1Click},
        {Command::ExportDiagram, &TMainForm::ExportDiagItemClick},
        {Command::ExportTable, &TMainForm::ExportTabItemClick},
        {Command::SaveSound, &TMainForm::SaveSoundClick},
        {Command::Options, &TMainForm::OptionsItemClick},
        {Command::Contents, &TMainForm::Inhalt1Click},
        {Command::Theory, &TMainForm::TheoryItemClick},
        {Command::General, &TMainForm::ContentsItemClick},
        {Command::Info, &TMainForm::InfoItemClick},
    };
    for (const auto& [command, handler] : handlers)
        commands_->Connect(command, this, [this, handler = handler] { (this->*handler)(); });

    auto on = [this](auto* sender, auto signal, void (TMainForm::*handler)()) {
        connect(sender, signal, this, Guarded([this, handler] { (this->*handler)(); }));
    };
    on(list_, &SignalListView::SelectionChanged, &TMainForm::SignalListBoxClick);
    on(list_, &SignalListView::RightButtonPressed, &TMainForm::SignalListBoxMouseDown);
    on(list_, &SignalListView::DoubleClicked, &TMainForm::SignalOptionsBtnClick);
    on(list_, &SignalListView::DeletePressed, &TMainForm::DeleteSignalBtnClick);
    on(spectra_, &SpectrumViews::SpecModeBtnClicked, &TMainForm::SpecModeBtnClick);
    on(diagram_, &LineDiagramView::PlusBtnClicked, &TMainForm::PlusBtnClick);
    on(diagram_, &LineDiagramView::MinusBtnClicked, &TMainForm::MinusBtnClick);
    on(diagram_, &LineDiagramView::RangeUpBtnClicked, &TMainForm::RangeUpBtnClick);
    on(diagram_, &LineDiagramView::RangeDownBtnClicked, &TMainForm::RangeDownBtnClick);
    // The tone sounds while any mouse button holds the sound button down.
    commands_->Button(Command::Sound)->installEventFilter(this);
}

// --- dialogs ---------------------------------------------------------------------------------

TSavewavDlg& TMainForm::SavewavDialog() {
    if (!savewavDlg_) savewavDlg_ = new TSavewavDlg(this, settings_);
    return *savewavDlg_;
}

InfoDlg& TMainForm::InfoDialog() {
    if (!infoDlg_) infoDlg_ = new InfoDlg(this);
    return *infoDlg_;
}

TNewSignalDlg& TMainForm::NewSignalDialog() {
    if (!newSignalDlg_)
        newSignalDlg_ = new TNewSignalDlg(this, [this](QWidget* dialog, const QString& name) {
            return CheckNewName(dialog, name);
        });
    return *newSignalDlg_;
}

TNewSignalNameDlg& TMainForm::NewSignalNameDialog() {
    if (!newSignalNameDlg_)
        newSignalNameDlg_ =
            new TNewSignalNameDlg(this, [this](QWidget* dialog, const QString& name) {
                return CheckNewName(dialog, name);
            });
    return *newSignalNameDlg_;
}

TSignalFormulaDlg& TMainForm::FormulaDialog() {
    if (!formulaDlg_) formulaDlg_ = new TSignalFormulaDlg(this, Help());
    return *formulaDlg_;
}

Toptionsdlg& TMainForm::OptionsDialog() {
    if (!optionsDlg_) optionsDlg_ = new Toptionsdlg(this, settings_, Help());
    return *optionsDlg_;
}

HelpSystem& TMainForm::Help() {
    if (!help_) help_ = std::make_unique<HelpSystem>();
    return *help_;
}

TonePlayer& TMainForm::Tone() {
    if (!tone_) tone_ = std::make_unique<TonePlayer>();
    return *tone_;
}

void TMainForm::SetEditor(int kind, SignalEditor* editor) {
    if (IsKnownKind(kind)) installedEditors_[kind] = editor;
}

SignalEditor* TMainForm::EditorFor(int kind) {
    if (!IsKnownKind(kind)) return nullptr;
    SignalEditor* editor = installedEditors_[kind].value_or(ownEditors_[kind]);
    if (!editor && !installedEditors_[kind]) {
        switch (kind) {
        case SpectralLines:
            editor = new TSignalOptionsDlg(this, settings_.Values(), Help());
            break;
        case Waveform:
            editor = new TSignalAnalyDlg(this, Help());
            break;
        default:
            editor = &FormulaDialog();
            break;
        }
        ownEditors_[kind] = editor;
    }
    // A rename in the editor must not clash with another signal's name either.
    if (editor)
        editor->SetNameCheck([this](QWidget* dialog, const QString& name) {
            return editingIndex_ == NameNotChecked || CheckNewName(dialog, name, editingIndex_);
        });
    return editor;
}

// --- placement, activation and closing ------------------------------------------------------

namespace {

QRect Desktop() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

void TMainForm::ApplyPlacement() {
    if (const auto normal = ParsePlacement(store_->ReadPlacement())) {
        move(MoveInside(*normal, Desktop()).topLeft());
        return;
    }
    CentreOnDesktop();
    centreWhenFramed_ = frameGeometry().size() == size();
}

void TMainForm::CentreOnDesktop() {
    // The same halving rule as the dialogs over the main window, with the desktop around.
    move(CentredDialogPosition(Desktop(), frameGeometry().size().expandedTo(size())));
}

bool TMainForm::event(QEvent* e) {
    if (centreWhenFramed_ && (e->type() == QEvent::Move || e->type() == QEvent::Show) &&
        frameGeometry().size() != size()) {
        centreWhenFramed_ = false;
        CentreOnDesktop();
    }
    if (e->type() == QEvent::WindowActivate && FirstActivation) {
        FirstActivation = false;
        // Let the window finish showing before the info dialog takes the input.
        QTimer::singleShot(0, this, Guarded([this] { FormActivate(); }));
    }
    return QMainWindow::event(e);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == commands_->Button(Command::Sound)) {
        const QEvent::Type type = event->type();
        // The space bar holds it as well, once the button has the focus.
        const auto* key = dynamic_cast<QKeyEvent*>(event);
        const bool space = key && key->key() == Qt::Key_Space && !key->isAutoRepeat();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
            (space && type == QEvent::KeyPress))
            RunCommand([this] { SoundBtnMouseDown(); });
        else if (type == QEvent::MouseButtonRelease || (space && type == QEvent::KeyRelease))
            RunCommand([this] { SoundBtnMouseUp(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::FormActivate() {
    spectra_->UpdateEditControls();
    InfoItemClick();
}

bool TMainForm::FormCloseQuery() {
    return prompts().Confirm(
        this, Translated(QT_TRANSLATE_NOOP("Wellenwerk", "Wollen Sie %1 wirklich beenden?"))
                  .arg(QStringLiteral(WELLENWERK_TITLE)));
}

void TMainForm::FormClose() {
    InfoItemClick();
    if (help_) help_->CloseAll();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    RunCommand([&] {
        if (closing_ || !FormCloseQuery() || !QueryProjectSaved()) return;
        closing_ = true;
        FormClose();
        closing_ = false;
        event->accept();
    });
}

void TMainForm::FormDestroy() {
    if (tone_) tone_->StopTone();
    // The placement keeps the frame's rectangle; a minimised window knows only the client
    // rectangle of its normal state, so add the frame around it.
    const QRect frame = frameGeometry(), client = geometry();
    const QRect normal = isMinimized() ? normalGeometry().adjusted(frame.left() - client.left(),
                                                                   frame.top() - client.top(),
                                                                   frame.right() - client.right(),
                                                                   frame.bottom() - client.bottom())
                                       : frame;
    store_->WritePlacement(FormatPlacement(normal, isMinimized()));
    settings_.SetWindowPosition(pos().x(), pos().y());
    store_->Save(settings_.Values());
    if (help_) help_->CloseAll();
}
