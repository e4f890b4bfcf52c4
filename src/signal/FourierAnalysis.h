// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"

// Discrete Fourier analysis of a waveform signal's support points into its series:
// writes Amplitude[0..64] and Phase[1..64]; Amplitude/Phase above 64 and Phase[0] keep
// their values. Every harmonic, the highest one included, is normalised by N/2.
// A points index outside 0..3 is analysed as the default 2 (32 points).
void AnalyseWaveform(tSignal& signal);
