// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/ColourScheme.h"

ColourScheme SchemeFor(int banz) {
    const SchemeColour face{true, {}};
    const SchemeColour black{false, {0, 0, 0}};
    const SchemeColour white{false, {255, 255, 255}};
    const SchemeColour grid{false, GridGrey};
    switch (banz) {
    case 1:
        return {white, black, grid};
    case 2:
        return {black, face, grid};
    default:
        return {face, black, grid};
    }
}
