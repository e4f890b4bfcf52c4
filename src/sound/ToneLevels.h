// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"

#include <span>

// The signal's harmonics 1..highestHarmonic (those with amplitude != 0) summed at the samples
// h = 1..levels.size() of a tone advancing `phaseStep` periods per sample:
//   levels[h-1] = sum A_i * cos((2*phaseStep*h*i + Phi_i/180) * pi),
// the angle formed in extended precision, the sum a float rounded after every term. The
// result is bit for bit that of the extended library cosine; the harmonics of each sample
// follow from each other by the angle-addition recurrence.
void ComputeToneLevels(const tSignal& signal, int highestHarmonic, float phaseStep,
                       std::span<float> levels);
