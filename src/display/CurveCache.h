// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"

#include <array>
#include <unordered_map>
#include <vector>

// Remembers each signal's waveform samples for the line diagram. An entry is reused only
// while the signal's series and the angle step are exactly those it was computed from, so
// the cached samples are always the ones a fresh computation would give.
class CurveCache {
public:
    // SignalValue(signal, x, angleStep) for x = 0..columns-1.
    const std::vector<float>& Samples(const tSignal& signal, float angleStep, int columns);

    // Forgets entries not used since the previous call (signals that were deleted).
    void Sweep();

    int Size() const { return static_cast<int>(entries_.size()); }

private:
    struct Entry {
        std::array<float, HarmonicCount> amplitude;
        std::array<float, HarmonicCount> phase;
        float angleStep;
        std::vector<float> samples;
        bool used;
    };
    std::unordered_map<const tSignal*, Entry> entries_;
};
