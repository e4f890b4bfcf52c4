// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>

// The program paints its small images itself at start.

// List icons, 45 x 30: columns by signal kind (bar spectrum, polyline through red support
// points, sum sign), row 0 for visible signals and row 1 the same in light grey.
// Both strips are painted for a view scale (see ViewScale.h) at the screen's own resolution;
// cells are then cut in units of 100 %.
QPixmap PaintListIcons(double scale = 1.0);
inline constexpr int ListIconSize = 15;

// Step-button glyphs, 68 x 119: 2 columns x 7 rows of 34 x 17 cells, each holding the
// enabled image (left 17 x 17) and the disabled one (right). Column 0: value steps
// 100, 10, 1, 0, 1, 10, 100 (up arrows above, down arrows below the 0); column 1: angle
// steps 45, 5 in rows 0, 1 and 5, 6.
QPixmap PaintStepGlyphs(double scale = 1.0);

// Glyph number c * 7 + r of the strip as a button icon with its disabled image.
QIcon StepGlyphIcon(const QPixmap& strip, int number);
