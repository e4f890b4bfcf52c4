#include "display/LineDiagramView.h"

#include "display/LineDiagramPainter.h"
#include "project/Project.h"
#include "settings/AppSettings.h"
#include "ui/PaintBox.h"

#include <QToolButton>

LineDiagramView::LineDiagramView(const LineDiagramControls& controls, const Project& project,
                                 AppSettings& settings, std::function<int()> selectedIndex)
    : c_(controls), project_(project), settings_(settings),
      selectedIndex_(std::move(selectedIndex)) {
    c_.diagbox->OnPaint = [this](QPainter& p) {
        PaintLineDiagram(p, settings_, project_.Signals(), selectedIndex_(), curves_);
    };
}

void LineDiagramView::Redraw() {
    c_.diagbox->update();
}

void LineDiagramView::UpdateZoomButtons() {
    c_.PlusBtn->setEnabled(settings_.dxr > 0);
    c_.MinusBtn->setEnabled(settings_.dxr < TimeZoomLevels - 1);
    c_.RangeUpBtn->setEnabled(settings_.dyr > 0);
    c_.RangeDownBtn->setEnabled(settings_.dyr < AmplitudeZoomLevels - 1);
}

bool LineDiagramView::StepZoom(int& level, int delta, int levels) {
    const int next = level + delta;
    if (next < 0 || next >= levels) return false;
    level = next;
    return true;
}

bool LineDiagramView::PlusBtnClick() {
    return StepZoom(settings_.dxr, -1, TimeZoomLevels);
}

bool LineDiagramView::MinusBtnClick() {
    return StepZoom(settings_.dxr, +1, TimeZoomLevels);
}

bool LineDiagramView::RangeUpBtnClick() {
    return StepZoom(settings_.dyr, -1, AmplitudeZoomLevels);
}

bool LineDiagramView::RangeDownBtnClick() {
    return StepZoom(settings_.dyr, +1, AmplitudeZoomLevels);
}
