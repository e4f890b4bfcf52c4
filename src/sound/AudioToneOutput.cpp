// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound output module: plays a tone through Qt Multimedia on the default output.
#include "sound/LoopDevice.h"
#include "sound/ToneOutput.h"

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

class AudioToneOutput final : public QObject, public ToneOutput {
public:
    ~AudioToneOutput() override {
        if (sink_) sink_->stop();
    }

    void Start(const QByteArray& samples, int sampleRate) override {
        Stop();
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (output.isNull()) return;
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::UInt8);
        if (!output.isFormatSupported(format)) return;

        loop_ = std::make_unique<LoopDevice>(samples);
        loop_->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        sink_ = std::make_unique<QAudioSink>(output, format);
        sink_->setBufferSize(format.bytesForDuration(BufferMilliseconds * 1000));
        sink_->start(loop_.get());
        if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) Stop();
    }

    void Stop() override {
        if (!sink_) return;
        sink_->stop();
        // Qt's sink runs the event loop while it is destroyed. Not here, then, in the middle of
        // a press or release, where the next press or release could slip in, but once the
        // command is over (or with the output, should the program end first). The loop goes
        // with the sink that read it.
        loop_.release()->setParent(sink_.get());
        sink_->setParent(this);
        sink_.release()->deleteLater();
    }

    bool Playing() const override { return sink_ && sink_->state() != QAudio::StoppedState; }

private:
    // The loop must outlive the sink that reads it: members go in reverse order.
    std::unique_ptr<LoopDevice> loop_;
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace

extern "C" Q_DECL_EXPORT ToneOutput* wellenwerk_make_tone_output() {
    return new AudioToneOutput;
}
