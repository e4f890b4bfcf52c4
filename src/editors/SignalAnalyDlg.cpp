// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/SignalAnalyDlg.h"

#include "editors/WaveformPainter.h"
#include "ui/CommandGuard.h"
#include "ui/HelpSystem.h"
#include "ui/PaintBox.h"
#include "ui/Translatable.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QShortcut>
#include <cmath>

namespace {

constexpr QSize ClientSize{504, 344};
// Top row: name, colour and point count; under it the curve; at the bottom the pointer
// readout and the buttons.
constexpr QRect NameBounds{4, 2, 132, 64};
constexpr QRect ColourBounds{140, 2, 192, 64};
constexpr QRect PointsBounds{336, 2, 164, 64};
constexpr QRect CurveBounds{4, 68, 496, 246};
constexpr QPoint BoxInCurve{7, 16};
constexpr QRect KoordsBounds{10, 320, 69, 17};
constexpr int ButtonsTop = 316;
constexpr QSize ButtonSize{76, 25};

const QStringList PointCountItems{QStringLiteral("8"), QStringLiteral("16"), QStringLiteral("32"),
                                  QStringLiteral("64")};

WaveButton ButtonOf(const QMouseEvent* event) {
    switch (event->button()) {
    case Qt::LeftButton:
        return WaveButton::Left;
    case Qt::RightButton:
        return WaveButton::Right;
    default:
        return WaveButton::Other;
    }
}

// The pixel the pointer is in.
QPoint PixelOf(const QMouseEvent* event) {
    const QPointF at = event->position();
    return {static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))};
}

} // namespace

TSignalAnalyDlg::TSignalAnalyDlg(QWidget* mainWindow, HelpSystem& help)
    : SignalEditorDialog(mainWindow, QStringLiteral("TSignalAnalyDlg"), ClientSize), help_(help) {
    // The main window's small font keeps the top row of groups within the client width.
    setFont(ArialPixels(11));
    AddNameGroup(NameBounds);
    AddColourGroup(ColourBounds);
    CreatePointsGroup();
    CreateCurveGroup();
    koords_ = new QLabel(this);
    koords_->setObjectName(QStringLiteral("koords"));
    koords_->setGeometry(KoordsBounds);
    koords_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    koords_->setAlignment(Qt::AlignCenter);
    const int right = ClientSize.width() - 8;
    auto buttonAt = [](int left) { return QRect({left, ButtonsTop}, ButtonSize); };
    AddButtons(buttonAt(right - 3 * ButtonSize.width() - 16),
               buttonAt(right - 2 * ButtonSize.width() - 8), buttonAt(right - ButtonSize.width()));
}

void TSignalAnalyDlg::CreatePointsGroup() {
    auto* ptsgrp = new QGroupBox(this);
    SetTranslated(ptsgrp, "title", QT_TRANSLATE_NOOP("Wellenwerk", "Stützstellen"));
    ptsgrp->setObjectName(QStringLiteral("Ptsgrp"));
    ptsgrp->setGeometry(PointsBounds);
    ptsButtons_ = new QButtonGroup(this);
    const int column = (PointsBounds.width() - 16) / static_cast<int>(PointCountItems.size());
    for (int i = 0; i < PointCountItems.size(); ++i) {
        auto* item = new QRadioButton(PointCountItems[i], ptsgrp);
        item->setObjectName(QStringLiteral("Ptsgrp%1").arg(i));
        item->setGeometry(8 + column * i, 24, column, 20);
        ptsButtons_->addButton(item, i);
    }
    connect(ptsButtons_, &QButtonGroup::idClicked, this,
            Guarded([this](int index) { PtsgrpClick(index); }));
}

