// Refreshing the main window: command states and the readouts under the spectra.
#include "app/MainForm.h"

#include "display/PaintBox.h"
#include "signal/NumberFormat.h"
#include "signal/Synthesis.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

void TMainForm::UpdateCommands() {
    const bool hasSignals = Signals.Count() > 0;
    const tSignal* selected = SelectedSignal();
    SaveProjectBtn->setEnabled(hasSignals);
    SaveProjectItem->setEnabled(hasSignals);
    SaveProjectAsItem->setEnabled(hasSignals);
    for (QToolButton* b : {CopySignalBtn, SignalOptionsBtn, DeleteSignalBtn, SoundBtn})
        b->setEnabled(selected != nullptr);
    for (QAction* a : {CopySignalItem, EditSignalItem, DeleteSignalItem, ExportItem})
        a->setEnabled(selected != nullptr);
    ConvertItem->setEnabled(selected && selected->Kind > 0);
    PasteSignalBtn->setEnabled(CopyBuffer != nullptr);
    PasteSignalItem->setEnabled(CopyBuffer != nullptr);
}

void TMainForm::UpdateMeasures() {
    if (!Klirrfaktorpanel->isVisibleTo(this) || Signals.Count() == 0) return;
    const tSignal* s = SelectedSignal();
    if (!s) {
        KlirrLabel->clear();
        Effektivwertlabel->clear();
        return;
    }
    KlirrLabel->setText(QString::fromStdString(FormatDecimal(DistortionFactor(*s), 4)));
    Effektivwertlabel->setText(QString::fromStdString(FormatDecimal(RmsValue(*s), 4)));
}
