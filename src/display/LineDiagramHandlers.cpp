// The main window's line diagram: redraw requests and the four zoom buttons.
#include "app/MainForm.h"
#include "display/CurveCache.h"
#include "display/LineDiagramPainter.h"
#include "display/PaintBox.h"

#include <QToolButton>

void TMainForm::PaintLineDiagram(QPainter& p) {
    ::PaintLineDiagram(p, Settings, Signals, SelectedIndex(), *curves_);
}

void TMainForm::DrawLineDiagram() {
    diagbox->update();
    if (SelectedSignal()) UpdateMeasures();
}

// Moves a zoom level one step within its table; a click at the limit does nothing.
void TMainForm::StepZoom(int& level, int delta, int highest) {
    const int next = level + delta;
    if (next < 0 || next > highest) return;
    level = next;
    DrawLineDiagram();
    UpdateZoomButtons();
}

void TMainForm::PlusBtnClick() {
    StepZoom(Settings.dxr, -1, 3);
}

void TMainForm::MinusBtnClick() {
    StepZoom(Settings.dxr, +1, 3);
}

void TMainForm::RangeUpBtnClick() {
    StepZoom(Settings.dyr, -1, 6);
}

void TMainForm::RangeDownBtnClick() {
    StepZoom(Settings.dyr, +1, 6);
}
