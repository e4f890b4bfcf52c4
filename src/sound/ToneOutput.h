// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <memory>

// The sound output a tone is handed to. It lives in a module of its own that is loaded when the
// first tone plays: Qt Multimedia and the sound server's libraries it brings along (some twenty
// of them) are not needed for the window to come up, and loading them at start cost a good
// part of the start-up time.
class ToneOutput {
public:
    virtual ~ToneOutput() = default;
    // Plays `samples` (unsigned 8-bit mono at `sampleRate`) in an endless loop until it is
    // stopped; stays silent when no sound output takes them.
    virtual void Start(const QByteArray& samples, int sampleRate) = 0;
    // Stops whatever plays; harmless when nothing does.
    virtual void Stop() = 0;
    virtual bool Playing() const = 0;
};

// The module's one entry point, by this name: a new output the caller owns.
using MakeToneOutputFunction = ToneOutput* (*)();
inline constexpr char MakeToneOutputSymbol[] = "wellenwerk_make_tone_output";

// The output from the module found next to the program, in the install's module folder, or in
// the folder $WELLENWERK_MODULE_DIR names (the tests' build tree); null where there is none or
// it cannot be loaded (the program then plays nothing, as without a sound output).
std::unique_ptr<ToneOutput> LoadToneOutput();
