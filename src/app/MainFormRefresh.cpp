// Refreshing the main window after changes: list items, command states, views and readouts.
#include "app/MainForm.h"

#include "display/LineDiagramView.h"
#include "display/SpectrumViews.h"
#include "signal/NumberFormat.h"
#include "signal/Synthesis.h"

#include <QAction>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

namespace {

// Shows a measure in its readout. A value too wide for the label in the window's font is
// shown in a smaller one rather than cut.
void ShowReadout(QLabel* label, const std::string& text) {
    const QString value = QString::fromStdString(text);
    QFont font = label->parentWidget()->font();
    while (font.pixelSize() > 7 && QFontMetrics(font).horizontalAdvance(value) > label->width())
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
    label->setText(value);
}

} // namespace

int TMainForm::SelectedIndex() const {
    const int row = SignalListBox->currentRow();
    return project_.IsValidIndex(row) ? row : -1;
}

const tSignal* TMainForm::SelectedSignal() const {
    return project_.SignalAt(SelectedIndex());
}

void TMainForm::ProjectChanged(ProjectChange change, int index) {
    switch (change) {
    case ProjectChange::Signals:
        SetListItems(index);
        FormPaint();
        break;
    case ProjectChange::Series:
        spectra_->RepaintSpectra();
        spectra_->ShowSelectedValue();
        DrawLineDiagram();
        break;
    case ProjectChange::Visibility:
        SetListItems(SelectedIndex());
        DrawLineDiagram();
        break;
    case ProjectChange::CopyBuffer:
        UpdateCommands();
        break;
    }
}

void TMainForm::SetListItems(int index) {
    const QSignalBlocker block(SignalListBox);
    SignalListBox->clear();
    for (int i = 0; i < project_.Count(); ++i)
        SignalListBox->addItem(QString::fromStdString(project_.Name(i)));
    SignalListBox->setCurrentRow(project_.IsValidIndex(index) ? index : -1);
    SignalListBox->viewport()->update();
}

void TMainForm::FormPaint() {
    spectra_->ShowSpectrumTitles();
    // The value field and step buttons follow the selected signal's kind after every change,
    // so that a waveform or formula signal can never be edited line by line.
    spectra_->UpdateEditControls();
    UpdateCommands();
    DrawLineDiagram();
}

void TMainForm::UpdateCommands() {
    const bool hasSignals = project_.Count() > 0;
    const tSignal* selected = SelectedSignal();
    SaveProjectBtn->setEnabled(hasSignals);
    SaveProjectItem->setEnabled(hasSignals);
    SaveProjectAsItem->setEnabled(hasSignals);
    for (QToolButton* b : {CopySignalBtn, SignalOptionsBtn, DeleteSignalBtn, SoundBtn})
        b->setEnabled(selected != nullptr);
    for (QAction* a : {CopySignalItem, EditSignalItem, DeleteSignalItem, ExportItem})
        a->setEnabled(selected != nullptr);
    ConvertItem->setEnabled(selected && selected->Kind > SpectralLines);
    const bool copied = project_.CopyBuffer() != nullptr;
    PasteSignalBtn->setEnabled(copied);
    PasteSignalItem->setEnabled(copied);
}

void TMainForm::DrawLineDiagram() {
    diagram_->Redraw();
    UpdateMeasures();
}

void TMainForm::UpdateMeasures() {
    const tSignal* s = SelectedSignal();
    // Without a selected signal the readouts are empty: they never describe a signal that
    // is gone.
    ShowReadout(KlirrLabel, s ? FormatDecimal(DistortionFactor(*s), 4) : std::string());
    ShowReadout(Effektivwertlabel, s ? FormatDecimal(RmsValue(*s), 4) : std::string());
}
