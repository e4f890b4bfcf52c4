// Wiring of the main window's buttons, menu items and mouse, and the handlers that only
// hand their work to a subsystem.
#include "app/InfoDlg.h"
#include "app/MainForm.h"
#include "app/OptionsDlg.h"
#include "display/LineDiagramView.h"
#include "display/SpectrumViews.h"
#include "export/ClipboardExport.h"
#include "sound/SavewavDlg.h"
#include "sound/ToneFile.h"
#include "sound/TonePlayer.h"
#include "ui/CommandGuard.h"
#include "ui/HelpSystem.h"
#include "ui/PaintBox.h"
#include "ui/Prompts.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>

void TMainForm::ConnectCommands() {
    // Every command runs guarded: an error it raises is shown, and the program goes on.
    auto button = [this](QToolButton* b, void (TMainForm::*handler)()) {
        connect(b, &QToolButton::clicked, this, Guarded([this, handler] { (this->*handler)(); }));
    };
    auto item = [this](QAction* a, void (TMainForm::*handler)()) {
        connect(a, &QAction::triggered, this, Guarded([this, handler] { (this->*handler)(); }));
    };
    button(NewProjectBtn, &TMainForm::NewProjectBtnClick);
    item(NewProjectItem, &TMainForm::NewProjectBtnClick);
    button(OpenProjectBtn, &TMainForm::LoadProjectItemClick);
    item(OpenProjectItem, &TMainForm::LoadProjectItemClick);
    button(SaveProjectBtn, &TMainForm::SaveProjectItemClick);
    item(SaveProjectItem, &TMainForm::SaveProjectItemClick);
    item(SaveProjectAsItem, &TMainForm::SaveProjectAsItemClick);
    item(ExitItem, &TMainForm::ExitItemClick);
    item(InfoItem, &TMainForm::InfoItemClick);
    item(Inhalt1, &TMainForm::Inhalt1Click);
    item(TheoryItem, &TMainForm::TheoryItemClick);
    item(ContentsItem, &TMainForm::ContentsItemClick);

    button(NewSignalBtn, &TMainForm::NewSignalBtnClick);
    item(NewSignalItem, &TMainForm::NewSignalBtnClick);
    button(DeleteSignalBtn, &TMainForm::DeleteSignalBtnClick);
    item(DeleteSignalItem, &TMainForm::DeleteSignalBtnClick);
    button(CopySignalBtn, &TMainForm::CopySignalBtnClick);
    item(CopySignalItem, &TMainForm::CopySignalBtnClick);
    button(PasteSignalBtn, &TMainForm::PasteSignalBtnClick);
    item(PasteSignalItem, &TMainForm::PasteSignalBtnClick);
    button(SignalOptionsBtn, &TMainForm::SignalOptionsBtnClick);
    item(EditSignalItem, &TMainForm::SignalOptionsBtnClick);
    item(ConvertItem, &TMainForm::ConvertItemClick);
    item(ExportDiagItem, &TMainForm::ExportDiagItemClick);
    item(N32Harmonische1, &TMainForm::N32Harmonische1Click);
    item(N64Harmonische1, &TMainForm::N64Harmonische1Click);
    item(N128Harmonische1, &TMainForm::N128Harmonische1Click);
    item(ExportTabItem, &TMainForm::ExportTabItemClick);

    connect(SignalListBox, &QListWidget::currentRowChanged, this,
            Guarded([this](int) { SignalListBoxClick(); }));
    SignalListBox->viewport()->installEventFilter(this);

    button(OptionsBtn, &TMainForm::OptionsItemClick);
    item(OptionsItem, &TMainForm::OptionsItemClick);
    button(PlusBtn, &TMainForm::PlusBtnClick);
    button(MinusBtn, &TMainForm::MinusBtnClick);
    button(RangeUpBtn, &TMainForm::RangeUpBtnClick);
    button(RangeDownBtn, &TMainForm::RangeDownBtnClick);

    specbox0->OnMouseDown = [this](QMouseEvent* e) {
        spectra_->PickColumn(0, e->position().toPoint().x());
    };
    specbox1->OnMouseDown = [this](QMouseEvent* e) {
        spectra_->PickColumn(1, e->position().toPoint().x());
    };
    button(SpecModeBtn, &TMainForm::SpecModeBtnClick);
    connect(hBar, &QScrollBar::valueChanged, this,
            Guarded([this](int position) { spectra_->hBarChange(position); }));
    const std::array<QToolButton*, StepButtonCount> steps = StepButtons();
    for (int row = 0; row < StepButtonCount; ++row)
        connect(steps[row], &QToolButton::clicked, this,
                Guarded([this, row] { spectra_->StepButtonClick(row); }));
    SpecEdit->installEventFilter(this);

    // The tone sounds while any mouse button holds the sound button down.
    SoundBtn->installEventFilter(this);
    item(SaveSoundItem, &TMainForm::SaveSoundClick);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    bool handled = false;
    RunCommand([&] {
        // Only keys the user presses and lets go of count, not those of auto-repeat.
        if (watched == SpecEdit &&
            (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->isAutoRepeat()) return;
            if (event->type() == QEvent::KeyPress)
                spectra_->SpecEditKeyPress(key->key());
            else
                spectra_->SpecEditKeyRelease(key->key());
            return;
        }
        const QEvent::Type type = event->type();
        if (watched == SoundBtn) {
            if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
                SoundBtnMouseDown();
            else if (type == QEvent::MouseButtonRelease)
                SoundBtnMouseUp();
            return;
        }
        if (watched != SignalListBox->viewport()) return;
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return;
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::RightButton) {
            // The right button toggles the selected signal, whatever row is under the mouse.
            // A quick second press arrives as a double click: it toggles again and must not
            // reach the list, which would select the row under the pointer.
            SignalListBoxMouseDown();
            handled = true;
        } else if (type == QEvent::MouseButtonDblClick && button == Qt::LeftButton) {
            SignalOptionsBtnClick();
            handled = true;
        }
    });
    return handled || QMainWindow::eventFilter(watched, event);
}

