#include "settings/AppSettings.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

float ClampFrequency(float fo) {
    if (!(fo >= MinFrequency)) return MinFrequency; // also catches NaN
    if (fo > MaxFrequency) return MaxFrequency;
    return fo;
}

void AppSettings::Normalize() {
    dxr = std::clamp(dxr, 0, 3);
    dyr = std::clamp(dyr, 0, 6);
    mode = std::clamp(mode, 0, 2);
    tongue = 1;
    sanz = std::clamp(sanz, 0, 1);
    lanz = std::clamp(lanz, 0, 1);
    banz = std::clamp(banz, 0, 2);
    sfreq = std::clamp(sfreq, 0, 2);
    freq = ClampFrequency(freq);
    if (path.size() > MaxShortStringLength) path.resize(MaxShortStringLength);
}

int ParseIntSetting(const std::string& text, int fallback) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return fallback;
    const auto last = text.find_last_not_of(" \t");
    const std::string body = text.substr(first, last - first + 1);
    std::size_t digitsFrom = (body[0] == '+' || body[0] == '-') ? 1 : 0;
    if (digitsFrom == body.size()) return fallback;
    for (std::size_t i = digitsFrom; i < body.size(); ++i)
        if (body[i] < '0' || body[i] > '9') return fallback;
    errno = 0;
    const long long value = std::strtoll(body.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX) return fallback;
    return static_cast<int>(value);
}
