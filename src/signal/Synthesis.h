// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Signal.h"

#include <span>

// The angle of the fundamental per sample column when `windowDegrees` are spread over
// `columns` columns, held as a float like every caller keeps it.
float AngleStepFor(int windowDegrees, int columns);

// Waveform value of the whole series at sample column x (harmonics with amplitude <= 0
// are left out), summed in a float accumulator rounded after each term.
float SignalValue(const tSignal& signal, int x, float angleStep);

// SignalValue(signal, x, angleStep) for the columns x = 0..values.size()-1: the same floats,
// bit for bit, at a small part of the cost. Every curve is made this way.
void SignalCurve(const tSignal& signal, float angleStep, std::span<float> values);

// Value of harmonic n (1..128) alone at sample column x, in extended precision (it is not
// summed, so nothing rounds it to float); the amplitude's sign is not tested.
long double HarmonicValue(const tSignal& signal, int n, int x, float angleStep);

// HarmonicValue(signal, n, x, angleStep) for the columns x = 0..values.size()-1, for drawing
// at `rowScale` rows per unit: each value is exact to within a few units in its last places,
// and exactly HarmonicValue wherever that could change round(value * rowScale), the row it
// is drawn in.
void HarmonicCurve(const tSignal& signal, int n, float angleStep, float rowScale,
                   std::span<long double> values);

// Harmonics above the fundamental related to all harmonics, as a fraction 0..1.
float DistortionFactor(const tSignal& signal);

float RmsValue(const tSignal& signal);
