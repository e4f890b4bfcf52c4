// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QPointF>
#include <QRect>

class QWidget;

// The view size of the program's windows. Every control is placed, and every view draws,
// in the units of 100 %; this thin layer enlarges the result: positions and sizes are
// multiplied, fonts set at the larger size and drawings painted through a scaled painter,
// so that text, lines and icons are drawn anew at the size they show (never an enlarged
// bitmap). At 100 % it touches nothing.

// The factor of the window `widget` belongs to, or of the window that owns that one (a
// dialog follows the main window); 1 where none is set.
double ViewScaleOf(const QWidget* widget);

// Sets the factor of a window and lays out the controls inside it (not its dialogs, which
// follow when they are shown) at that size. A window with a fixed size gets its size
// multiplied too. Applying the same factor again changes nothing.
void ApplyViewScale(QWidget* window, double scale);

// For a dialog about to be shown: takes the factor of the window that owns it.
void FollowOwnerViewScale(QWidget* dialog);

// An edge in units of 100 % at `scale`: edges are scaled, not sizes, so that controls that
// touch at 100 % touch at every size.
int ScaledEdge(int edge, double scale);
QRect ScaledRect(const QRect& rect, double scale);
QFont ScaledFont(const QFont& font, double scale);

// Device pixels per unit of 100 % a drawing at `scale` gets: the view scale times the
// screen's own factor (for QT_SCALE_FACTOR or a HiDPI screen).
double DrawingFactor(double scale);

// A position on a view at `scale` in units of 100 %: the unit whose pixels it falls on.
QPointF UnscaledPosition(const QPointF& position, double scale);
