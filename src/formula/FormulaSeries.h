// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"
#include "text/MessageText.h"

#include <optional>
#include <string>

// The texts of a formula signal, in the order in which they are evaluated.
enum class FormulaField { ConstK, ConstL, ConstM, A0, An, Bn };

// The first text that failed, with the evaluator's error code and message (in German, and
// in its parts for the interface to translate).
struct FormulaError {
    FormulaField field;
    int code;
    MessageText message;
    std::string Text() const { return message.German(); }
};

// Evaluates the constants k, l, m, then a0 and, for each harmonic 1..MaxHarmonic (at most
// 128) that the series choice includes, an and bn, and fills Amplitude and Phase in the
// form A0 + sum An cos(nx + PHIn), a coefficient 1 giving the amplitude 100. Returns
// nullopt on success. When a constant fails the arrays are left unchanged; when a0 or a
// harmonic fails, the harmonics before it are generated and the rest are 0. A result that
// leaves the float range fails with the overflow code like any other error, and so does an
// amplitude beyond MaxAmplitude, the limit of every editor: it is reported on a0, or on an
// or bn, whichever coefficient is the larger, with a message that says so.
std::optional<FormulaError> GenerateFromFormulas(tSignal& signal);
