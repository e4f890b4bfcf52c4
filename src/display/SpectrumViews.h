#pragma once

#include "display/SpectrumEditing.h"

#include <QIcon>
#include <array>
#include <functional>
#include <set>

class PaintBox;
class Project;
class QGroupBox;
class QLineEdit;
class QPainter;
class QToolButton;
struct AppSettings;

// The main window's controls that belong to the two spectrum views.
struct SpectrumControls {
    QGroupBox* specgroup0;
    QGroupBox* specgroup1;
    PaintBox* specbox0;
    PaintBox* specbox1;
    QLineEdit* SpecEdit;
    // Step buttons from top to bottom: Plus3Btn .. Minus3Btn.
    std::array<QToolButton*, StepButtonCount> steps;
};

// The two spectrum views with their scroll bar, value field and step buttons: what they
// show of the selected signal, and editing its spectral lines in place. Changes go through
// the project, whose notification makes the window redraw.
class SpectrumViews {
public:
    // `selectedIndex` tells the list entry selected in the window (-1 for none); `glyphs`
    // are the fourteen step-button glyphs.
    SpectrumViews(const SpectrumControls& controls, Project& project, AppSettings& settings,
                  std::function<int()> selectedIndex, const std::array<QIcon, 14>& glyphs);

    // Titles for the display mode, both views repainted, the value field refreshed.
    void ShowSpectrumTitles();
    void RepaintSpectra();
    // The selected line's value into the value field (left as it is without a signal).
    void ShowSelectedValue();
    // Step buttons and value field enabled for spectral-line signals only; the glyphs of
    // the four outer step buttons follow the selected view.
    void UpdateEditControls();

    void SpecModeBtnClick();
    void hBarChange(int position);
    // A mouse press at horizontal position x in the upper (0) or lower (1) view.
    void PickColumn(int view, int x);
    void StepButtonClick(int row);
    void StepSelectedLine(float step);
    // Applies the value field's text; throws the conversion error for a text that is not
    // a whole number.
    void SpecEditKeyUp();
    // Key presses and releases in the value field (auto-repeat left out). Only the release
    // of a key whose press the field also received applies the text: the release of the
    // Enter or Escape that closed an error box must not open the box again.
    void SpecEditKeyPress(int key);
    void SpecEditKeyRelease(int key);

    int SpectrumScroll() const { return scroll_; }
    // Selects a line as a pick would, without the repaints (for the window's start).
    void SetSelection(int column, int view);

private:
    SpectrumSelection Selection() const;
    const tSignal* SelectedSignal() const;
    void Paint(QPainter& p, int position) const;

    SpectrumControls c_;
    Project& project_;
    AppSettings& settings_;
    std::function<int()> selectedIndex_;
    const std::array<QIcon, 14>& glyphs_;
    int scroll_ = 0;         // 0..6: the views show harmonics 16 * scroll + 1 .. + 32
    int column_ = 0;         // selected column 0..32
    int view_ = 0;           // 0 upper view, 1 lower view
    int glyphColumn_ = -1;   // glyph column now on the outer step buttons, -1 before the first
    std::set<int> keysDown_; // keys pressed in the value field and not yet released
};