void TSignalAnalyDlg::CreateCurveGroup() {
    auto* kurvenform = new QGroupBox(this);
    SetTranslated(kurvenform, "title", QT_TRANSLATE_NOOP("Wellenwerk", "Kurvenform"));
    kurvenform->setObjectName(QStringLiteral("Kurvenform"));
    kurvenform->setGeometry(CurveBounds);
    box_ = new PaintBox(kurvenform, QStringLiteral("box"),
                        {BoxInCurve, QSize(WaveBoxWidth, WaveBoxHeight)});
    box_->setMouseTracking(true); // the readout follows the pointer without a button held
    box_->OnPaint = [this](QPainter& p) {
        PaintWaveform(p, editing_.Picture(), box_->palette().color(QPalette::Button));
        box_->DrawFocusFrame(p);
        // With the focus, the chosen point is framed as well: the closing point's mark
        // alone would not show it.
        const int k = editing_.SelectedPoint;
        if (box_->hasFocus() && k >= 0) {
            p.setPen(QPen(box_->palette().color(QPalette::Highlight), 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(PointX(editing_.Layout, k) - 4, ValueY(editing_.Value(k)) - 4, 8, 8);
        }
    };
    box_->OnMouseDown = [this](QMouseEvent* e) { boxMouseDown(e); };
    box_->OnMouseMove = [this](QMouseEvent* e) { boxMouseMove(e); };
    box_->OnMouseUp = [this](QMouseEvent*) { boxMouseUp(); };
    box_->setFocusPolicy(Qt::StrongFocus);
    box_->OnKeyPress = [this](QKeyEvent* e) { return boxKeyPress(e); };
    // The strokes of this showing can be taken back and done again until OK or Cancel.
    auto shortcut = [this](QKeySequence keys, void (TSignalAnalyDlg::*handler)()) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                Guarded([this, handler] { (this->*handler)(); }));
    };
    shortcut(QKeySequence::Undo, &TSignalAnalyDlg::UndoStroke);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &TSignalAnalyDlg::RedoStroke);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &TSignalAnalyDlg::RedoStroke);
}

void TSignalAnalyDlg::FormActivate() {
    FocusName(NameEdit());
    koords_->clear(); // the pointer has not been over this drawing yet
    editing_.Load(WorkSignal());
    ShowColourChoice(WorkSignal().ColorIndex);
    VisBox()->setChecked(WorkSignal().Visible);
    ptsButtons_->button(editing_.PointsIndex)->setChecked(true);
    DrawCurve();
}

void TSignalAnalyDlg::PtsgrpClick(int index) {
    editing_.SetPointsIndex(index);
    DrawCurve();
}

void TSignalAnalyDlg::boxMouseDown(QMouseEvent* event) {
    const QPoint at = PixelOf(event);
    RedrawPoints(editing_.MouseDown(ButtonOf(event), at.x(), at.y()));
}

void TSignalAnalyDlg::boxMouseMove(QMouseEvent* event) {
    const QPoint at = PixelOf(event);
    const WaveformEditing::MoveResult result = editing_.MouseMove(at.x(), at.y());
    if (result.koords) koords_->setText(QString::fromStdString(*result.koords));
    RedrawPoints(result.redraw);
}

void TSignalAnalyDlg::boxMouseUp() {
    editing_.MouseUp();
}

bool TSignalAnalyDlg::boxKeyPress(QKeyEvent* event) {
    const int big = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        RedrawPoints(editing_.ChooseNext(event->key() == Qt::Key_Left ? -1 : 1));
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        RedrawPoints(editing_.StepChosen(event->key() == Qt::Key_Up ? big : -big));
        break;
    default:
        return false;
    }
    ShowChosenPoint();
    return true;
}

void TSignalAnalyDlg::ShowChosenPoint() {
    if (const auto text = editing_.ChosenKoords()) koords_->setText(QString::fromStdString(*text));
}

void TSignalAnalyDlg::UndoStroke() {
    if (editing_.Undo()) DrawCurve(), ShowChosenPoint();
}

void TSignalAnalyDlg::RedoStroke() {
    if (editing_.Redo()) DrawCurve(), ShowChosenPoint();
}

void TSignalAnalyDlg::RedrawPoints(const std::vector<int>& points) {
    for (int k : points) {
        const WaveBand band = RedrawBand(editing_.Layout, k);
        box_->UpdateArea({band.left, 0, band.right - band.left, WaveBoxHeight});
    }
}

void TSignalAnalyDlg::DrawCurve() {
    box_->update();
}

bool TSignalAnalyDlg::OKBtnClick() {
    if (!NameIsAccepted()) return false;
    editing_.WriteTo(WorkSignal(), VisBox()->isChecked());
    return true;
}

void TSignalAnalyDlg::HelpBtnClick() {
    help_.ShowKeyword(QStringLiteral("Signalform"));
}
