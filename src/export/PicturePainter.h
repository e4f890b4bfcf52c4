// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "export/Picture.h"

#include <QFont>

class QPainter;

// "Arial" at a size in points, converted to logical units the way the screen does it
// (16 points: 21 units), not antialiased.
QFont PictureFont(int points);

// Paints the items in logical units, one unit per device unit of the painter as it is set
// up; no background, no antialiasing. The same call makes the vector and the pixel picture.
void PaintPicture(QPainter& p, const Picture& picture);

// The pictures' words and numbers in the language the interface speaks now.
PictureLanguage ShownPictureLanguage();
