// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/AppSettings.h"

#include <algorithm>
#include <cstdlib>

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
    ansicht = NearestViewScale(ansicht);
    sprache = std::clamp(sprache, static_cast<int>(LanguageFromSystem), static_cast<int>(English));
}

Language EffectiveLanguage(int sprache, std::string_view localeName) {
    if (sprache == German || sprache == English) return static_cast<Language>(sprache);
    const bool english = localeName.starts_with("en") &&
                         (localeName.size() == 2 || localeName[2] == '_' || localeName[2] == '-');
    return english ? English : German;
}

int NearestViewScale(int percent) {
    int best = ViewScales.front();
    for (int scale : ViewScales)
        if (std::abs(scale - percent) < std::abs(best - percent)) best = scale;
    return best;
}

int StepViewScale(int percent, int steps) {
    const auto at = std::find(ViewScales.begin(), ViewScales.end(), NearestViewScale(percent));
    const int index = std::clamp(static_cast<int>(at - ViewScales.begin()) + steps, 0,
                                 static_cast<int>(ViewScales.size()) - 1);
    return ViewScales[static_cast<std::size_t>(index)];
}
