// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

struct Rgb {
    uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Bright colours: the selected signal and the editors' colour boxes.
inline constexpr std::array<Rgb, 8> SignalPalette{{{0, 0, 0},
                                                   {255, 0, 0},
                                                   {0, 255, 0},
                                                   {0, 0, 255},
                                                   {255, 0, 255},
                                                   {0, 255, 255},
                                                   {255, 255, 0},
                                                   {255, 255, 255}}};

// Dim colours: the other visible signals of the line diagram.
inline constexpr std::array<Rgb, 8> SignalDimPalette{{{128, 128, 128},
                                                      {128, 0, 0},
                                                      {0, 128, 0},
                                                      {0, 0, 128},
                                                      {128, 0, 128},
                                                      {0, 128, 128},
                                                      {128, 128, 0},
                                                      {128, 128, 128}}};

// A colour index read from a file may be anything; keep it inside the palettes.
inline int PaletteIndex(int colorIndex) {
    return colorIndex >= 0 && colorIndex < 8 ? colorIndex : 0;
}
