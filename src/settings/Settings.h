// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/AppSettings.h"

#include <functional>
#include <string>

// What a change of the settings touched, so that the window redraws what shows it.
enum class SettingsChange {
    Zoom,       // the line diagram's time/angle or amplitude zoom level
    Mode,       // the display mode of the spectra
    Options,    // anything of the settings dialog, or all settings at once
    SoundPath,  // the folder of the sound files (nothing on screen shows it)
    ViewScale,  // the size of the window and its dialogs
    ExportPath, // the folder of exported files (nothing on screen shows it)
};

// The values of the settings dialog, taken over together when it closes with OK.
struct DisplayOptions {
    int sanz = 0;
    int lanz = 0;
    int banz = 0;
    int sfreq = 0;
    float freq = 1000.0f;
    std::array<bool, HarmonicCount> sh{};
    bool stuetz = false;
    int sprache = LanguageFromSystem;
};

// The settings of the running program: every change goes through one of the operations,
// which keep each value in its range and raise exactly one notification when something
// changed. Readers get the values as they are.
class Settings {
public:
    using Listener = std::function<void(SettingsChange change)>;
    void SetListener(Listener listener) { listener_ = std::move(listener); }

    const AppSettings& Values() const { return values_; }
    DisplayOptions Options() const;

    // All values at once (those read at start); brought into their ranges.
    void Replace(const AppSettings& values);

    // Zoom steps of the line diagram; each returns whether the level moved (a step at the
    // end of its range changes nothing and raises nothing).
    bool StretchTime();      // fewer periods
    bool SqueezeTime();      // more periods
    bool StretchAmplitude(); // a smaller amplitude range
    bool SqueezeAmplitude(); // a larger amplitude range
    bool CanStretchTime() const { return values_.dxr > 0; }
    bool CanSqueezeTime() const { return values_.dxr < TimeZoomLevels - 1; }
    bool CanStretchAmplitude() const { return values_.dyr > 0; }
    bool CanSqueezeAmplitude() const { return values_.dyr < AmplitudeZoomLevels - 1; }

    // The next display mode, after the last the first again.
    void NextMode();
    void SetMode(int mode);
    void ApplyOptions(const DisplayOptions& options);
    void SetSoundPath(std::string path);
    void SetExportPath(std::string path);
    // The view size: one of ViewScales, or the one nearest; `steps` places up or down the
    // list. Each returns whether the size changed (only then it notifies).
    bool SetViewScale(int percent);
    bool StepViewScale(int steps);
    // Where the main window stood when the program ended; nothing redraws for it.
    void SetWindowPosition(int left, int top);

private:
    bool StepLevel(int& level, int delta, int levels);
    void Changed(SettingsChange change);

    AppSettings values_;
    Listener listener_;
};
