// The main window's life: creation, first activation, refreshing, closing, destruction.
#include "app/MainForm.h"

#include "app/Glyphs.h"
#include "app/HelpSystem.h"
#include "app/InfoDlg.h"
#include "app/Prompts.h"
#include "app/SettingsStore.h"
#include "display/CurveCache.h"
#include "display/PaintBox.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QListWidget>
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
      curves_(std::make_unique<CurveCache>()) {
    setObjectName(QStringLiteral("MainForm"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
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

    Signals.Clear();
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

    UpdateZoomButtons();

    setWindowTitle(QStringLiteral("Wellenwerk V2.5"));
    CopyBuffer.reset();
    Settings.tongue = 1;
    FirstActivation = true;
    ProjectModified = false;
    hBar->setRange(0, 6);
    SpectrumScroll = 0;
    hBar->setValue(0);
}

void TMainForm::ApplyPlacement() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    if (const auto normal = ParsePlacement(store_->ReadPlacement())) {
        move(MoveInside(*normal, desktop).topLeft());
        return;
    }
    const QSize frame = frameGeometry().size().expandedTo(size());
    move(desktop.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

bool TMainForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && FirstActivation) {
        FirstActivation = false;
        // Let the window finish showing before the info dialog takes the input.
        QTimer::singleShot(0, this, &TMainForm::FormActivate);
    }
    return QMainWindow::event(e);
}

void TMainForm::FormActivate() {
    UpdateEditControls();
    InfoItemClick();
}

void TMainForm::FormPaint() {
    ShowSpectrumTitles();
    // The value field and step buttons follow the selected signal's kind after every change,
    // so that a waveform or formula signal can never be edited line by line.
    UpdateEditControls();
    UpdateCommands();
    DrawLineDiagram();
}

int TMainForm::SelectedIndex() const {
    const int row = SignalListBox->currentRow();
    return Signals.IsValidIndex(row) ? row : -1;
}

tSignal* TMainForm::SelectedSignal() {
    const int i = SelectedIndex();
    return i >= 0 ? &Signals.Signal(i) : nullptr;
}

void TMainForm::UpdateZoomButtons() {
    PlusBtn->setEnabled(Settings.dxr > 0);
    MinusBtn->setEnabled(Settings.dxr < 3);
    RangeUpBtn->setEnabled(Settings.dyr > 0);
    RangeDownBtn->setEnabled(Settings.dyr < 6);
}

void TMainForm::InfoItemClick() {
    InfoDlg->PlaceOver(frameGeometry(), centralWidget()->height());
    prompts().Exec(*InfoDlg);
}

void TMainForm::Inhalt1Click() {
    help_->ShowContext(1);
}

void TMainForm::TheoryItemClick() {
    help_->ShowContext(3);
}

void TMainForm::ContentsItemClick() {
    help_->ShowContext(2);
}

bool TMainForm::FormCloseQuery() {
    return prompts().Confirm(this, QStringLiteral("Wollen Sie Wellenwerk V2.5 wirklich beenden?"));
}

void TMainForm::FormClose() {
    InfoItemClick();
    help_->CloseAll();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (closing_ || !FormCloseQuery()) {
        event->ignore();
        return;
    }
    if (!QueryProjectSaved()) {
        event->ignore();
        return;
    }
    closing_ = true;
    FormClose();
    closing_ = false;
    event->accept();
}

void TMainForm::FormDestroy() {
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
    CopyBuffer.reset();
    store_->Save(Settings);
    help_->CloseAll();
}
