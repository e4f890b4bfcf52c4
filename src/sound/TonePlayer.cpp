// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/TonePlayer.h"

#include "sound/SoundImage.h"
#include "sound/ToneOutput.h"

TonePlayer::TonePlayer(QObject* parent) : QObject(parent) {}

TonePlayer::~TonePlayer() = default;

void TonePlayer::PlayTone(const tSignal& signal, float fo, int sfreq) {
    StopTone();
    const std::vector<uint8_t> image = BuildSoundImage(signal, fo, sfreq, PlayedHarmonics);
    if (image.size() <= WavHeaderSize) return;
    if (!outputLookedFor_) {
        outputLookedFor_ = true;
        output_ = LoadToneOutput();
    }
    if (!output_) return;
    output_->Start(QByteArray(reinterpret_cast<const char*>(image.data() + WavHeaderSize),
                              static_cast<qsizetype>(image.size() - WavHeaderSize)),
                   SampleRateFor(sfreq));
}

void TonePlayer::StopTone() {
    if (output_) output_->Stop();
}

bool TonePlayer::Playing() const {
    return output_ && output_->Playing();
}
