// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"

#include <QObject>
#include <memory>

class ToneOutput;

// Plays a signal's tone in an endless loop on the default sound output until it is stopped.
// Playing never blocks the window and never reports anything: without a sound output, or
// with one that refuses the tone or goes away while it plays, the program simply stays
// silent.
class TonePlayer : public QObject {
    Q_OBJECT
public:
    explicit TonePlayer(QObject* parent = nullptr);
    ~TonePlayer() override;

    // Stops what plays and starts the tone of the signal's harmonics 1..128 at the
    // fundamental `fo` and the sample rate of index `sfreq`; below 5 Hz nothing plays.
    void PlayTone(const tSignal& signal, float fo, int sfreq);
    // Stops whatever plays; harmless when nothing does.
    void StopTone();
    // Whether a tone is being handed to the sound output now.
    bool Playing() const;

private:
    // Loaded with the first tone; looked for once.
    std::unique_ptr<ToneOutput> output_;
    bool outputLookedFor_ = false;
};
