#include "formula/FormulaSeries.h"

#include "formula/Calculator.h"
#include "formula/Mathe.h"
#include "signal/Phase.h"

#include <algorithm>
#include <cmath>

namespace {

struct Variables {
    float k = 0;
    float l = 0;
    float m = 0;
    float n = 0;
};

// One run of the generation: a calculator and the values the texts see.
class FormulaRun {
public:
    explicit FormulaRun(const tSignal& signal) : signal_(signal) {}

    // Evaluates one text; an empty one is 0 without evaluation. Afterwards a non-zero
    // Mathe::ErrorCode means the text failed.
    float Evaluate(const std::string& text) {
        if (text.empty()) return 0;
        calculator_.Prepare(text, vars.k, vars.l, vars.m, vars.n);
        return calculator_.Evaluate();
    }

    FormulaError ErrorIn(FormulaField field) const {
        return {field, Mathe::ErrorCode, calculator_.ErrorText()};
    }

    bool TakesPart(int n) const {
        return n % 2 == 1 ? signal_.SeriesMode != 2 : signal_.SeriesMode != 1;
    }

    Variables vars;

private:
    const tSignal& signal_;
    TCalculator calculator_;
};

} // namespace

std::optional<FormulaError> GenerateFromFormulas(tSignal& signal) {
    FormulaRun run(signal);
    Mathe::ErrorCode = 0;

    // Each constant sees the ones before it; itself and the later ones are still 0.
    run.vars.k = run.Evaluate(signal.ConstK);
    if (Mathe::ErrorCode != 0) return run.ErrorIn(FormulaField::ConstK);
    run.vars.l = run.Evaluate(signal.ConstL);
    if (Mathe::ErrorCode != 0) return run.ErrorIn(FormulaField::ConstL);
    run.vars.m = run.Evaluate(signal.ConstM);
    if (Mathe::ErrorCode != 0) return run.ErrorIn(FormulaField::ConstM);

    signal.Amplitude.fill(0.0f);
    signal.Phase.fill(0.0f);

    const float a0 = run.Evaluate(signal.FormulaA0);
    if (Mathe::ErrorCode != 0) return run.ErrorIn(FormulaField::A0);
    // 100 times a coefficient near the float limit leaves the range: an overflow too.
    const float amplitude0 = Mathe::ToFloat(100.0L * a0);
    if (Mathe::ErrorCode != 0) return run.ErrorIn(FormulaField::A0);
    signal.Amplitude[0] = amplitude0;

    const int last = std::min(signal.MaxHarmonic, MaxHarmonicNumber);
    for (int n = 1; n <= last; ++n) {
        float an = 0;
        float bn = 0;
        if (run.TakesPart(n)) {
            run.vars.n = static_cast<float>(n);
            an = run.Evaluate(signal.FormulaAn);
            if (Mathe::ErrorCode != 0) return run.ErrorIn(FormulaField::An);
            bn = run.Evaluate(signal.FormulaBn);
            if (Mathe::ErrorCode != 0) return run.ErrorIn(FormulaField::Bn);
        }
        const long double an2 = static_cast<long double>(an) * an;
        const long double bn2 = static_cast<long double>(bn) * bn;
        const float squares = Mathe::ToFloat(an2 + bn2);
        if (Mathe::ErrorCode != 0)
            return run.ErrorIn(bn2 > an2 ? FormulaField::Bn : FormulaField::An);
        signal.Amplitude[n] =
            static_cast<float>(100.0L * std::sqrt(static_cast<long double>(squares)));
        signal.Phase[n] = CoefficientPhase(an, bn);
    }
    return std::nullopt;
}
