// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/CurveCache.h"

#include "signal/Synthesis.h"

#include <cstring>

namespace {

// Bitwise comparison: a changed sign of zero or a NaN payload counts as a change, too.
template <typename A> bool SameBits(const A& a, const A& b) {
    return std::memcmp(a.data(), b.data(), sizeof(a)) == 0;
}

} // namespace

const std::vector<float>& CurveCache::Samples(const tSignal& signal, float angleStep, int columns) {
    Entry& e = entries_[&signal];
    e.used = true;
    const bool valid = static_cast<int>(e.samples.size()) == columns &&
                       std::memcmp(&e.angleStep, &angleStep, sizeof angleStep) == 0 &&
                       SameBits(e.amplitude, signal.Amplitude) && SameBits(e.phase, signal.Phase);
    if (!valid) {
        e.amplitude = signal.Amplitude;
        e.phase = signal.Phase;
        e.angleStep = angleStep;
        e.samples.resize(columns);
        SignalCurve(signal, angleStep, e.samples);
    }
    return e.samples;
}

void CurveCache::Sweep() {
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (!it->second.used) {
            it = entries_.erase(it);
        } else {
            it->second.used = false;
            ++it;
        }
    }
}
