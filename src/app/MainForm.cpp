// The main window's life: creation, first activation, closing, destruction.
#include "app/MainForm.h"

#include "app/Glyphs.h"
#include "app/InfoDlg.h"
#include "app/NewSignalDlg.h"
#include "app/OptionsDlg.h"
#include "app/ProgramInfo.h"
#include "app/SettingsStore.h"
#include "display/LineDiagramView.h"
#include "display/SpectrumViews.h"
#include "editors/SignalAnalyDlg.h"
#include "editors/SignalOptionsDlg.h"
#include "formula/FormulaDlg.h"
#include "sound/SavewavDlg.h"
#include "sound/TonePlayer.h"
#include "ui/CommandGuard.h"
#include "ui/DialogPlacement.h"
#include "ui/HelpSystem.h"
#include "ui/Prompts.h"
#include "ui/SignalEditor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      store_(std::make_unique<SettingsStore>()), help_(std::make_unique<HelpSystem>()),
      tone_(std::make_unique<TonePlayer>()) {
    setObjectName(QStringLiteral("MainForm"));
    setFont(ArialPixels(11));
    CreateControls();
    CreateMenu();
    setFixedSize(633, menuBar()->sizeHint().height() + 493);
    FormCreate();
    CreateDialogs();
    ConnectCommands();
    FormPaint();
}

TMainForm::~TMainForm() {
    FormDestroy();
}

void TMainForm::FormCreate() {
    ProgramDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!ProgramDir.endsWith(QDir::separator())) ProgramDir += QDir::separator();

    ListIcons = PaintListIcons();

    Settings = store_->Load(ProgramDir);
    move(Settings.left, Settings.top);
    ApplyPlacement();

    StepGlyphs = PaintStepGlyphs();
    for (int i = 0; i < static_cast<int>(StepGlyphIcons.size()); ++i)
        StepGlyphIcons[i] = StepGlyphIcon(StepGlyphs, i);
    Plus1Btn->setIcon(StepGlyphIcons[2]);
    ZeroBtn->setIcon(StepGlyphIcons[3]);
    Minus1Btn->setIcon(StepGlyphIcons[4]);

    auto selected = [this] { return SelectedIndex(); };
    spectra_ = std::make_unique<SpectrumViews>(
        SpectrumControls{specgroup0, specgroup1, specbox0, specbox1, SpecEdit, StepButtons()},
        project_, Settings, selected, StepGlyphIcons);
    diagram_ = std::make_unique<LineDiagramView>(
        LineDiagramControls{diagbox, PlusBtn, MinusBtn, RangeUpBtn, RangeDownBtn}, project_,
        Settings, selected);
    diagram_->UpdateZoomButtons();

    ShowCaption();
    Settings.tongue = 1;
    FirstActivation = true;
    hBar->setRange(0, MaxSpectrumScroll);
    hBar->setValue(0);
    project_.SetListener(
        [this](ProjectChange change, int index) { ProjectChanged(change, index); });
}

void TMainForm::CreateDialogs() {
    auto check = [this](QWidget* dialog, const QString& name) {
        return CheckNewName(dialog, name);
    };
    SavewavDlg = new TSavewavDlg(this, Settings);
    SetEditor(Waveform, new TSignalAnalyDlg(this, *help_));
    NewSignalNameDlg = new TNewSignalNameDlg(this, check);
    SignalFormulaDlg = new TSignalFormulaDlg(this, *help_);
    SetEditor(Formulas, SignalFormulaDlg);
    SetEditor(SpectralLines, new TSignalOptionsDlg(this, Settings, *help_));
    NewSignalDlg = new TNewSignalDlg(this, check);
    InfoDlg = new TInfoDlg(this);
    OptionsDlg = new Toptionsdlg(this, Settings, *help_);
}

void TMainForm::SetEditor(int kind, SignalEditor* editor) {
    if (!IsKnownKind(kind)) return;
    Editors[kind] = editor;
    // A rename in the editor must not clash with another signal's name either.
    if (editor)
        editor->SetNameCheck([this](QWidget* dialog, const QString& name) {
            return editingIndex_ == NameNotChecked || CheckNewName(dialog, name, editingIndex_);
        });
}

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

void TMainForm::FormActivate() {
    spectra_->UpdateEditControls();
    InfoItemClick();
}

bool TMainForm::FormCloseQuery() {
    return prompts().Confirm(this,
                             QStringLiteral("Wollen Sie " WELLENWERK_TITLE " wirklich beenden?"));
}

void TMainForm::FormClose() {
    InfoItemClick();
    help_->CloseAll();
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
    tone_->StopTone();
    // The placement keeps the frame's rectangle; a minimised window knows only the client
    // rectangle of its normal state, so add the frame around it.
    const QRect frame = frameGeometry(), client = geometry();
    const QRect normal = isMinimized() ? normalGeometry().adjusted(frame.left() - client.left(),
                                                                   frame.top() - client.top(),
                                                                   frame.right() - client.right(),
                                                                   frame.bottom() - client.bottom())
                                       : frame;
    store_->WritePlacement(FormatPlacement(normal, isMinimized()));
    Settings.left = pos().x();
    Settings.top = pos().y();
    store_->Save(Settings);
    help_->CloseAll();
}
