// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class PaintBox;
class QRect;
class QString;
class QWidget;

// A sum sign as printed in a formula: a large serif sigma with "max" above it and "n=1"
// below, centred in `bounds` of `parent`.
PaintBox* AddSumSign(QWidget* parent, const QString& name, const QRect& bounds);
