// The main window's spectrum views: painting, mode and scrolling, and editing lines in place.
#include "app/Application.h"
#include "app/Glyphs.h"
#include "app/MainForm.h"
#include "display/PaintBox.h"
#include "display/SpectrumEditing.h"
#include "display/SpectrumPainter.h"
#include "signal/NumberFormat.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>

namespace {

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

SpectrumSelection TMainForm::Selection() const {
    return {SelectedHarmonic, SelectedView, SpectrumScroll, Settings.mode};
}

void TMainForm::PaintUpperView(QPainter& p) {
    PaintSpectrum(p, SpectrumViewFor(Settings.mode, 0), Settings, SelectedSignal(), SpectrumScroll,
                  SelectedView == 0 ? SelectedHarmonic : -1);
}

void TMainForm::PaintLowerView(QPainter& p) {
    PaintSpectrum(p, SpectrumViewFor(Settings.mode, 1), Settings, SelectedSignal(), SpectrumScroll,
                  SelectedView == 1 ? SelectedHarmonic : -1);
}

void TMainForm::RepaintSpectra() {
    specbox0->update();
    specbox1->update();
}

void TMainForm::ShowSpectrumTitles() {
    const SpectrumTitles titles = SpectrumTitlesFor(Settings.mode);
    specgroup0->setTitle(Text(titles.upper));
    specgroup1->setTitle(Text(titles.lower));
    RepaintSpectra();
    ShowSelectedValue();
}

void TMainForm::SpecModeBtnClick() {
    Settings.mode = (Settings.mode + 1) % 3;
    ShowSpectrumTitles();
    UpdateEditControls();
}

void TMainForm::hBarChange(int position) {
    SpectrumScroll = position;
    RepaintSpectra();
}

void TMainForm::ShowSelectedValue() {
    const tSignal* s = SelectedSignal();
    if (!s) return;
    if (const auto v = SelectedLineValue(*s, Selection()))
        SpecEdit->setText(Text(FormatDecimal(*v, 10)));
}

void TMainForm::UpdateEditControls() {
    const tSignal* s = SelectedSignal();
    const bool editable = s && s->Kind == 0;
    for (QToolButton* b : StepButtons()) b->setEnabled(editable);
    SpecEdit->setEnabled(editable);
    const int column = SelectionView(Selection()) == SpectrumView::Angle ? 1 : 0;
    const struct {
        QToolButton* button;
        int row;
    } glyphs[] = {{Plus3Btn, 0}, {Plus2Btn, 1}, {Minus2Btn, 5}, {Minus3Btn, 6}};
    if (column == StepGlyphColumn) return;
    StepGlyphColumn = column;
    for (const auto& g : glyphs) g.button->setIcon(StepGlyphIcons[column * 7 + g.row]);
}

std::array<QToolButton*, 7> TMainForm::StepButtons() const {
    return {Plus3Btn, Plus2Btn, Plus1Btn, ZeroBtn, Minus1Btn, Minus2Btn, Minus3Btn};
}

void TMainForm::PickColumn(int view, int x) {
    const int c = ::PickColumn(x);
    if (c < 0) return;
    if (c == SelectedHarmonic && view == SelectedView) return;
    SelectedHarmonic = c;
    SelectedView = view;
    // Both views repaint: the highlight may move from one to the other.
    RepaintSpectra();
    ShowSelectedValue();
    UpdateEditControls();
}

void TMainForm::StepButtonClick(int row) {
    StepSelectedLine(StepButtonValue(row, SelectionView(Selection())));
}

void TMainForm::StepSelectedLine(float step) {
    tSignal* s = SelectedSignal();
    if (!s || !::StepSelectedLine(*s, Selection(), step)) return;
    RepaintSpectra();
    ShowSelectedValue();
    DrawLineDiagram();
    ProjectModified = true;
}

void TMainForm::SpecEditKeyUp() {
    if (SelectedHarmonic == 0 && SelectedView == 1) return;
    const QString text = SpecEdit->text();
    const std::optional<int> value = ParseIntegerText(text.toStdString());
    if (!value) throw ConversionError(text);
    tSignal* s = SelectedSignal();
    if (!s || !ApplyTypedValue(*s, Selection(), *value)) return;
    ShowSelectedValue();
    RepaintSpectra();
    ProjectModified = true;
    DrawLineDiagram();
}
