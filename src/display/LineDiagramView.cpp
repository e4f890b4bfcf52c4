// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/LineDiagramView.h"

#include "display/LineDiagramPainter.h"
#include "project/Project.h"
#include "settings/Settings.h"
#include "ui/PaintBox.h"
#include "ui/ToolIcons.h"
#include "ui/WindowControls.h"

#include <QGroupBox>
#include <QToolButton>

LineDiagramView::LineDiagramView(QWidget* client, const Project& project, const Settings& settings,
                                 std::function<int()> selectedIndex)
    : QObject(client), project_(project), settings_(settings),
      selectedIndex_(std::move(selectedIndex)) {
    QGroupBox* group =
        MakeGroup(client, "GroupBox1", {4, 224, 597, 205},
                  QString::fromUtf8(QT_TRANSLATE_NOOP("Wellenwerk", "Liniendiagramm")));
    diagbox_ = new PaintBox(group, QStringLiteral("diagbox"), {4, 14, 589, 187});
    diagbox_->OnPaint = [this](QPainter& p) {
        PaintLineDiagram(p, canvas_, settings_.Values(), project_.Signals(), selectedIndex_(),
                         curves_);
    };
    auto button = [&](const char* name, int top, const char* hint, ToolIcon icon,
                      void (LineDiagramView::*clicked)()) {
        QToolButton* b =
            MakeToolButton(client, name, {604, top, 25, 25}, QString::fromUtf8(hint), icon);
        connect(b, &QToolButton::clicked, this, clicked);
        return b;
    };
    plusBtn_ = button("PlusBtn", 328, QT_TRANSLATE_NOOP("Wellenwerk", "Winkel/Zeitachse dehnen"),
                      ToolIcon::StretchTime, &LineDiagramView::PlusBtnClicked);
    minusBtn_ =
        button("MinusBtn", 352, QT_TRANSLATE_NOOP("Wellenwerk", "Winkel/Zeitachse stauchen"),
               ToolIcon::SqueezeTime, &LineDiagramView::MinusBtnClicked);
    rangeUpBtn_ =
        button("RangeUpBtn", 380, QT_TRANSLATE_NOOP("Wellenwerk", "Amplitudenachse dehnen"),
               ToolIcon::StretchAmplitude, &LineDiagramView::RangeUpBtnClicked);
    rangeDownBtn_ =
        button("RangeDownBtn", 404, QT_TRANSLATE_NOOP("Wellenwerk", "Amplitudenachse stauchen"),
               ToolIcon::SqueezeAmplitude, &LineDiagramView::RangeDownBtnClicked);
    UpdateZoomButtons();
}

void LineDiagramView::Redraw() {
    diagbox_->update();
}

void LineDiagramView::UpdateZoomButtons() {
    plusBtn_->setEnabled(settings_.CanStretchTime());
    minusBtn_->setEnabled(settings_.CanSqueezeTime());
    rangeUpBtn_->setEnabled(settings_.CanStretchAmplitude());
    rangeDownBtn_->setEnabled(settings_.CanSqueezeAmplitude());
}
