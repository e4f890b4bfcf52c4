// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/Picture.h"

#include <cmath>

int FontHeightUnits(int points) {
    return static_cast<int>(std::nearbyint(points * 96.0L / 72.0L));
}
