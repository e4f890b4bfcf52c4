// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display/ColourScheme.h"
#include "ui/PaintBox.h"

#include <QColor>
#include <QFont>

class QPainter;
class QRect;
class QString;

// Shared helpers for the views, which draw with exact pixels (no antialiasing).
QColor Resolve(const SchemeColour& c);
// A font at a pixel size without antialiasing, so that text pixels are exact.
QFont PixelFont(const QString& family, int pixels);
// "Arial" at 7 points as the views use it: 9 pixels, not antialiased.
QFont ViewFont();

// Saves the painter's state and prepares it for a view of `size`: exact pixels, and
// everything beyond the box cut at its edges whatever device is painted on. Returns the box;
// the caller restores the painter when done.
QRect BeginViewPainting(QPainter& p, int width, int height);

// A one-pixel horizontal or vertical line over the pixels from (x1, y1) to (x2, y2), both
// included, filled as a rectangle: through a scaled painter it covers exactly the scaled
// pixels, as thick as the scale makes a pixel.
void FillLine(QPainter& p, int x1, int y1, int x2, int y2, const QColor& colour);
// The same leaving out the end point (x2, y2), as the views' strokes do.
void FillStroke(QPainter& p, int x1, int y1, int x2, int y2, const QColor& colour);

// Left edge of a label right-aligned to end at `right`: where the whole text fits, the
// anchor holds; a text too wide for the room left of it starts at x = 0 instead, so that
// a minus sign is never cut off by the box's edge.
inline int RightAlignedLeft(int right, int textWidth) {
    return right - textWidth < 0 ? 0 : right - textWidth;
}

// Text anchored by its top edge: right-aligned ending at x (shifted right where it would
// be cut, see RightAlignedLeft), or centred on x.
void DrawTextRightAligned(QPainter& p, int x, int top, const QString& text);
void DrawTextCentred(QPainter& p, int x, int top, const QString& text);
