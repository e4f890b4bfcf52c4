// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/NumberFormat.h"

#include "signal/ExtendedTrig.h"

#include <cmath>
#include <cstdio>

std::string FormatDecimal(long double x, int digits) {
    if (x == 0.0L) return "0";
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%20.*Lf", digits, x);
    std::string text(buffer);
    for (char& c : text)
        if (c == '.') c = ',';
    text.erase(0, text.find_first_not_of(' '));
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == ',') text.pop_back();
    if (text == "-0") return "0";
    return text;
}

namespace {

const char* PrefixFor(int exponent) {
    switch (exponent) {
    case -12:
        return "p";
    case -9:
        return "n";
    case -6:
        return "\u00b5";
    case -3:
        return "m";
    case 0:
        return " ";
    case 3:
        return "k";
    case 6:
        return "M";
    case 9:
        return "G";
    case 12:
        return "T";
    default:
        return "?"; // far outside anything the program shows
    }
}

} // namespace

std::string FormatEngineering(long double x) {
    if (x == 0.0L) return "0";
    const bool negative = x < 0.0L;
    float v = static_cast<float>(std::fabs(x));
    int e = 0;
    // The bounds keep the loops finite for infinities and denormals.
    while (v >= 999.9999L && e < 400) {
        v = static_cast<float>(v / 10.0L);
        ++e;
    }
    while (v < 99.9999L && e > -400) {
        v = static_cast<float>(v * 10.0L);
        --e;
    }
    std::string t = std::to_string(static_cast<long long>(std::nearbyint(v)));
    int k = 0;
    while (e % 3 != 0) {
        ++k;
        ++e;
    }
    if (k > 0 && static_cast<int>(t.size()) > k) {
// g++ 12 reports a bogus overlap in the inlined insert (GCC bug 105651).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
        t.insert(t.size() - k, ",");
#pragma GCC diagnostic pop
        while (!t.empty() && t.back() == '0') t.pop_back();
        if (!t.empty() && t.back() == ',') t.pop_back();
    }
    t += PrefixFor(e);
    return negative ? "-" + t : t;
}

float Angle(long double y, long double x) {
    if (x == 0.0L) return static_cast<float>(y >= 0.0L ? PiExtended / 2 : -PiExtended / 2);
    const long double a = std::atan(y / x);
    if (x > 0.0L) return static_cast<float>(a);
    return static_cast<float>(y >= 0.0L ? a + PiExtended : a - PiExtended);
}
