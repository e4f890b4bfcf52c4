#include "signal/Synthesis.h"

#include "signal/ExtendedTrig.h"

#include <array>
#include <cmath>
#include <cstring>

float AngleStepFor(int windowDegrees, int columns) {
    // (2 D) pi / (360 columns): the window in radians per column.
    return static_cast<float>((2.0L * windowDegrees) * PiExtended / (360.0L * columns));
}

namespace {

long double HarmonicTerm(const tSignal& signal, int n, int x, float angleStep) {
    const long double arg = static_cast<long double>(x * n) * angleStep + DegToRad(signal.Phase[n]);
    return signal.Amplitude[n] * CosExtendedFast(arg);
}

// The phases in radians of the signal evaluated last. A curve evaluates one signal at
// hundreds of columns in a row; converting its 128 phases once instead of at every column
// saves a division per term, and comparing the phases keeps the result exactly the same.
struct PhaseTerms {
    std::array<float, HarmonicCount> degrees{};
    std::array<long double, HarmonicCount> radians{};
    bool valid = false;

    const std::array<long double, HarmonicCount>& For(const tSignal& signal) {
        if (!valid || std::memcmp(degrees.data(), signal.Phase.data(), sizeof degrees) != 0) {
            degrees = signal.Phase;
            for (int n = 0; n < HarmonicCount; ++n) radians[n] = DegToRad(degrees[n]);
            valid = true;
        }
        return radians;
    }
};

// Sum of the squares of harmonics above the fundamental (S) and of all harmonics (P).
struct PowerSums {
    float above;
    float all;
};

PowerSums HarmonicPowers(const tSignal& signal) {
    int f = 1;
    while (f <= MaxHarmonicNumber && signal.Amplitude[f] == 0.0f) ++f;
    float s = 0.0f;
    for (int n = f + 1; n <= MaxHarmonicNumber; ++n) {
        const long double a = signal.Amplitude[n];
        s = static_cast<float>(s + a * a);
    }
    const long double a1 = f <= MaxHarmonicNumber ? signal.Amplitude[f] : 0.0f;
    return {s, static_cast<float>(a1 * a1 + s)};
}

} // namespace

float SignalValue(const tSignal& signal, int x, float angleStep) {
    thread_local PhaseTerms phases;
    const auto& radians = phases.For(signal);
    const long double step = angleStep;
    float s = signal.Amplitude[0];
    for (int n = 1; n <= MaxHarmonicNumber; ++n) {
        const float a = signal.Amplitude[n];
        if (a > 0.0f) {
            const long double arg = static_cast<long double>(x * n) * step + radians[n];
            s = static_cast<float>(s + a * CosExtendedFast(arg));
        }
    }
    return s;
}

long double HarmonicValue(const tSignal& signal, int n, int x, float angleStep) {
    return HarmonicTerm(signal, n, x, angleStep);
}

float DistortionFactor(const tSignal& signal) {
    const PowerSums p = HarmonicPowers(signal);
    if (p.all == 0.0f) return 1.0f;
    return static_cast<float>(std::sqrt(static_cast<long double>(p.above) / p.all));
}

float RmsValue(const tSignal& signal) {
    const PowerSums p = HarmonicPowers(signal);
    const long double a0 = signal.Amplitude[0];
    return static_cast<float>(std::sqrt(a0 * a0 + static_cast<long double>(p.all) / 2.0L));
}
