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

void TMainForm::PlusBtnClick() {
    if (Settings.dxr <= 0) return;
    --Settings.dxr;
    DrawLineDiagram();
    UpdateZoomButtons();
}

void TMainForm::MinusBtnClick() {
    if (Settings.dxr >= 3) return;
    ++Settings.dxr;
    DrawLineDiagram();
    UpdateZoomButtons();
}

void TMainForm::RangeUpBtnClick() {
    if (Settings.dyr <= 0) return;
    --Settings.dyr;
    DrawLineDiagram();
    UpdateZoomButtons();
}

void TMainForm::RangeDownBtnClick() {
    if (Settings.dyr >= 6) return;
    ++Settings.dyr;
    DrawLineDiagram();
    UpdateZoomButtons();
}
