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

// Text anchored by its top edge: right-aligned ending at x, or centred on x.
void DrawTextRightAligned(QPainter& p, int x, int top, const QString& text);
void DrawTextCentred(QPainter& p, int x, int top, const QString& text);
