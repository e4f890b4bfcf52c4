// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>

#include "signal/Signal.h"

// How the spectrum views, the harmonics table and the exports show a series (the setting
// "mode"): magnitude and phase of the cosine form, cosine and sine coefficients, or
// magnitude and the phase of the sine form.
enum DisplayMode : int {
    MagnitudeAndPhase = 0,
    CosineAndSine = 1,
    MagnitudeAndSinePhase = 2,
};
inline constexpr int DisplayModeCount = 3;

// Number of zoom levels of the line diagram's time/angle axis ("dxr") and amplitude axis
// ("dyr"); the zoom tables of the diagram have exactly these many rows.
inline constexpr int TimeZoomLevels = 4;
inline constexpr int AmplitudeZoomLevels = 7;
// Number of sample rates the sound offers ("sfreq").
inline constexpr int SampleRateCount = 3;

// The languages of the interface ("sprache"); German is the one the texts are written in.
enum Language : int {
    LanguageFromSystem = -1, // never chosen: the system's language decides at each start
    German = 0,
    English = 1,
};
// The language the interface speaks for the setting and the system locale's name ("en_GB",
// "de-AT", "C"): English for an English locale, German for every other.
Language EffectiveLanguage(int sprache, std::string_view localeName);

// The display and sound settings kept per user between runs. Field names are the names
// under which the values are stored.
struct AppSettings {
    int left = 2;
    int top = 2;
    int dxr = 1;                          // time/angle zoom level 0..3
    int dyr = 2;                          // amplitude zoom level 0..6
    std::string path;                     // folder last used for sound files
    int mode = CosineAndSine;             // a DisplayMode
    int tongue = 1;                       // language of the info dialog: always German
    int sanz = 0;                         // spectrum axis: 0 harmonic numbers, 1 frequencies
    int lanz = 0;                         // line diagram axis: 0 angle, 1 time
    int banz = 0;                         // background: 0 grey, 1 white, 2 black
    int sfreq = 0;                        // sample rate index 0..2
    float freq = 1000.0f;                 // fundamental frequency fo in Hz
    std::array<bool, HarmonicCount> sh{}; // draw harmonic n of the selected signal alone
    // Kept under keys of their own, which older versions of the program leave alone.
    int ansicht = 100;                // view size in percent, one of ViewScales
    bool stuetz = false;              // draw a waveform signal's support points behind its curve
    std::string exportpath;           // folder of the last picture or table saved into a file
    int sprache = LanguageFromSystem; // the interface's language, a Language or the system's

    // Brings every value that the program uses as a table index into its table, and the
    // frequency into 0.1..25000 Hz.
    void Normalize();
};

// The view sizes the program offers, in percent: the window and its dialogs are drawn this
// much larger, every geometry rule kept in the units of 100 %.
inline constexpr std::array<int, 5> ViewScales{100, 125, 150, 200, 300};
// The offered size nearest to `percent` (the smaller of two as near).
int NearestViewScale(int percent);
// The offered size `steps` places from `percent` (after bringing it to an offered one),
// held at the smallest and the largest.
int StepViewScale(int percent, int steps);

inline constexpr float MinFrequency = 0.1f;
inline constexpr float MaxFrequency = 25000.0f;

float ClampFrequency(float fo);
