#include "sound/ToneLevels.h"

#include "signal/ExtendedTrig.h"

#include <algorithm>
#include <cmath>
#include <vector>

// Why not simply cosl: a tone takes up to 8820 x 128 terms, and the extended library cosine
// is far too slow for that at a button press. Each term is therefore first computed in
// double together with a strict bound on its distance from the extended result. Only if the
// float rounding of the partial sum could differ anywhere within that bound (about once in a
// million terms) is the term recomputed the exact way.

namespace {

// Phases beyond this many half turns are not reduced in double; such harmonics always take
// the exact way.
constexpr long double FastPhaseLimit = 0x1p40L;

struct Harmonic {
    int number;
    float amplitude;
    long double halfTurns; // Phi/180, the phase in half turns as the angle uses it
    double reduced;        // halfTurns reduced to -1..1 (an exact reduction, then rounded)
    bool fast;
    // How far amplitude * cos in double may lie from the extended term: fixedError plus
    // turnError per half turn of 2*g*h*i (see Level).
    double fixedError;
    double turnError;
};

std::vector<Harmonic> SoundingHarmonics(const tSignal& signal, int highestHarmonic) {
    std::vector<Harmonic> list;
    for (int i = 1; i <= highestHarmonic; ++i) {
        const float a = signal.Amplitude[i];
        if (a == 0.0f) continue;
        const long double q = static_cast<long double>(signal.Phase[i]) / 180.0L;
        const bool fast = std::fabs(q) < FastPhaseLimit;
        const long double r = fast ? q - 2.0L * std::nearbyint(q / 2.0L) : 0.0L;
        const double size = std::fabs(static_cast<double>(a));
        const double fixedError =
            size * (0x1p-58 * (std::fabs(static_cast<double>(q)) + 2.0) + 0x1p-47);
        list.push_back({i, a, q, static_cast<double>(r), fast, fixedError, size * 0x1p-58});
    }
    return list;
}

// The rules of the tone: angle (t + Phi/180) * pi in extended precision, the term and the
// sum in extended, then rounded to float. t = 2*g*h*i is exact in double.
float ExactStep(float acc, const Harmonic& harmonic, double t) {
    const long double angle = (static_cast<long double>(t) + harmonic.halfTurns) * PiExtended;
    return static_cast<float>(acc + harmonic.amplitude * cosl(angle));
}

// Nearest integer for |x| < 2^51 by the classic add-and-subtract of 1.5 * 2^52.
inline double NearestInteger(double x) {
    constexpr double shifter = 0x1.8p52;
    return (x + shifter) - shifter;
}

float Level(const std::vector<Harmonic>& harmonics, double twiceStep, int h) {
    float acc = 0.0f;
    for (const Harmonic& harmonic : harmonics) {
        // 2*g (24 significant bits) times h*i (below 2^23) needs at most 47 bits: exact.
        const double t = twiceStep * static_cast<double>(h * harmonic.number);
        if (!harmonic.fast || !(std::fabs(t) < 0x1p50)) {
            acc = ExactStep(acc, harmonic, t);
            continue;
        }
        // cos((t + q) * pi) with t and q reduced modulo 2 half turns; both reductions are
        // exact, the sum w errs by at most 2^-51.
        double w = (t - 2.0 * NearestInteger(0.5 * t)) + harmonic.reduced;
        if (w > 1.0)
            w -= 2.0;
        else if (w < -1.0)
            w += 2.0;
        const double c = std::cos(3.14159265358979323846 * w);
        const double term = harmonic.amplitude * c;
        const double sum = acc + term;
        // Distance of c from the extended cosine of the extended angle: the roundings of the
        // extended angle (below 2^-60 of its size in half turns), the reduction, pi and cos in
        // double (together below 1.4e-15) and the extended cosine itself, bounded with ample
        // margin by 2^-58 * (|t| + |q| + 2) + 2^-47; then the roundings of term and sum.
        const double bound = harmonic.fixedError + harmonic.turnError * std::fabs(t) +
                             0x1p-51 * (std::fabs(sum) + std::fabs(term));
        const float low = static_cast<float>(sum - bound);
        const float high = static_cast<float>(sum + bound);
        acc = low == high ? low : ExactStep(acc, harmonic, t);
    }
    return acc;
}

} // namespace

void ComputeToneLevels(const tSignal& signal, int highestHarmonic, float phaseStep,
                       std::span<float> levels) {
    const std::vector<Harmonic> harmonics =
        SoundingHarmonics(signal, std::clamp(highestHarmonic, 0, MaxHarmonicNumber));
    const double twiceStep = 2.0 * static_cast<double>(phaseStep);
    for (std::size_t k = 0; k < levels.size(); ++k)
        levels[k] = Level(harmonics, twiceStep, static_cast<int>(k + 1));
}
