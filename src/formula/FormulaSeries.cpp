// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/FormulaSeries.h"

#include "formula/Calculator.h"
#include "formula/Mathe.h"
#include "signal/Phase.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace {

// Evaluates a text with the run's calculator; an empty text is 0 without evaluation.
// Nothing when the text failed: the calculator then holds the error.
std::optional<float> Evaluate(TCalculator& calculator, const std::string& text, float k, float l,
                              float m, int n) {
    if (text.empty()) return 0.0f;
    calculator.Prepare(text, k, l, m, static_cast<float>(n));
    const float value = calculator.Evaluate();
    if (calculator.ErrorCode() != 0) return std::nullopt;
    return value;
}

FormulaError ErrorIn(FormulaField field, const TCalculator& calculator) {
    return {field, calculator.ErrorCode(), {CalcErrorText(calculator.ErrorCode()), {}}};
}

// An amplitude beyond MaxAmplitude, which no editor would take: a series made from formulas
// keeps the same limit as one typed into the table.
FormulaError TooLarge(FormulaField field, int n) {
    if (field == FormulaField::A0)
        return {field,
                Mathe::Overflow,
                {QT_TRANSLATE_NOOP("Wellenwerk", "Wert zu groß bei a0: der Gleichanteil 100 · a0 "
                                                 "ist größer als 1E15."),
                 {}}};
    return {field,
            Mathe::Overflow,
            {QT_TRANSLATE_NOOP("Wellenwerk", "Wert zu groß bei %1 für n = %2: die Amplitude "
                                             "100 · √(an² + bn²) ist größer als 1E15."),
             {field == FormulaField::An ? "an" : "bn", std::to_string(n)}}};
}

// The float an amplitude is stored as, or nothing when that is beyond MaxAmplitude.
std::optional<float> Stored(long double amplitude) {
    if (!(std::fabs(amplitude) <= std::numeric_limits<float>::max())) return std::nullopt;
    const auto stored = static_cast<float>(amplitude);
    return IsAllowedAmplitude(stored) ? std::optional(stored) : std::nullopt;
}

bool TakesPart(const tSignal& signal, int n) {
    return n % 2 == 1 ? signal.SeriesMode != 2 : signal.SeriesMode != 1;
}

} // namespace

std::optional<FormulaError> GenerateFromFormulas(tSignal& signal) {
    // One calculator for the run: its random numbers form one sequence, seeded once.
    TCalculator calculator;

    // Each constant sees the ones before it; itself and the later ones are still 0.
    const std::optional<float> k = Evaluate(calculator, signal.ConstK, 0, 0, 0, 0);
    if (!k) return ErrorIn(FormulaField::ConstK, calculator);
    const std::optional<float> l = Evaluate(calculator, signal.ConstL, *k, 0, 0, 0);
    if (!l) return ErrorIn(FormulaField::ConstL, calculator);
    const std::optional<float> m = Evaluate(calculator, signal.ConstM, *k, *l, 0, 0);
    if (!m) return ErrorIn(FormulaField::ConstM, calculator);

    signal.Amplitude.fill(0.0f);
    signal.Phase.fill(0.0f);

    const std::optional<float> a0 = Evaluate(calculator, signal.FormulaA0, *k, *l, *m, 0);
    if (!a0) return ErrorIn(FormulaField::A0, calculator);
    const std::optional<float> amplitude0 = Stored(100.0L * *a0);
    if (!amplitude0) return TooLarge(FormulaField::A0, 0);
    signal.Amplitude[0] = *amplitude0;

    const int last = std::min(signal.MaxHarmonic, MaxHarmonicNumber);
    for (int n = 1; n <= last; ++n) {
        float an = 0;
        float bn = 0;
        if (TakesPart(signal, n)) {
            const std::optional<float> a = Evaluate(calculator, signal.FormulaAn, *k, *l, *m, n);
            if (!a) return ErrorIn(FormulaField::An, calculator);
            const std::optional<float> b = Evaluate(calculator, signal.FormulaBn, *k, *l, *m, n);
            if (!b) return ErrorIn(FormulaField::Bn, calculator);
            an = *a;
            bn = *b;
        }
        const long double an2 = static_cast<long double>(an) * an;
        const long double bn2 = static_cast<long double>(bn) * bn;
        const long double squares = an2 + bn2; // rounded to float before the root
        const std::optional<float> amplitude =
            squares <= std::numeric_limits<float>::max()
                ? Stored(100.0L * std::sqrt(static_cast<long double>(static_cast<float>(squares))))
                : std::nullopt;
        // The text with the larger coefficient is the one that makes the amplitude too large.
        if (!amplitude) return TooLarge(bn2 > an2 ? FormulaField::Bn : FormulaField::An, n);
        signal.Amplitude[n] = *amplitude;
        signal.Phase[n] = CoefficientPhase(an, bn);
    }
    return std::nullopt;
}
