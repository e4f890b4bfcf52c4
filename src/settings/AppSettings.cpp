// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/AppSettings.h"

#include <algorithm>

float ClampFrequency(float fo) {
    if (!(fo >= MinFrequency)) return MinFrequency; // also catches NaN
    if (fo > MaxFrequency) return MaxFrequency;
    return fo;
}

void AppSettings::Normalize() {
    dxr = std::clamp(dxr, 0, TimeZoomLevels - 1);
    dyr = std::clamp(dyr, 0, AmplitudeZoomLevels - 1);
    mode = std::clamp(mode, 0, DisplayModeCount - 1);
    tongue = 1;
    sanz = std::clamp(sanz, 0, 1);
    lanz = std::clamp(lanz, 0, 1);
    banz = std::clamp(banz, 0, 2);
    sfreq = std::clamp(sfreq, 0, SampleRateCount - 1);
    freq = ClampFrequency(freq);
}
