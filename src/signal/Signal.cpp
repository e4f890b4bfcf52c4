// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/Signal.h"

void tSignal::Reset() {
    Kind = 0;
    PointsIndex = 2;
    Reserved = 0;
    ColorIndex = 0;
    FormulaA0.clear();
    FormulaAn.clear();
    FormulaBn.clear();
    ConstK.clear();
    ConstL.clear();
    ConstM.clear();
    SeriesMode = 0;
    MaxHarmonic = 128;
    Visible = false;
    Amplitude.fill(0.0f);
    Phase.fill(0.0f);
    SupportPoints.fill(0);
}

void tSignal::Assign(const tSignal& source) {
    if (&source == this) return;
    Kind = source.Kind;
    PointsIndex = source.PointsIndex;
    Reserved = source.Reserved;
    ColorIndex = source.ColorIndex;
    FormulaA0 = ToShortString(source.FormulaA0);
    FormulaAn = ToShortString(source.FormulaAn);
    FormulaBn = ToShortString(source.FormulaBn);
    ConstK = ToShortString(source.ConstK);
    ConstL = ToShortString(source.ConstL);
    ConstM = ToShortString(source.ConstM);
    SeriesMode = source.SeriesMode;
    MaxHarmonic = source.MaxHarmonic;
    Visible = source.Visible;
    Amplitude = source.Amplitude;
    Phase = source.Phase;
    SupportPoints = source.SupportPoints;
}

int tSignal::SupportGridIndex(int pointsIndex, int k) {
    return k * (SupportGridSize / SupportPointTotal(pointsIndex));
}

std::string ToShortString(const std::string& text) {
    if (text.size() <= MaxShortStringLength) return text;
    // A character starts at every byte that is not a UTF-8 continuation byte (10xxxxxx).
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 &&
            ++characters > MaxShortStringLength)
            return text.substr(0, i);
    return text;
}
