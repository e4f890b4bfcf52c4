// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/Calculator.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

// Arbitrary bytes as a formula: the first four choose K, L, M and N (quarters between
// -32 and 32), the rest is the text. The evaluation must end either with an error code
// and the result 0 or with a finite value, and never leave the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    float variables[4] = {};
    for (float& v : variables) {
        if (size == 0) break;
        v = static_cast<int8_t>(*data) / 4.0f;
        ++data;
        --size;
    }
    TCalculator calculator;
    calculator.Prepare(std::string(reinterpret_cast<const char*>(data), size), variables[0],
                       variables[1], variables[2], variables[3]);
    if (calculator.Text().size() > 255) std::abort();
    const float value = calculator.Evaluate();
    if (calculator.Pos() < 1 || calculator.Pos() > calculator.Text().size() + 1) std::abort();
    if (calculator.ErrorCode() != 0) {
        if (value != 0 || calculator.ErrorText().empty()) std::abort();
    } else if (!std::isfinite(value)) {
        std::abort();
    }
    return 0;
}
