// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/SpectrumViews.h"

#include "display/SpectrumPainter.h"
#include "project/Project.h"
#include "settings/AppSettings.h"
#include "signal/NumberFormat.h"
#include "text/NumberText.h"
#include "ui/CommandGuard.h"
#include "ui/Glyphs.h"
#include "ui/PaintBox.h"
#include "ui/ToolIcons.h"
#include "ui/Translatable.h"
#include "ui/WindowControls.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <stdexcept>

SpectrumViews::SpectrumViews(QWidget* client, Project& project, const AppSettings& settings,
                             std::function<int()> selectedIndex)
    : QObject(client), project_(project), settings_(settings),
      selectedIndex_(std::move(selectedIndex)) {
    const QPixmap strip = PaintStepGlyphs();
    for (int i = 0; i < static_cast<int>(glyphs_.size()); ++i) glyphs_[i] = StepGlyphIcon(strip, i);
    CreateControls(client);
}

void SpectrumViews::SetViewScale(double scale) {
    const QPixmap strip = PaintStepGlyphs(scale);
    for (int i = 0; i < static_cast<int>(glyphs_.size()); ++i) glyphs_[i] = StepGlyphIcon(strip, i);
    for (int row : {2, 3, 4}) steps_[row]->setIcon(glyphs_[row]);
    glyphColumn_ = -1; // the outer four again, from the new glyphs
    UpdateEditControls();
}

void SpectrumViews::CreateControls(QWidget* client) {
    specgroup0_ = MakeGroup(client, "specgroup0", {272, 0, 329, 109}, {});
    specbox0_ = new PaintBox(specgroup0_, QStringLiteral("specbox0"), {6, 14, 317, 91});
    specgroup1_ = MakeGroup(client, "specgroup1", {272, 112, 329, 109}, {});
    specbox1_ = new PaintBox(specgroup1_, QStringLiteral("specbox1"), {6, 14, 317, 91});
    specbox0_->OnPaint = [this](QPainter& p) { Paint(p, 0); };
    specbox1_->OnPaint = [this](QPainter& p) { Paint(p, 1); };
    specbox0_->OnMouseDown = [this](QMouseEvent* e) { PickColumn(0, e->position().toPoint().x()); };
    specbox1_->OnMouseDown = [this](QMouseEvent* e) { PickColumn(1, e->position().toPoint().x()); };
    int view = 0;
    for (PaintBox* box : {specbox0_, specbox1_}) {
        box->setFocusPolicy(Qt::StrongFocus);
        box->OnKeyPress = [this, view](QKeyEvent* e) { return ViewKeyPress(view, e); };
        box->installEventFilter(this);
        // Coming by Tab, the keys act on this view (a click picks its column anyway).
        box->OnFocusIn = [this, view](Qt::FocusReason reason) {
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) SelectView(view);
        };
        ++view;
    }

    // The value field overlaps both groups' frames: made after them, it stays on top.
    QFrame* panel = MakePanel(client, "Panel1", {448, 105, 153, 18},
                              QString::fromUtf8(QT_TRANSLATE_NOOP("Wellenwerk", "Wert:")), 32);
    specEdit_ = new QLineEdit(panel);
    specEdit_->setObjectName(QStringLiteral("SpecEdit"));
    specEdit_->setGeometry(36, 1, 116, 16);
    specEdit_->setFrame(false);
    specEdit_->installEventFilter(this);

    hBar_ = new QScrollBar(Qt::Horizontal, client);
    hBar_->setObjectName(QStringLiteral("hBar"));
    hBar_->setGeometry(511, 222, 86, 16);
    hBar_->setPageStep(1);
    hBar_->setRange(0, MaxSpectrumScroll);
    hBar_->setValue(0);
    connect(hBar_, &QScrollBar::valueChanged, this,
            Guarded([this](int position) { hBarChange(position); }));

    specModeBtn_ = MakeToolButton(
        client, "SpecModeBtn", {604, 6, 25, 26},
        QString::fromUtf8(QT_TRANSLATE_NOOP("Wellenwerk", "Spektrenanzeige umschalten")),
        ToolIcon::SpectrumMode);
    connect(specModeBtn_, &QToolButton::clicked, this, [this] { emit SpecModeBtnClicked(); });

    const char* names[StepButtonCount] = {"Plus3Btn",  "Plus2Btn",  "Plus1Btn", "ZeroBtn",
                                          "Minus1Btn", "Minus2Btn", "Minus3Btn"};
    const int tops[StepButtonCount] = {36, 60, 84, 114, 144, 168, 192};
    for (int row = 0; row < StepButtonCount; ++row) {
        steps_[row] = MakeToolButton(client, names[row], {604, tops[row], 25, 25});
        steps_[row]->setIconSize(QSize(17, 17));
        connect(steps_[row], &QToolButton::clicked, this,
                Guarded([this, row] { StepButtonClick(row); }));
        // The steps of one press of a button, repeats included should it repeat, are one undo
        // step: a press starts a new one. A repeat emits pressed and released again while the
        // button stays down.
        connect(steps_[row], &QToolButton::pressed, this, [this] {
            if (!stepHeld_) project_.EndMerge();
            stepHeld_ = true;
        });
        connect(steps_[row], &QToolButton::released, this,
                [this, row] { stepHeld_ = steps_[row]->isDown(); });
    }
    // The middle three always show value steps; the outer four follow the selected view.
    for (int row : {2, 3, 4}) steps_[row]->setIcon(glyphs_[row]);
}

