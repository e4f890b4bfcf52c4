// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal/Palette.h"

#include <functional>
#include <string>
#include <variant>
#include <vector>

// A picture for other documents as a list of drawing steps in logical units (0.1 mm each,
// origin top left), painted in list order. It says what is drawn, not how: a painter turns
// it into a vector document or pixels. Like the screen's box, the frame (width x height)
// cuts off whatever runs beyond it; the items keep their full coordinates.

struct PicturePoint {
    int x, y;
    friend bool operator==(const PicturePoint&, const PicturePoint&) = default;
};

// A straight stroke from `from` towards `to`; the end point itself is not part of it.
struct PictureLine {
    PicturePoint from{}, to{};
    Rgb colour{};
    int width = 1;
};

// A filled area without outline covering left <= x < right, top <= y < bottom.
struct PictureRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    Rgb colour{};
};

// Strokes through consecutive points.
struct PicturePolyline {
    std::vector<PicturePoint> points;
    Rgb colour{};
    int width = 1;
};

enum class TextAlign {
    Left,   // starts at x
    Centre, // centred on x
    Right,  // ends at x
};

// One line of text in "Arial" whose top edge lies at y.
struct PictureText {
    std::string text; // UTF-8
    int x = 0, y = 0;
    TextAlign align = TextAlign::Left;
    int points = 16; // font size in points: 16 for scale labels, 24 for titles
    Rgb colour{};
};

using PictureItem = std::variant<PictureLine, PictureRect, PicturePolyline, PictureText>;

struct Picture {
    int width = 100;
    int height = 100;
    std::vector<PictureItem> items;
    // The document's name, as the menu calls the export, and a line on what it shows (UTF-8).
    std::string title;
    std::string description;
};

inline constexpr Rgb PictureBlack{0, 0, 0};
inline constexpr int LabelPoints = 16;
inline constexpr int TitlePoints = 24;

// Character height in logical units of a font of `points` points, as on a screen of 96 dots
// per inch (16 points give 21 units).
int FontHeightUnits(int points);

// The language a picture is written in. The builders write German words and numbers with a
// decimal comma, as the screen does in German; another language turns each marked word into
// its own and writes its decimal separator. Signal names are the user's and stay as they are.
struct PictureLanguage {
    std::function<std::string(const char*)> translate; // none: German
    char decimalPoint = ',';

    std::string Word(const char* german) const;
    // A scale label (a number, maybe with a prefix and unit) with the language's separator.
    std::string Number(std::string label) const;
};
