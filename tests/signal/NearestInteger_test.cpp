// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "signal/NearestInteger.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(NearestInteger, AsNearbyintTiesToEven) {
    for (long double x : {0.5L, 1.5L, 2.5L, -2.5L, -0.5L, -0.0L, 0.49999L, -7.75L, 0x1p61L + 0.5L,
                          0x1p62L + 1, 1e30L, -1e30L, (long double)INFINITY})
        EXPECT_EQ(NearestInteger(x), std::nearbyint(x)) << x;
    EXPECT_TRUE(std::isnan(NearestInteger(NAN)));
}
