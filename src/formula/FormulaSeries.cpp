#include "formula/FormulaSeries.h"

#include "formula/Calculator.h"
#include "formula/Mathe.h"
#include "signal/Phase.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace {

// Evaluates formula texts; an empty text is 0 without evaluation. Afterwards a non-zero
// Mathe::ErrorCode means the text failed.
class Formula {
public:
    // A text evaluated once, with n = 0.
    static float Once(const std::string& text, float k, float l, float m) {
        Formula formula(text, k, l, m);
        return formula.At(0);
    }

    // A text evaluated for harmonic after harmonic: prepared once, only N changes.
    Formula(const std::string& text, float k, float l, float m) : empty_(text.empty()) {
        if (!empty_) calculator_.Prepare(text, k, l, m, 0);
    }

    float At(int n) {
        if (empty_) return 0;
        calculator_.N = static_cast<float>(n);
        return calculator_.Evaluate();
    }

private:
    bool empty_;
    TCalculator calculator_;
};

FormulaError ErrorIn(FormulaField field) {
    return {field, Mathe::ErrorCode, TCalculator().ErrorText()};
}

// An amplitude beyond MaxAmplitude, which no editor would take: a series made from formulas
// keeps the same limit as one typed into the table.
FormulaError TooLarge(FormulaField field, int n) {
    if (field == FormulaField::A0)
        return {field, Mathe::Overflow,
                "Wert zu groß bei a0: der Gleichanteil 100 · a0 ist größer als 1E15."};
    return {field, Mathe::Overflow,
            std::string("Wert zu groß bei ") + (field == FormulaField::An ? "an" : "bn") +
                " für n = " + std::to_string(n) +
                ": die Amplitude 100 · √(an² + bn²) ist größer als 1E15."};
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
    Mathe::ErrorCode = 0;

    // Each constant sees the ones before it; itself and the later ones are still 0.
    const float k = Formula::Once(signal.ConstK, 0, 0, 0);
    if (Mathe::ErrorCode != 0) return ErrorIn(FormulaField::ConstK);
    const float l = Formula::Once(signal.ConstL, k, 0, 0);
    if (Mathe::ErrorCode != 0) return ErrorIn(FormulaField::ConstL);
    const float m = Formula::Once(signal.ConstM, k, l, 0);
    if (Mathe::ErrorCode != 0) return ErrorIn(FormulaField::ConstM);

    signal.Amplitude.fill(0.0f);
    signal.Phase.fill(0.0f);

    const float a0 = Formula::Once(signal.FormulaA0, k, l, m);
    if (Mathe::ErrorCode != 0) return ErrorIn(FormulaField::A0);
    const std::optional<float> amplitude0 = Stored(100.0L * a0);
    if (!amplitude0) return TooLarge(FormulaField::A0, 0);
    signal.Amplitude[0] = *amplitude0;

    Formula anFormula(signal.FormulaAn, k, l, m);
    Formula bnFormula(signal.FormulaBn, k, l, m);

    const int last = std::min(signal.MaxHarmonic, MaxHarmonicNumber);
    for (int n = 1; n <= last; ++n) {
        float an = 0;
        float bn = 0;
        if (TakesPart(signal, n)) {
            an = anFormula.At(n);
            if (Mathe::ErrorCode != 0) return ErrorIn(FormulaField::An);
            bn = bnFormula.At(n);
            if (Mathe::ErrorCode != 0) return ErrorIn(FormulaField::Bn);
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
