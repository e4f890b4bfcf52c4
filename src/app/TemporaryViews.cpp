#include "app/MainForm.h"
#include "display/PaintBox.h"
void TMainForm::ShowSpectrumTitles() {
    specbox0->update();
    specbox1->update();
}
void TMainForm::UpdateEditControls() {}
void TMainForm::DrawLineDiagram() {
    diagbox->update();
    if (SelectedSignal()) UpdateMeasures();
}
