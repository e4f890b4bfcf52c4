// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Palette.h"

// A colour of the views: a fixed RGB value or the platform's button-face grey.
struct SchemeColour {
    bool buttonFace;
    Rgb rgb;
    friend bool operator==(const SchemeColour&, const SchemeColour&) = default;
};

struct ColourScheme {
    SchemeColour background;
    SchemeColour text;
    SchemeColour grid;
};

// Colours of the spectrum views and the line diagram by the background setting:
// 0 grey, 1 white, 2 black.
ColourScheme SchemeFor(int banz);

inline constexpr Rgb GridGrey{128, 128, 128};
