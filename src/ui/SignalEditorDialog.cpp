// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SignalEditorDialog.h"

#include "signal/Palette.h"
#include "ui/PaintBox.h"
#include "ui/Translatable.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace {

constexpr int SquareSize = 17;
constexpr int SquareStep = 22;
constexpr Rgb OutlineGrey{128, 128, 128};
const char* const ColourNames[] = {
    QT_TRANSLATE_NOOP("Wellenwerk", "Schwarz"), QT_TRANSLATE_NOOP("Wellenwerk", "Rot"),
    QT_TRANSLATE_NOOP("Wellenwerk", "Grün"),    QT_TRANSLATE_NOOP("Wellenwerk", "Blau"),
    QT_TRANSLATE_NOOP("Wellenwerk", "Magenta"), QT_TRANSLATE_NOOP("Wellenwerk", "Cyan"),
    QT_TRANSLATE_NOOP("Wellenwerk", "Gelb"),    QT_TRANSLATE_NOOP("Wellenwerk", "Weiß")};

} // namespace

SignalEditorDialog::SignalEditorDialog(QWidget* mainWindow, const QString& objectName,
                                       QSize clientSize)
    : FixedDialog(mainWindow, objectName,
                  QString::fromUtf8(QT_TRANSLATE_NOOP("Wellenwerk", "Signaleigenschaften")),
                  clientSize) {}

void SignalEditorDialog::SetSignalName(const QString& name) {
    nameEdit_->setText(name);
}

QString SignalEditorDialog::SignalName() const {
    return nameEdit_->text();
}

void SignalEditorDialog::AddNameGroup(const QRect& bounds) {
    nameEdit_ = ::AddNameGroup(this, bounds, QStringLiteral("GroupBox1"));
}

void SignalEditorDialog::AddColourGroup(const QRect& bounds) {
    auto* group = new QGroupBox(this);
    SetTranslated(group, "title", QT_TRANSLATE_NOOP("Wellenwerk", "Farbe"));
    group->setObjectName(QStringLiteral("GroupBox2"));
    group->setGeometry(bounds);
    for (int i = 0; i < static_cast<int>(colourSquares_.size()); ++i) {
        auto* square = new PaintBox(group, QStringLiteral("c%1").arg(i),
                                    {10 + SquareStep * i, 20, SquareSize, SquareSize});
        square->OnPaint = [this, i](QPainter& p) { PaintSquare(p, i); };
        square->OnMouseDown = [this, i](QMouseEvent*) {
            work_.ColorIndex = i;
            ShowColourChoice(i);
        };
        // By keyboard: Tab to the square, Space or Return chooses it.
        square->setFocusPolicy(Qt::TabFocus);
        SetTranslated(square, "accessibleName", ColourNames[i]);
        square->OnKeyPress = [this, i](QKeyEvent* e) {
            const int key = e->key();
            if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) return false;
            work_.ColorIndex = i;
            ShowColourChoice(i);
            return true;
        };
        colourSquares_[i] = square;
    }
    visBox_ = new QCheckBox(group);
    SetTranslated(visBox_, "text", QT_TRANSLATE_NOOP("Wellenwerk", "sichtbar"));
    visBox_->setObjectName(QStringLiteral("visbox"));
    visBox_->setGeometry(10, 20 + SquareSize + 6, 100, 18);
}

void SignalEditorDialog::ShowColourChoice(int index) {
    shownColour_ = index;
    for (PaintBox* square : colourSquares_) square->update();
}

void SignalEditorDialog::PaintSquare(QPainter& p, int index) const {
    const Rgb c = SignalPalette[index];
    p.fillRect(0, 0, SquareSize, SquareSize, ToQColor(c));
    // The outline lies inside the square: 3 pixels for the chosen colour, else 1.
    const int width = index == shownColour_ ? 3 : 1;
    for (int w = 0; w < width; ++w) {
        p.setPen(ToQColor(OutlineGrey));
        p.drawRect(w, w, SquareSize - 1 - 2 * w, SquareSize - 1 - 2 * w);
    }
    colourSquares_[index]->DrawFocusFrame(p);
}

bool SignalEditorDialog::NameIsAccepted() {
    if (NameAccepted(this, nameEdit_->text())) return true;
    nameEdit_->setFocus();
    return false;
}
