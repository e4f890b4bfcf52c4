#include "formula/FormulaSeries.h"

#include "formula/Calculator.h"
#include "formula/Mathe.h"
#include "signal/Phase.h"

#include <algorithm>
#include <cmath>

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
    // 100 times a coefficient near the float limit leaves the range: an overflow too.
    const float amplitude0 = Mathe::ToFloat(100.0L * a0);
    if (Mathe::ErrorCode != 0) return ErrorIn(FormulaField::A0);
    signal.Amplitude[0] = amplitude0;

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
        const float squares = Mathe::ToFloat(an2 + bn2);
        if (Mathe::ErrorCode != 0) return ErrorIn(bn2 > an2 ? FormulaField::Bn : FormulaField::An);
        signal.Amplitude[n] =
            static_cast<float>(100.0L * std::sqrt(static_cast<long double>(squares)));
        signal.Phase[n] = CoefficientPhase(an, bn);
    }
    return std::nullopt;
}
