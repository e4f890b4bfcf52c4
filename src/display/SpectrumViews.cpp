#include "display/SpectrumViews.h"

#include "display/SpectrumPainter.h"
#include "project/Project.h"
#include "settings/AppSettings.h"
#include "signal/NumberFormat.h"
#include "text/NumberText.h"
#include "ui/PaintBox.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>
#include <stdexcept>

SpectrumViews::SpectrumViews(const SpectrumControls& controls, Project& project,
                             AppSettings& settings, std::function<int()> selectedIndex,
                             const std::array<QIcon, 14>& glyphs)
    : c_(controls), project_(project), settings_(settings),
      selectedIndex_(std::move(selectedIndex)), glyphs_(glyphs) {
    c_.specbox0->OnPaint = [this](QPainter& p) { Paint(p, 0); };
    c_.specbox1->OnPaint = [this](QPainter& p) { Paint(p, 1); };
}

SpectrumSelection SpectrumViews::Selection() const {
    return {column_, view_, scroll_, settings_.mode};
}

const tSignal* SpectrumViews::SelectedSignal() const {
    return project_.SignalAt(selectedIndex_());
}

void SpectrumViews::Paint(QPainter& p, int position) const {
    PaintSpectrum(p, SpectrumViewFor(settings_.mode, position), settings_, SelectedSignal(),
                  scroll_, view_ == position ? column_ : -1);
}

void SpectrumViews::RepaintSpectra() {
    c_.specbox0->update();
    c_.specbox1->update();
}

void SpectrumViews::ShowSpectrumTitles() {
    const SpectrumTitles titles = SpectrumTitlesFor(settings_.mode);
    c_.specgroup0->setTitle(QString::fromStdString(titles.upper));
    c_.specgroup1->setTitle(QString::fromStdString(titles.lower));
    RepaintSpectra();
    ShowSelectedValue();
}

void SpectrumViews::SpecModeBtnClick() {
    settings_.mode = (settings_.mode + 1) % DisplayModeCount;
    ShowSpectrumTitles();
    UpdateEditControls();
}

void SpectrumViews::hBarChange(int position) {
    scroll_ = position;
    RepaintSpectra();
}

void SpectrumViews::ShowSelectedValue() {
    const tSignal* s = SelectedSignal();
    if (!s) {
        c_.SpecEdit->clear(); // no signal, no value: nothing of a deleted signal stays
        return;
    }
    if (const auto v = SelectedLineValue(*s, Selection()))
        c_.SpecEdit->setText(QString::fromStdString(FormatDecimal(*v, 10)));
}

void SpectrumViews::UpdateEditControls() {
    const tSignal* s = SelectedSignal();
    const bool editable = s && s->Kind == SpectralLines;
    for (QToolButton* b : c_.steps) b->setEnabled(editable);
    c_.SpecEdit->setEnabled(editable);
    const int column = SelectionView(Selection()) == SpectrumView::Angle ? 1 : 0;
    if (column == glyphColumn_) return;
    glyphColumn_ = column;
    // Only the outer four buttons switch between value and angle steps.
    for (int row : {0, 1, 5, 6}) c_.steps[row]->setIcon(glyphs_[column * 7 + row]);
}

void SpectrumViews::SetSelection(int column, int view) {
    column_ = column;
    view_ = view;
}

void SpectrumViews::PickColumn(int view, int x) {
    const int c = ::PickColumn(x);
    if (c < 0) return;
    if (c == column_ && view == view_) return;
    column_ = c;
    view_ = view;
    // Both views repaint: the highlight may move from one to the other.
    RepaintSpectra();
    ShowSelectedValue();
    UpdateEditControls();
}

void SpectrumViews::StepButtonClick(int row) {
    StepSelectedLine(StepButtonValue(row, SelectionView(Selection())));
}

void SpectrumViews::StepSelectedLine(float step) {
    const SpectrumSelection selection = Selection();
    project_.EditSeries(selectedIndex_(),
                        [&](tSignal& s) { return ::StepSelectedLine(s, selection, step); });
}

void SpectrumViews::SpecEditKeyPress(int key) {
    keysDown_.insert(key);
}

void SpectrumViews::SpecEditKeyRelease(int key) {
    if (keysDown_.erase(key) == 0) return;
    SpecEditKeyUp();
}

void SpectrumViews::SpecEditKeyUp() {
    if (column_ == 0 && view_ == 1) return;
    const std::string text = c_.SpecEdit->text().toStdString();
    const std::optional<int> value = ParseIntegerText(text);
    if (!value) throw std::runtime_error(IntegerConversionMessage(text));
    const SpectrumSelection selection = Selection();
    project_.EditSeries(selectedIndex_(),
                        [&](tSignal& s) { return ApplyTypedValue(s, selection, *value); });
}
