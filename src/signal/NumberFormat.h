// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Number texts shown to the user (UTF-8, decimal comma).

// Fixed point with `digits` decimals, trailing zeros and a trailing comma removed;
// a value that rounds to zero is "0".
std::string FormatDecimal(long double x, int digits);

// Three significant digits with an SI prefix letter ("1,5k", "250 ", "500µ"); callers
// append the unit directly.
std::string FormatEngineering(long double x);

// Four-quadrant arc tangent in radians with Angle(0, 0) = +pi/2.
float Angle(long double y, long double x);
