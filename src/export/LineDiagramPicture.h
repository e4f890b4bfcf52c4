// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "export/Picture.h"

#include <optional>

struct AppSettings;
class SignalList;

// The line diagram as a picture for other documents: 1201 x 601 units, the plot 1150 units
// wide from x = 50, zero at y = 316 and the range +-R at 44 and 588. It shows what the
// screen shows (grid, axis by lanz, the other visible signals dim, the chosen single
// harmonics, the selected signal on top) in black on no background, with the selected
// curve three units wide and its name as the title.

inline constexpr int LineDiagramPictureWidth = 1201;
inline constexpr int LineDiagramPictureHeight = 601;

// Nothing when the list is empty or selectedIndex names no entry.
std::optional<Picture> LineDiagramPicture(const SignalList& signalList, int selectedIndex,
                                          const AppSettings& settings,
                                          const PictureLanguage& language = {});
