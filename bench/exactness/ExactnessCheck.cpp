// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The fast curves, single harmonics and tones against their definition on a large random
// sample (not part of the test command: it takes about a minute):
//   wellenwerk_exactness_check [signals] [tones] [seed]
// Prints how many floats (and harmonic rows) differ, which must be none, and the largest
// distance of a fast term from the exact extended term, measured relative to the amplitude
// and to the bound that decides when a term is recomputed. Exit code 1 if anything differs
// or a measured distance reaches its bound.
#include "signal/ExactSynthesis.h"
#include "signal/ExtendedTrig.h"
#include "signal/HarmonicSum.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Distances of fast terms from the exact ones, over all terms seen.
struct TermErrors {
    long double worst = 0;      // |fast - exact| / |amplitude|, phases within two turns
    long double worstAny = 0;   // the same for any phase (then the definition's own rounding
                                // of a huge argument dominates)
    long double worstShare = 0; // |fast - exact| / doubt
    long long terms = 0;
    long long recomputed = -1; // terms of SumTerms left in doubt, phases within two turns

    void Add(const SumTerm& term, const Rotation& power, float amplitude, long double exactTerm,
             bool withinTwoTurns) {
        const long double distance = std::fabs(FastTerm(term, power) - exactTerm);
        const long double relative = distance / std::fabs(amplitude);
        if (withinTwoTurns) worst = std::max(worst, relative);
        worstAny = std::max(worstAny, relative);
        worstShare = std::max(worstShare, distance / term.doubt);
        ++terms;
    }
};

// The curve's terms built the way the program builds them, each compared at every column.
void MeasureCurveTerms(const tSignal& s, float step, TermErrors& errors) {
    const long double widest = 560.0L * step;
    std::vector<SumTerm> terms;
    for (int n = 1; n <= 128; ++n) {
        if (!(s.Amplitude[n] > 0)) continue;
        const long double phase = DegToRad(s.Phase[n]);
        terms.push_back(MakeSumTerm(n, s.Amplitude[n], phase, n * widest + std::fabs(phase)));
    }
    const std::vector<Rotation> grid = GridRotations(
        DiagramSampleCount, [&](int x) { return x * static_cast<long double>(step); });
    for (int x = 0; x < DiagramSampleCount; ++x) {
        Rotation power = grid[x];
        int at = 1;
        for (const SumTerm& term : terms) {
            for (; at < term.number; ++at) power = power * grid[x];
            if (!std::isfinite(term.doubt)) continue;
            const float a = s.Amplitude[term.number];
            errors.Add(term, power, a, a * cosl(exact::Argument(s, term.number, x, step)),
                       std::fabs(s.Phase[term.number]) <= 720);
        }
    }
    // How often the sums themselves recompute a term.
    errors.recomputed = std::max(errors.recomputed, 0LL);
    AddSumDoubt(terms, s.Amplitude[0]);
    for (int x = 0; x < DiagramSampleCount; ++x) {
        SumTerms(s.Amplitude[0], terms, grid[x], [&](float sum, std::size_t k) {
            const int n = terms[k].number;
            errors.recomputed += std::fabs(s.Phase[n]) <= 720;
            return static_cast<float>(sum + s.Amplitude[n] * cosl(exact::Argument(s, n, x, step)));
        });
    }
}

// The tone's terms likewise, at every seventh sample.
void MeasureToneTerms(const tSignal& s, float fo, int sfreq, int highest, TermErrors& errors) {
    const auto timing = ToneTimingFor(fo, SampleRateFor(sfreq));
    if (!timing) return;
    const long double twiceStep = 2.0L * timing->phaseStep;
    const int count = timing->samples;
    auto reduced = [](long double t) { return t - 2.0L * std::nearbyint(t / 2.0L); };
    std::vector<SumTerm> terms;
    for (int i = 1; i <= highest; ++i) {
        if (s.Amplitude[i] == 0) continue;
        const long double q = s.Phase[i] / 180.0L;
        const long double phase = std::isfinite(q) ? reduced(q) * PiExtended : q;
        const long double widest = std::fabs(twiceStep * count * i) + std::fabs(q);
        terms.push_back(MakeSumTerm(i, s.Amplitude[i], phase, PiExtended * widest));
    }
    const std::vector<Rotation> grid =
        GridRotations(count + 1, [&](int h) { return reduced(twiceStep * h) * PiExtended; });
    for (int h = 1; h <= count; h += 7) {
        Rotation power = grid[h];
        int at = 1;
        for (const SumTerm& term : terms) {
            for (; at < term.number; ++at) power = power * grid[h];
            if (!std::isfinite(term.doubt)) continue;
            const float a = s.Amplitude[term.number];
            const long double angle =
                (twiceStep * h * term.number + s.Phase[term.number] / 180.0L) * PiExtended;
            errors.Add(term, power, a, a * cosl(angle), std::fabs(s.Phase[term.number]) <= 720);
        }
    }
}

void PrintErrors(const char* what, const TermErrors& e) {
    std::printf("%s: %lld terms; worst |fast - exact| / |amplitude| %.3Le (2^%.1Lf) for phases "
                "within two turns, %.3Le for any; worst |fast - exact| / bound %.3Le\n",
                what, e.terms, e.worst, std::log2(e.worst), e.worstAny, e.worstShare);
    if (e.recomputed >= 0)
        std::printf("%s: %lld terms with phases within two turns recomputed in the sums\n", what,
                    e.recomputed);
}

void Report(const char* what, const exact::Tally& tally) {
    std::printf("%-34s %12lld compared, %lld differing\n", what, tally.compared, tally.differing);
}

} // namespace

int main(int argc, char** argv) {
    const int signals = argc > 1 ? std::atoi(argv[1]) : 500;
    const int tones = argc > 2 ? std::atoi(argv[2]) : 100;
    std::mt19937 random(argc > 3 ? std::atoi(argv[3]) : 2024);

    exact::Tally curves;
    TermErrors curveErrors;
    for (int i = 0; i < signals; ++i) {
        const tSignal s = exact::RandomSignal(random);
        exact::CompareCurves(s, random, curves);
        MeasureCurveTerms(s, DiagramAngleStep(static_cast<int>(random() % 4)), curveErrors);
    }
    exact::Tally tones_;
    TermErrors toneErrors;
    std::uniform_real_distribution<float> decades(std::log10(5.0f), std::log10(25000.0f));
    for (int i = 0; i < tones; ++i) {
        const tSignal s = exact::RandomSignal(random);
        const float fo = std::pow(10.0f, decades(random));
        const int sfreq = static_cast<int>(random() % 3);
        const int highest = random() % 4 ? PlayedHarmonics : SavedHarmonics;
        exact::CompareTone(s, fo, sfreq, highest, tones_);
        MeasureToneTerms(s, fo, sfreq, highest, toneErrors);
    }
    Report("curve columns and harmonic rows:", curves);
    Report("tone samples:", tones_);
    PrintErrors("curve", curveErrors);
    PrintErrors("tone", toneErrors);
    const bool ok = curves.differing == 0 && tones_.differing == 0 &&
                    curveErrors.worstShare < 1.0L && toneErrors.worstShare < 1.0L;
    std::printf("%s\n", ok ? "identical" : "DIFFERENT");
    return ok ? 0 : 1;
}