namespace {

bool IsUndoOrRedo(const QKeyEvent* key) {
    const QKeySequence pressed(key->keyCombination());
    return key->matches(QKeySequence::Undo) ||
           pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) ||
           pressed == QKeySequence(Qt::CTRL | Qt::Key_Y);
}

// The step button whose step a key gives: + and - step by 1, with Shift as the middle
// buttons, with Ctrl as the outer ones; -1 for other keys. A German keyboard gives * and _
// for Shift with + and -; where + itself needs Shift (US keyboards) that Shift does not count,
// while the keypad's + and - always take it.
int StepRowOfKey(const QKeyEvent* key) {
    const Qt::KeyboardModifiers mods = key->modifiers();
    const bool keypad = mods & Qt::KeypadModifier;
    const bool shift = mods & Qt::ShiftModifier;
    const int size = mods & Qt::ControlModifier ? 2 : 0;
    switch (key->key()) {
    case Qt::Key_Plus:
        return 2 - std::max(size, shift && keypad ? 1 : 0);
    case Qt::Key_Asterisk:
        return keypad ? -1 : 1;
    case Qt::Key_Minus:
        return 4 + std::max(size, shift ? 1 : 0);
    case Qt::Key_Underscore:
        return 5;
    default:
        return -1;
    }
}

} // namespace

bool SpectrumViews::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // Ctrl with + and - steps by the outer buttons while a view has the focus; elsewhere the
    // same keys change the view size.
    if (watched != specEdit_ && type == QEvent::ShortcutOverride &&
        StepRowOfKey(static_cast<QKeyEvent*>(event)) >= 0) {
        event->accept();
        return true;
    }
    // The window's undo and redo keys must reach the menu, not the field's own text undo;
    // the keys held for them must not apply the field's text when they are let go.
    if (watched == specEdit_ && type == QEvent::ShortcutOverride &&
        IsUndoOrRedo(static_cast<QKeyEvent*>(event))) {
        keysDown_.clear();
        return true;
    }
    // Typing into the field again after it had lost the focus is a new undo step.
    if (watched == specEdit_ && type == QEvent::FocusIn) project_.EndMerge();
    // The field has no frame of its own: its panel shows the focus by sinking in.
    if (watched == specEdit_ && (type == QEvent::FocusIn || type == QEvent::FocusOut))
        static_cast<QFrame*>(specEdit_->parentWidget())
            ->setFrameShadow(type == QEvent::FocusIn ? QFrame::Sunken : QFrame::Raised);
    // Only keys the user presses and lets go of count, not those of auto-repeat.
    if (watched == specEdit_ && (type == QEvent::KeyPress || type == QEvent::KeyRelease)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            RunCommand([&] {
                if (type == QEvent::KeyPress)
                    keysDown_.insert(key->key());
                else if (keysDown_.erase(key->key()) > 0)
                    // Only the release of a key whose press the field also received applies
                    // the text: the release of the Enter or Escape that closed an error box
                    // must not open the box again.
                    SpecEditKeyUp();
            });
    }
    return QObject::eventFilter(watched, event);
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
    (position == 0 ? specbox0_ : specbox1_)->DrawFocusFrame(p);
}

