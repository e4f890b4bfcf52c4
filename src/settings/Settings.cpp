// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/Settings.h"

#include <algorithm>

void Settings::Changed(SettingsChange change) {
    if (listener_) listener_(change);
}

DisplayOptions Settings::Options() const {
    return {values_.sanz, values_.lanz, values_.banz,   values_.sfreq,
            values_.freq, values_.sh,   values_.stuetz, values_.sprache};
}

void Settings::Replace(const AppSettings& values) {
    values_ = values;
    values_.Normalize();
    Changed(SettingsChange::Options);
}

bool Settings::StepLevel(int& level, int delta, int levels) {
    const int next = level + delta;
    if (next < 0 || next >= levels) return false;
    level = next;
    Changed(SettingsChange::Zoom);
    return true;
}

bool Settings::StretchTime() {
    return StepLevel(values_.dxr, -1, TimeZoomLevels);
}

bool Settings::SqueezeTime() {
    return StepLevel(values_.dxr, +1, TimeZoomLevels);
}

bool Settings::StretchAmplitude() {
    return StepLevel(values_.dyr, -1, AmplitudeZoomLevels);
}

bool Settings::SqueezeAmplitude() {
    return StepLevel(values_.dyr, +1, AmplitudeZoomLevels);
}

void Settings::NextMode() {
    SetMode((values_.mode + 1) % DisplayModeCount);
}

void Settings::SetMode(int mode) {
    values_.mode = std::clamp(mode, 0, DisplayModeCount - 1);
    Changed(SettingsChange::Mode);
}

void Settings::ApplyOptions(const DisplayOptions& options) {
    values_.sanz = options.sanz;
    values_.lanz = options.lanz;
    values_.banz = options.banz;
    values_.sfreq = options.sfreq;
    values_.freq = options.freq;
    values_.sh = options.sh;
    values_.stuetz = options.stuetz;
    values_.sprache = options.sprache;
    values_.Normalize();
    Changed(SettingsChange::Options);
}

void Settings::SetSoundPath(std::string path) {
    values_.path = std::move(path);
    Changed(SettingsChange::SoundPath);
}

void Settings::SetExportPath(std::string path) {
    values_.exportpath = std::move(path);
    Changed(SettingsChange::ExportPath);
}

bool Settings::SetViewScale(int percent) {
    const int scale = NearestViewScale(percent);
    if (scale == values_.ansicht) return false;
    values_.ansicht = scale;
    Changed(SettingsChange::ViewScale);
    return true;
}

bool Settings::StepViewScale(int steps) {
    return SetViewScale(::StepViewScale(values_.ansicht, steps));
}

void Settings::SetWindowPosition(int left, int top) {
    values_.left = left;
    values_.top = top;
}
