// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"

#include <cstdint>
#include <optional>
#include <vector>

// Harmonics in the tone that plays while the sound button is held, and in a saved file.
inline constexpr int PlayedHarmonics = 128;
inline constexpr int SavedHarmonics = 32;

inline constexpr std::size_t WavHeaderSize = 44;
// Below this fundamental no tone is made.
inline constexpr float LowestToneFrequency = 5.0f;

// Samples per second for the setting `sfreq`: 0 11025, 1 22050, 2 44100; any other value
// falls back to 11025, the rate of index 0.
int SampleRateFor(int sfreq);

// A whole number of periods of the fundamental in a whole number of samples, so that the
// image loops without a jump.
struct ToneTiming {
    uint16_t periods; // P = trunc(fo / 10), at least 1
    float duration;   // D = P / fo in seconds
    uint16_t samples; // n = round(R * D)
    float phaseStep;  // g = P / n, periods per sample
};

// Nothing when fo is below 5 Hz (or not a number). A fundamental so high that P would not
// fit 16 bits keeps P at its largest value; should that leave no sample, there is no tone.
std::optional<ToneTiming> ToneTimingFor(float fo, int sampleRate);

// The RIFF/WAVE image (8-bit unsigned mono PCM, 44-byte header) of the signal's harmonics
// 1..highestHarmonic at the fundamental fo, or an empty vector when there is no tone.
// The constant term is not part of the sound; sums beyond the 8-bit range are clipped.
std::vector<uint8_t> BuildSoundImage(const tSignal& signal, float fo, int sfreq,
                                     int highestHarmonic);
