// Rounding helpers of the plot engine and the tools.
#include "formula/rounding.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>

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

// The fast forms must give exactly what the library's frexp, ldexp, round and nearbyint
// give, on random values, ties and values a hair from a half.
TEST(Rounding, SameAsTheLibraryForms) {
    const auto halfAway = [](long double v) { return std::round(v); };
    const auto mantissa = [&](long double v) {
        if (std::fabs(v) < 1e-200L) return 0.0L;
        if (!(std::fabs(v) <= 1e2000L)) return v;
        int e = 0;
        const long double m = std::frexp(v, &e);
        return std::ldexp(halfAway(m * 1e11L) / 1e11L, e);
    };
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int i = 0; i < 100000; ++i) {
        const long double n = std::floor(unit(random) * 2e6);
        long double v = 0;
        switch (i % 4) {
            case 0:
                v = unit(random) * std::pow(10.0L, static_cast<int>(random() % 440) - 210);
                break;
            case 1:
                v = n + 0.5L;  // ties
                break;
            case 2:  // a hair from a half, within and beyond the mantissa's reach
                v = n + 0.5L + unit(random) * std::pow(10.0L, -static_cast<int>(random() % 18)) * n;
                break;
            default:
                v = unit(random) * 3e9;
                break;
        }
        ASSERT_EQ(RoundHalfAway(v), halfAway(v)) << static_cast<double>(v);
        ASSERT_EQ(RoundMantissa(v), mantissa(v)) << static_cast<double>(v);
        const long double r = std::nearbyint(mantissa(v));
        ASSERT_EQ(RoundToInt(v), static_cast<int>(std::fmax(-1e9L, std::fmin(1e9L, r))))
            << static_cast<double>(v);
    }
    EXPECT_TRUE(std::signbit(RoundHalfAway(-0.3L)));
}

TEST(Power10, BeyondTheTableOfPowers) {
    EXPECT_EQ(Power10(-3), 0.001L);
    EXPECT_EQ(Power10(-4000), 1e-4000L);
    EXPECT_TRUE(std::isinf(Power10(6000)));
    EXPECT_EQ(Power10(-6000), 0);
}

}  // namespace
}  // namespace plotwise
