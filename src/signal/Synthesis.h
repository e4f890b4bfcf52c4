#pragma once

#include "signal/Signal.h"

// The angle of the fundamental per sample column when `windowDegrees` are spread over
// `columns` columns, held as a float like every caller keeps it.
float AngleStepFor(int windowDegrees, int columns);

// Waveform value of the whole series at sample column x (harmonics with amplitude <= 0
// are left out), summed in a float accumulator rounded after each term.
float SignalValue(const tSignal& signal, int x, float angleStep);

// Value of harmonic n (1..128) alone at sample column x, in extended precision (it is not
// summed, so nothing rounds it to float); the amplitude's sign is not tested.
long double HarmonicValue(const tSignal& signal, int n, int x, float angleStep);

// Harmonics above the fundamental related to all harmonics, as a fraction 0..1.
float DistortionFactor(const tSignal& signal);

float RmsValue(const tSignal& signal);