void TMainForm::OptionsItemClick() {
    if (prompts().Exec(*OptionsDlg) == QDialog::Accepted) FormPaint();
}

void TMainForm::SpecModeBtnClick() {
    spectra_->SpecModeBtnClick();
}

std::array<QToolButton*, StepButtonCount> TMainForm::StepButtons() const {
    return {Plus3Btn, Plus2Btn, Plus1Btn, ZeroBtn, Minus1Btn, Minus2Btn, Minus3Btn};
}

void TMainForm::Zoomed(bool changed) {
    // A click at a limit changes nothing and redraws nothing.
    if (changed) DrawLineDiagram();
    diagram_->UpdateZoomButtons();
}

void TMainForm::PlusBtnClick() {
    Zoomed(diagram_->PlusBtnClick());
}

void TMainForm::MinusBtnClick() {
    Zoomed(diagram_->MinusBtnClick());
}

void TMainForm::RangeUpBtnClick() {
    Zoomed(diagram_->RangeUpBtnClick());
}

void TMainForm::RangeDownBtnClick() {
    Zoomed(diagram_->RangeDownBtnClick());
}

void TMainForm::InfoItemClick() {
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

void TMainForm::ExportDiagItemClick() {
    if (ExportLineDiagram(project_.Signals(), SelectedIndex(), Settings))
        prompts().Inform(this, QString::fromUtf8(LineDiagramExportedText));
}

void TMainForm::N32Harmonische1Click() {
    ExportSpectra(32);
}

void TMainForm::N64Harmonische1Click() {
    ExportSpectra(64);
}

void TMainForm::N128Harmonische1Click() {
    ExportSpectra(128);
}

void TMainForm::ExportSpectra(int harmonicCount) {
    ExportHarmonicCount = harmonicCount;
    // Also without a selected signal: the picture then holds grids, labels and titles.
    ::ExportSpectra(SelectedSignal(), Settings, ExportHarmonicCount);
    prompts().Inform(this, QString::fromUtf8(SpectraExportedText));
}

void TMainForm::ExportTabItemClick() {
    if (ExportTable(project_.Signals(), SelectedIndex(), Settings))
        prompts().Inform(this, QString::fromUtf8(TableExportedText));
}

void TMainForm::SoundBtnMouseDown() {
    if (const tSignal* signal = SelectedSignal())
        tone_->PlayTone(*signal, Settings.freq, Settings.sfreq);
}

void TMainForm::SoundBtnMouseUp() {
    tone_->StopTone();
}

void TMainForm::SaveSoundClick() {
    if (!SelectedSignal() || prompts().Exec(*SavewavDlg) != QDialog::Accepted) return;
    WriteToneFile(*SelectedSignal(), SavewavDlg->ChosenFile(), Settings.freq, Settings.sfreq);
}
