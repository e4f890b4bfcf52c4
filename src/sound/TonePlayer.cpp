// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/TonePlayer.h"

#include "sound/LoopDevice.h"
#include "sound/SoundImage.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {

// The sound server's buffer for the tone. The tone starts as soon as the first part of it is
// filled and stops at once, whatever its length; a buffer well above Qt's 20 ms feeding
// period keeps the server from waiting for a start level it never reaches and the tone from
// running dry while the window is busy for a moment.
constexpr int BufferMilliseconds = 100;

} // namespace

TonePlayer::TonePlayer(QObject* parent) : QObject(parent) {}

TonePlayer::~TonePlayer() {
    if (sink_) sink_->stop();
}

void TonePlayer::PlayTone(const tSignal& signal, float fo, int sfreq) {
    StopTone();
    const std::vector<uint8_t> image = BuildSoundImage(signal, fo, sfreq, PlayedHarmonics);
    if (image.size() <= WavHeaderSize) return;

    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull()) return;
    QAudioFormat format;
    format.setSampleRate(SampleRateFor(sfreq));
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::UInt8);
    if (!output.isFormatSupported(format)) return;

    loop_ = std::make_unique<LoopDevice>(
        QByteArray(reinterpret_cast<const char*>(image.data() + WavHeaderSize),
                   static_cast<qsizetype>(image.size() - WavHeaderSize)));
    loop_->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    sink_ = std::make_unique<QAudioSink>(output, format);
    sink_->setBufferSize(format.bytesForDuration(BufferMilliseconds * 1000));
    sink_->start(loop_.get());
    if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) StopTone();
}

void TonePlayer::StopTone() {
    if (!sink_) return;
    sink_->stop();
    // Qt's sink runs the event loop while it is destroyed. Not here, then, in the middle of a
    // press or release, where the next press or release could slip in, but once the command
    // is over (or with the player, should the program end first). The loop goes with the
    // sink that read it.
    loop_.release()->setParent(sink_.get());
    sink_->setParent(this);
    sink_.release()->deleteLater();
}

bool TonePlayer::Playing() const {
    return sink_ && sink_->state() != QAudio::StoppedState;
}
