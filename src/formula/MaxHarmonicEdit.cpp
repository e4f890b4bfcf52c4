// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/MaxHarmonicEdit.h"

#include "signal/Signal.h"
#include "text/NumberText.h"

#include <algorithm>

int MaxHarmonicFromText(const QString& text) {
    const int typed = ParseIntSetting(text.toStdString(), 1);
    return std::clamp(typed, 1, MaxHarmonicNumber);
}

MaxHarmonicEdit::MaxHarmonicEdit(QWidget* parent) : QSpinBox(parent) {
    setRange(1, MaxHarmonicNumber);
    setSingleStep(1);
}

QValidator::State MaxHarmonicEdit::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

int MaxHarmonicEdit::valueFromText(const QString& text) const {
    return MaxHarmonicFromText(text);
}
