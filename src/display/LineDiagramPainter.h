// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QImage;
class QPainter;
class CurveCache;
class SignalList;
struct AppSettings;

// Paints the whole line diagram into the 589 x 187 pixel box at the painter's origin:
// background, grid and labels, then, when selectedIndex names an entry of the list, the
// other visible signals dimmed, the constant term and the single harmonics chosen in the
// settings, and the selected signal on top. The diagram is composed in `canvas` (made the
// right size when it is not) and copied in one piece. Curve samples come from `cache`, which
// forgets the signals not drawn this time.
void PaintLineDiagram(QPainter& p, QImage& canvas, const AppSettings& settings,
                      const SignalList& signalList, int selectedIndex, CurveCache& cache);
