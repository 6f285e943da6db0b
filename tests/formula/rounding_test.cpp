// Rounding helpers of the plot engine and the tools.
#include "rounding.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace plotwise {
namespace {

TEST(RoundMantissa, ElevenDecimalsOfTheBinaryMantissa) {
    EXPECT_EQ(RoundMantissa(1e-201L), 0);
    EXPECT_EQ(RoundMantissa(1e2001L), 1e2001L);
    EXPECT_EQ(RoundMantissa(0.1L + 0.2L), RoundMantissa(0.3L));
    // 99.5 - 1e-10: the residue below the 11th decimal of the mantissa is dropped.
    EXPECT_EQ(RoundMantissa(99.5L - 1e-10L), 99.5L);
    EXPECT_EQ(RoundMantissa(-99.5L + 1e-10L), -99.5L);
}

TEST(RoundToInt, PixelsTiesToEvenAndClamped) {
    EXPECT_EQ(RoundToInt(2.5L), 2);
    EXPECT_EQ(RoundToInt(3.5L), 4);
    EXPECT_EQ(RoundToInt(-2.5L), -2);
    EXPECT_EQ(RoundToInt(2.4999999999999L), 2);
    EXPECT_EQ(RoundToInt(2.49999999999999999L), 2);  // RoundMantissa first: then a tie, even
    EXPECT_EQ(RoundToInt(1e30L), 1000000000);
    EXPECT_EQ(RoundToInt(-HUGE_VALL), -1000000000);
    EXPECT_EQ(RoundToInt(NAN), 0);
}

TEST(Power10, BeyondTheTableOfPowers) {
    EXPECT_EQ(Power10(-3), 0.001L);
    EXPECT_EQ(Power10(-4000), 1e-4000L);
    EXPECT_TRUE(std::isinf(Power10(6000)));
    EXPECT_EQ(Power10(-6000), 0);
}

}  // namespace
}  // namespace plotwise
