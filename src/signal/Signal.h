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
// Formula texts are single-byte strings of at most this many characters.
inline constexpr std::size_t MaxShortStringLength = 255;

// One periodic signal: s(x) = A0 + sum An * cos(n*x + PHIn), phases in degrees.
// A plain record; its name lives in the project's signal list.
class tSignal {
public:
    int32_t Kind;        // 0 spectral lines, 1 waveform, 2 formulas
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

// Cuts a text to the length a short string of the record can hold.
std::string ToShortString(const std::string& text);
