// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/MeasureReadouts.h"

#include "signal/NumberFormat.h"
#include "signal/Synthesis.h"
#include "ui/Translatable.h"
#include "ui/WindowControls.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>

namespace {

// The value label of a readout panel: right after the caption's text, up to the panel's
// inner edge, so that the widest values the readouts show fit.
QLabel* AddReadout(QFrame* panel, const char* name) {
    const auto* caption = panel->findChild<QLabel*>();
    const int left = caption->x() + caption->fontMetrics().horizontalAdvance(caption->text()) + 2;
    auto* value = new QLabel(panel);
    value->setObjectName(QString::fromLatin1(name));
    value->setGeometry(left, 1, panel->width() - 1 - left, panel->height() - 2);
    return value;
}

// A value too wide for the label in the window's font is shown in a smaller one rather
// than cut.
void ShowReadout(QLabel* label, const std::string& text) {
    const QString value = ShownNumber(text);
    QFont font = label->parentWidget()->font();
    while (font.pixelSize() > 7 && QFontMetrics(font).horizontalAdvance(value) > label->width())
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
    label->setText(value);
}

} // namespace

MeasureReadouts::MeasureReadouts(QWidget* client) {
    rms_ = AddReadout(MakePanel(client, "Effektivwertpanel", {272, 221, 117, 18},
                                QString::fromUtf8(QT_TRANSLATE_NOOP("Wellenwerk", "Effektivwert:")),
                                62),
                      "Effektivwertlabel");
    distortion_ = AddReadout(
        MakePanel(client, "Klirrfaktorpanel", {392, 221, 117, 18},
                  QString::fromUtf8(QT_TRANSLATE_NOOP("Wellenwerk", "Klirrfaktor:")), 56),
        "KlirrLabel");
}

void MeasureReadouts::Show(const tSignal* s) {
    ShowReadout(distortion_, s ? FormatDecimal(DistortionFactor(*s), 4) : std::string());
    ShowReadout(rms_, s ? FormatDecimal(RmsValue(*s), 4) : std::string());
}
