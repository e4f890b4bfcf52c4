// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/FourierAnalysis.h"

#include "signal/ExtendedTrig.h"
#include "signal/Phase.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int AnalysedHarmonics = 64;

// Support points are 32-bit integers, and each coefficient is a sum of N of them divided by
// N/2: no amplitude reaches 2^32 (with room for the roundings), so the analysis never gives
// one that an editor would refuse.
static_assert(1.01L * 0x1p32L < MaxAmplitude);

// cos and sin of n*pi*s/M for n = 1..M and s = 0..N-1, in extended precision. They depend
// only on the point count, so each table is computed once with the exact library functions
// and every analysis multiplies the very same values it would get from calling them.
struct TrigTable {
    int points = 0;
    std::vector<long double> cosines; // [(n - 1) * points + s]
    std::vector<long double> sines;

    explicit TrigTable(int pointsIndex) : points(tSignal::SupportPointTotal(pointsIndex)) {
        const int half = points / 2;
        for (int n = 1; n <= half; ++n) {
            for (int s = 0; s < points; ++s) {
                const long double angle = static_cast<long double>(n) * PiExtended * s / half;
                cosines.push_back(cosl(angle));
                sines.push_back(sinl(angle));
            }
        }
    }
};

const TrigTable& TableFor(int pointsIndex) {
    static const std::array<TrigTable, 4> tables{TrigTable(0), TrigTable(1), TrigTable(2),
                                                 TrigTable(3)};
    return tables[pointsIndex];
}

// Sum of x_s * factor_s, each product formed in extended precision and each partial sum
// rounded to float.
float WeightedSum(const std::vector<int32_t>& x, const long double* factors) {
    float sum = 0.0f;
    for (std::size_t s = 0; s < x.size(); ++s)
        sum = static_cast<float>(sum + static_cast<long double>(x[s]) * factors[s]);
    return sum;
}

} // namespace

void AnalyseWaveform(tSignal& signal) {
    const int p = ValidPointsIndex(signal.PointsIndex);
    const TrigTable& table = TableFor(p);
    const int count = table.points;
    const int half = count / 2;

    std::vector<int32_t> x(count);
    for (int s = 0; s < count; ++s) x[s] = signal.SupportPoints[tSignal::SupportGridIndex(p, s)];

    std::array<float, AnalysedHarmonics + 1> a{};
    std::array<float, AnalysedHarmonics + 1> b{};

    float total = 0.0f;
    for (int32_t v : x) total = static_cast<float>(total + static_cast<long double>(v));
    a[0] = static_cast<float>(static_cast<long double>(total) / count);

    for (int n = 1; n <= half; ++n) {
        const std::size_t row = static_cast<std::size_t>(n - 1) * count;
        a[n] = static_cast<float>(static_cast<long double>(WeightedSum(x, &table.cosines[row])) /
                                  half);
        // The sine of the highest harmonic vanishes at every support point; it stays 0.
        if (n < half)
            b[n] = static_cast<float>(static_cast<long double>(WeightedSum(x, &table.sines[row])) /
                                      half);
    }

    signal.Amplitude[0] = a[0];
    for (int n = 1; n <= AnalysedHarmonics; ++n) {
        // The series term A*cos(nx + phi) equals a*cos(nx) + b*sin(nx) for phi = -atan2(b, a).
        const PolarLine line = PolarFromCoefficients(a[n], b[n]);
        signal.Amplitude[n] = line.amplitude;
        signal.Phase[n] = line.phase;
    }
}