void SpectrumViews::RepaintSpectra() {
    specbox0_->update();
    specbox1_->update();
}

void SpectrumViews::ShowSpectrumTitles() {
    const SpectrumTitles titles = SpectrumTitlesFor(settings_.mode);
    specgroup0_->setTitle(Translated(titles.upper.c_str()));
    specgroup1_->setTitle(Translated(titles.lower.c_str()));
    RepaintSpectra();
    ShowSelectedValue();
}

void SpectrumViews::hBarChange(int position) {
    scroll_ = position;
    RepaintSpectra();
}

void SpectrumViews::ShowSelectedValue() {
    const tSignal* s = SelectedSignal();
    if (!s) {
        specEdit_->clear(); // no signal, no value: nothing of a deleted signal stays
        return;
    }
    if (const auto v = SelectedLineValue(*s, Selection()))
        specEdit_->setText(ShownNumber(FormatDecimal(*v, 10)));
}

void SpectrumViews::UpdateEditControls() {
    const tSignal* s = SelectedSignal();
    const bool editable = s && s->Kind == SpectralLines;
    for (QToolButton* b : steps_) b->setEnabled(editable);
    specEdit_->setEnabled(editable);
    const int column = SelectionView(Selection()) == SpectrumView::Angle ? 1 : 0;
    if (column == glyphColumn_) return;
    glyphColumn_ = column;
    // Only the outer four buttons switch between value and angle steps.
    for (int row : {0, 1, 5, 6}) steps_[row]->setIcon(glyphs_[column * 7 + row]);
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
    ShowSelection();
}

void SpectrumViews::ShowSelection() {
    // Both views repaint: the highlight may move from one to the other.
    RepaintSpectra();
    ShowSelectedValue();
    UpdateEditControls();
}

void SpectrumViews::SelectView(int view) {
    if (view == view_) return;
    view_ = view;
    ShowSelection();
}

void SpectrumViews::MoveColumn(int key) {
    const ColumnMove move = key == Qt::Key_Home    ? ColumnMove::Home
                            : key == Qt::Key_End   ? ColumnMove::End
                            : key == Qt::Key_Right ? ColumnMove::Right
                                                   : ColumnMove::Left;
    const SpectrumSelection moved = ::MoveColumn(Selection(), move);
    column_ = moved.column;
    hBar_->setValue(moved.scroll); // repaints the views when it scrolls
    ShowSelection();
}

bool SpectrumViews::ViewKeyPress(int view, QKeyEvent* event) {
    const int key = event->key();
    const int row = StepRowOfKey(event);
    const bool arrow = key >= Qt::Key_Home && key <= Qt::Key_Down; // Home, End and the arrows
    if (!arrow && row < 0 && key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    // The keys act on the focused view.
    SelectView(view);
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End) {
        MoveColumn(key);
    } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
        const int other = key == Qt::Key_Up ? 0 : 1;
        SelectView(other);
        (other == 0 ? specbox0_ : specbox1_)->setFocus(Qt::OtherFocusReason);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        specEdit_->setFocus(Qt::OtherFocusReason);
        specEdit_->selectAll();
    } else if (row >= 0) {
        // A held key's repeats are one undo step.
        if (!event->isAutoRepeat()) project_.EndMerge();
        if (steps_[row]->isEnabled()) StepButtonClick(row);
    }
    return true;
}

void SpectrumViews::StepButtonClick(int row) {
    StepSelectedLine(StepButtonValue(row, SelectionView(Selection())), "Schritt");
}

void SpectrumViews::StepSelectedLine(float step, const std::string& mergeKey) {
    const SpectrumSelection selection = Selection();
    project_.EditSeries(
        selectedIndex_(), [&](tSignal& s) { return ::StepSelectedLine(s, selection, step); },
        mergeKey);
}

void SpectrumViews::SpecEditKeyUp() {
    if (column_ == 0 && view_ == 1) return;
    const std::string text = specEdit_->text().toStdString();
    const std::optional<int> value = ParseIntegerText(text);
    if (!value) throw std::runtime_error(IntegerConversionMessage(text));
    const SpectrumSelection selection = Selection();
    project_.EditSeries(
        selectedIndex_(), [&](tSignal& s) { return ApplyTypedValue(s, selection, *value); },
        "Wert");
}
