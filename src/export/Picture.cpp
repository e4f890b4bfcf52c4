// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/Picture.h"

#include <algorithm>
#include <cmath>
#include <string>

int FontHeightUnits(int points) {
    return static_cast<int>(std::nearbyint(points * 96.0L / 72.0L));
}

std::string PictureLanguage::Word(const char* german) const {
    return translate ? translate(german) : std::string(german);
}

std::string PictureLanguage::Number(std::string label) const {
    std::replace(label.begin(), label.end(), ',', decimalPoint);
    return label;
}
