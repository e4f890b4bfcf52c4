#pragma once

#include "display/ColourScheme.h"

#include <QColor>
#include <QFont>

class QPainter;
class QRect;
class QString;

// Shared helpers for the views, which draw with exact pixels (no antialiasing).
QColor ToQColor(Rgb c);
QColor Resolve(const SchemeColour& c);
// "Arial" at 7 points as the views use it: 9 pixels, not antialiased.
QFont ViewFont();

// Saves the painter's state and prepares it for a view of `size`: exact pixels, and
// everything beyond the box cut at its edges whatever device is painted on. Returns the box;
// the caller restores the painter when done.
QRect BeginViewPainting(QPainter& p, int width, int height);

// Text anchored by its top edge: right-aligned ending at x, or centred on x.
void DrawTextRightAligned(QPainter& p, int x, int top, const QString& text);
void DrawTextCentred(QPainter& p, int x, int top, const QString& text);
