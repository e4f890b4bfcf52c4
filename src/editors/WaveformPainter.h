// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/WaveformGeometry.h"

class QColor;
class QPainter;

// Draws the waveform editor's picture on `face`, the button-face colour, with exact pixels.
void PaintWaveform(QPainter& p, const WavePicture& picture, const QColor& face);
