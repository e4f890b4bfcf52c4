// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>

// Number of series entries: the constant term (index 0) and harmonics 1..128.
inline constexpr int HarmonicCount = 129;
inline constexpr int MaxHarmonicNumber = HarmonicCount - 1;
inline constexpr int SupportPointCount = 256;
// One period of a drawn waveform is held on this many grid positions.
inline constexpr int SupportGridSize = 64;
// Formula texts hold at most this many characters (single bytes in a project file).
inline constexpr std::size_t MaxShortStringLength = 255;
// The largest magnitude an amplitude may be given where the user types one. The squares of
// 129 such amplitudes still fit a float, so the RMS value and the distortion factor stay
// finite, and so do the curves and spectra drawn from them.
inline constexpr float MaxAmplitude = 1e15f;
inline bool IsAllowedAmplitude(long double a) {
    return a >= -MaxAmplitude && a <= MaxAmplitude; // false for NaN too
}

// Support points of a waveform: the points index 0..3 stands for 8, 16, 32 or 64 points; a
// value outside (from a file) is taken as the default, 32 points.
inline constexpr int DefaultPointsIndex = 2;
inline constexpr int PointsIndexCount = 4;
inline constexpr int ValidPointsIndex(int pointsIndex) {
    return pointsIndex >= 0 && pointsIndex < PointsIndexCount ? pointsIndex : DefaultPointsIndex;
}

// How a signal's series is formed. Stored as a plain 32-bit integer in the record and in
// project files, where a value outside the three known kinds can occur and is kept.
enum SignalKind : int32_t {
    SpectralLines = 0, // amplitudes and phases edited directly
    Waveform = 1,      // support points drawn with the mouse, analysed into a series
    Formulas = 2,      // coefficient formulas evaluated into a series
};
inline constexpr int SignalKindCount = 3;
inline constexpr bool IsKnownKind(int32_t kind) {
    return kind >= 0 && kind < SignalKindCount;
}

// One periodic signal: s(x) = A0 + sum An * cos(n*x + PHIn), phases in degrees.
// A plain record; its name lives in the project's signal list.
class tSignal {
public:
    int32_t Kind;        // a SignalKind; kept as read from a file when unknown
    int32_t PointsIndex; // waveform: 0..3 for 8, 16, 32, 64 support points
    int32_t Reserved;    // kept with the signal in project files, no other effect
    int32_t ColorIndex;  // 0..7 into SignalPalette / SignalDimPalette
    std::string FormulaA0;
    std::string FormulaAn;
    std::string FormulaBn;
    std::string ConstK;
    std::string ConstL;
    std::string ConstM;
    int32_t SeriesMode;  // formulas: 0 every n, 1 odd n, 2 even n
    int32_t MaxHarmonic; // formulas: highest n evaluated
    bool Visible;
    std::array<float, HarmonicCount> Amplitude;
    std::array<float, HarmonicCount> Phase; // degrees, any range
    std::array<int32_t, SupportPointCount> SupportPoints;

    tSignal() { Reset(); }

    void Reset();
    void Assign(const tSignal& source);

    // Grid index of support point k of a waveform with the given points index.
    static int SupportGridIndex(int pointsIndex, int k);
    static int SupportPointTotal(int pointsIndex) { return 8 << pointsIndex; }
};

// Cuts a UTF-8 text to the number of characters a short string of the record can hold,
// never inside a character.
std::string ToShortString(const std::string& text);
