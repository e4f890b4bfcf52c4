// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display/SpectrumEditing.h"

#include <QIcon>
#include <QObject>
#include <array>
#include <functional>
#include <set>

class PaintBox;
class Project;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QPainter;
class QScrollBar;
class QToolButton;
class QWidget;
struct AppSettings;

// The two spectrum views with their titles, scroll bar, value field, mode button and step
// buttons, placed in the main window's client area: what they show of the selected signal,
// and editing its spectral lines in place. Changes go through the project, whose
// notification makes the window redraw; the display mode is the window's to change.
class SpectrumViews : public QObject {
    Q_OBJECT
public:
    // `selectedIndex` tells the list entry selected in the window (-1 for none).
    SpectrumViews(QWidget* client, Project& project, const AppSettings& settings,
                  std::function<int()> selectedIndex);

    // Titles for the display mode, both views repainted, the value field refreshed.
    void ShowSpectrumTitles();
    void RepaintSpectra();
    // The selected line's value into the value field (left as it is without a signal).
    void ShowSelectedValue();
    // Step buttons and value field enabled for spectral-line signals only; the glyphs of
    // the four outer step buttons follow the selected view.
    void UpdateEditControls();

    // `mergeKey` joins steps with the same key in a row into one undo step.
    void StepSelectedLine(float step, const std::string& mergeKey = {});
    // Applies the value field's text; throws the conversion error for a text that is not
    // a whole number.
    void SpecEditKeyUp();

    int SpectrumScroll() const { return scroll_; }
    // Paints the step-button glyphs again for a view scale.
    void SetViewScale(double scale);
    // The selected column and view, the scroll position and the display mode.
    SpectrumSelection Selection() const;
    // Selects a line as a pick would, without the repaints (for the window's start).
    void SetSelection(int column, int view);

signals:
    // The mode button was pressed: the display mode is to move on.
    void SpecModeBtnClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls(QWidget* client);
    const tSignal* SelectedSignal() const;
    void Paint(QPainter& p, int position) const;
    void hBarChange(int position);
    // A mouse press at horizontal position x in the upper (0) or lower (1) view.
    void PickColumn(int view, int x);
    void StepButtonClick(int row);
    // The keys of a focused view: columns, views, steps and the way to the value field.
    bool ViewKeyPress(int view, QKeyEvent* event);
    // Left, Right, Home or End: the next harmonic, scrolling the views where it leaves them.
    void MoveColumn(int key);
    void SelectView(int view);
    // After the selection moved: both views, the value field and the step buttons.
    void ShowSelection();

    Project& project_;
    const AppSettings& settings_;
    std::function<int()> selectedIndex_;

    QGroupBox *specgroup0_, *specgroup1_;
    PaintBox *specbox0_, *specbox1_;
    QLineEdit* specEdit_;
    QScrollBar* hBar_;
    QToolButton* specModeBtn_;
    // Plus3Btn .. Minus3Btn, from top to bottom.
    std::array<QToolButton*, StepButtonCount> steps_{};
    std::array<QIcon, 14> glyphs_; // the step-button glyphs by number

    int scroll_ = 0;         // 0..6: the views show harmonics 16 * scroll + 1 .. + 32
    int column_ = 0;         // selected column 0..32
    int view_ = 0;           // 0 upper view, 1 lower view
    int glyphColumn_ = -1;   // glyph column now on the outer step buttons, -1 before the first
    std::set<int> keysDown_; // keys pressed in the value field and not yet released
    bool stepHeld_ = false;  // a step button is down
};
