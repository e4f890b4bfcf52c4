#include "signal/NearestInteger.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(NearestInteger, AsNearbyintTiesToEven) {
    const long double cases[] = {0.5L,     1.5L,   2.5L,     -2.5L,          -0.5L,
                                 0.49999L, 1e6L,   -7.75L,   0x1p61L + 0.5L, 0x1p62L + 1,
                                 1e30L,    -1e30L, INFINITY, -0.0L};
    for (long double x : cases) EXPECT_EQ(NearestInteger(x), std::nearbyint(x)) << x;
    EXPECT_TRUE(std::isnan(NearestInteger(NAN)));
}

} // namespace
