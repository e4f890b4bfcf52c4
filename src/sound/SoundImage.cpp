// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundImage.h"

#include "sound/ToneLevels.h"

#include <cmath>
#include <cstring>
#include <limits>

int SampleRateFor(int sfreq) {
    switch (sfreq) {
    case 1:
        return 22050;
    case 2:
        return 44100;
    default: // 0, and any index the settings never produce
        return 11025;
    }
}

std::optional<ToneTiming> ToneTimingFor(float fo, int sampleRate) {
    if (!(fo >= LowestToneFrequency) || !std::isfinite(fo)) return std::nullopt;
    constexpr long double most = std::numeric_limits<uint16_t>::max();
    long double periods = std::trunc(static_cast<long double>(fo) / 10.0L);
    if (periods < 1.0L) periods = 1.0L;
    if (periods > most) periods = most;
    const float duration = static_cast<float>(periods / fo);
    const long double samples = std::nearbyint(static_cast<long double>(sampleRate) * duration);
    if (samples < 1.0L || samples > most) return std::nullopt;
    const float step = static_cast<float>(periods / samples);
    return ToneTiming{static_cast<uint16_t>(periods), duration, static_cast<uint16_t>(samples),
                      step};
}

namespace {

void Put32(std::vector<uint8_t>& image, std::size_t at, uint32_t value) {
    for (int k = 0; k < 4; ++k) image[at + k] = static_cast<uint8_t>(value >> (8 * k));
}

void Put16(std::vector<uint8_t>& image, std::size_t at, uint16_t value) {
    image[at] = static_cast<uint8_t>(value);
    image[at + 1] = static_cast<uint8_t>(value >> 8);
}

void PutTag(std::vector<uint8_t>& image, std::size_t at, const char (&tag)[5]) {
    std::memcpy(&image[at], tag, 4);
}

void WriteHeader(std::vector<uint8_t>& image, uint32_t rate, uint32_t samples) {
    PutTag(image, 0, "RIFF");
    Put32(image, 4, 36 + samples);
    PutTag(image, 8, "WAVE");
    PutTag(image, 12, "fmt ");
    Put32(image, 16, 16); // format chunk size
    Put16(image, 20, 1);  // PCM
    Put16(image, 22, 1);  // mono
    Put32(image, 24, rate);
    Put32(image, 28, rate); // bytes per second: one byte per sample
    Put16(image, 32, 1);    // block alignment
    Put16(image, 34, 8);    // bits per sample
    PutTag(image, 36, "data");
    Put32(image, 40, samples);
}

// 128 is silence. A level that is not a number (an unusable amplitude) is silence too.
uint8_t SampleByte(float level) {
    if (std::isnan(level)) return 128;
    if (level > 127.0f) level = 127.0f;
    if (level < -128.0f) level = -128.0f;
    return static_cast<uint8_t>(static_cast<int>(std::nearbyint(level)) + 128);
}

} // namespace

std::vector<uint8_t> BuildSoundImage(const tSignal& signal, float fo, int sfreq,
                                     int highestHarmonic) {
    const int rate = SampleRateFor(sfreq);
    const std::optional<ToneTiming> timing = ToneTimingFor(fo, rate);
    if (!timing) return {};
    std::vector<uint8_t> image(WavHeaderSize + timing->samples);
    WriteHeader(image, static_cast<uint32_t>(rate), timing->samples);
    std::vector<float> levels(timing->samples);
    ComputeToneLevels(signal, highestHarmonic, timing->phaseStep, levels);
    for (std::size_t k = 0; k < levels.size(); ++k)
        image[WavHeaderSize + k] = SampleByte(levels[k]);
    return image;
}
