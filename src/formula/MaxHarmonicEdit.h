// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSpinBox>

// The highest harmonic a typed text asks for: a whole number, blanks around it allowed,
// clamped to 1..128; any other text counts as 1.
int MaxHarmonicFromText(const QString& text);

// A spin edit for the highest harmonic, 1..128 in steps of 1, that takes any typed text as
// a plain edit field would, so that 500 can be typed and is then used as 128. Its value
// follows MaxHarmonicFromText; leaving the field shows that value.
class MaxHarmonicEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit MaxHarmonicEdit(QWidget* parent);

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
};
