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
    return text.size() <= MaxShortStringLength ? text : text.substr(0, MaxShortStringLength);
}
