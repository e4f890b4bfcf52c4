// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display/SpectrumGeometry.h"
#include "settings/AppSettings.h"
#include "signal/Signal.h"

class QPainter;

// Paints one spectrum view into the 317 x 91 box at the painter's origin: background, grid
// with its labels, column labels, then the bars of `signal` (none when it is null). The
// drawing is clipped to the box. selectedColumn is the highlighted column, or -1 when the
// selection lies in the other view.
void PaintSpectrum(QPainter& p, SpectrumView view, const AppSettings& settings,
                   const tSignal* signal, int scroll, int selectedColumn);
