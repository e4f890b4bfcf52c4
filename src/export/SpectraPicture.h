// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "export/Picture.h"

struct AppSettings;
class tSignal;

// Both spectra of the display mode as a picture for other documents: 1201 x 801 units, the
// upper spectrum in the upper half, the lower one in the lower half, each with its title.
// The harmonics 1..harmonicCount (32, 64 or 128) share 32 grid columns 35 units apart, so
// the bars narrow as the count grows. Without a signal only grids, labels and titles.

inline constexpr int SpectraPictureWidth = 1201;
inline constexpr int SpectraPictureHeight = 801;

// harmonicCount is 32, 64 or 128; any other count is taken as the nearest of these below it
// (or 32).
Picture SpectraPicture(const tSignal* selected, const AppSettings& settings, int harmonicCount,
                       const PictureLanguage& language = {});
