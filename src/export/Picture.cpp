// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/Picture.h"

#include "text/NumberText.h"

#include <cmath>
#include <string>

int FontHeightUnits(int points) {
    return static_cast<int>(std::nearbyint(points * 96.0L / 72.0L));
}

std::string PictureLanguage::Word(const char* german) const {
    return translate ? translate(german) : std::string(german);
}

std::string PictureLanguage::Number(std::string label) const {
    return WithDecimalSeparator(std::move(label), decimalPoint);
}
