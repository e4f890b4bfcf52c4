#pragma once

#include "display/CurveCache.h"

#include <functional>

class PaintBox;
class Project;
class QToolButton;
struct AppSettings;

// The main window's controls that belong to the line diagram.
struct LineDiagramControls {
    PaintBox* diagbox;
    QToolButton* PlusBtn;      // fewer periods
    QToolButton* MinusBtn;     // more periods
    QToolButton* RangeUpBtn;   // smaller amplitude range
    QToolButton* RangeDownBtn; // larger amplitude range
};

// The line diagram: every visible signal over the zoomed window, the selected one on top,
// and the four zoom buttons. Curve samples are cached until a signal's series or the zoom
// changes.
class LineDiagramView {
public:
    LineDiagramView(const LineDiagramControls& controls, const Project& project,
                    AppSettings& settings, std::function<int()> selectedIndex);

    // Requests a repaint of the whole diagram.
    void Redraw();
    // Zoom buttons enabled while their level can still move.
    void UpdateZoomButtons();

    // Zoom steps; each returns whether the level changed (a click at the limit does not).
    bool PlusBtnClick();
    bool MinusBtnClick();
    bool RangeUpBtnClick();
    bool RangeDownBtnClick();

private:
    bool StepZoom(int& level, int delta, int levels);

    LineDiagramControls c_;
    const Project& project_;
    AppSettings& settings_;
    std::function<int()> selectedIndex_;
    CurveCache curves_;
};
