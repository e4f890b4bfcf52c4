#include "signal/ExtendedTrig.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The curves may take the fast cosine only as long as it gives the floats of the exact one.
TEST(ExtendedTrig, FastCosineGivesTheExactFloatsBelowItsLimitAndIsExactBeyond) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<long double> argument(-FastCosLimit, FastCosLimit);
    for (int i = 0; i < 200000; ++i) {
        const long double x = argument(random);
        ASSERT_EQ(static_cast<float>(CosExtendedFast(x)), static_cast<float>(cosl(x))) << x;
    }
    for (long double x : {FastCosLimit, -1e11L, 9e18L}) EXPECT_EQ(CosExtendedFast(x), cosl(x));
}

} // namespace
