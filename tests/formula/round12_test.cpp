// Round12 against its definition, the text round trip, over every magnitude and near ties.
#include "formula/round12.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "formula/decimal_io.h"

namespace plotwise {
namespace {

long double FromText(const std::string& text) {
    long double v = 0;
    ParseDecimal(text, v);
    return v;
}

// Compares bit for bit (also the sign of zero) and counts mismatches.
void ExpectSame(long double v, int& failures) {
    const long double fast = Round12(v);
    const long double slow = Round12ByText(v);
    if (fast == slow && std::signbit(fast) == std::signbit(slow)) return;
    if (++failures <= 10) {
        ADD_FAILURE() << "Round12 differs for " << FormatScientific(v, 20) << ": "
                      << FormatScientific(fast, 20) << " vs " << FormatScientific(slow, 20);
    }
}

TEST(Round12, MatchesTheTextRoundTripOnAMillionValues) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> decade(-210.0, 2010.0);
    std::uniform_int_distribution<std::uint64_t> bits;
    int failures = 0;
    for (int i = 0; i < 700000; ++i) {
        // A random 64-bit mantissa at a random magnitude over the whole range and a bit beyond.
        const long double scale = std::pow(10.0L, static_cast<long double>(decade(random)));
        const long double mantissa =
            std::ldexp(static_cast<long double>(bits(random) | (1ULL << 63)), -63);
        const long double v = (i % 2 ? -1 : 1) * scale * mantissa;
        ExpectSame(v, failures);
    }
    // The nearest extended values to 12-digit rounding ties, and their neighbours.
    std::uniform_int_distribution<long long> digits(100000000000LL, 999999999999LL);
    std::uniform_int_distribution<int> exponent(-205, 2005);
    for (int i = 0; i < 100000; ++i) {
        const std::string tie =
            std::to_string(digits(random)) + "5e" + std::to_string(exponent(random) - 12);
        const long double v = FromText(tie);
        ExpectSame(v, failures);
        ExpectSame(std::nextafter(v, 0.0L), failures);
        ExpectSame(std::nextafter(v, HUGE_VALL), failures);
    }
    // Values that come out of arithmetic: small integers and simple fractions.
    for (int n = 1; n <= 2000; ++n) {
        for (int d = 1; d <= 50; ++d)
            ExpectSame(static_cast<long double>(n) / d, failures);
    }
    EXPECT_EQ(failures, 0);
}

TEST(Round12, BoundsAndSpecialValues) {
    EXPECT_EQ(Round12(0), 0);
    EXPECT_EQ(Round12(9.99e-201L), 0);
    EXPECT_EQ(Round12(-1e-201L), 0);
    EXPECT_EQ(Round12(1e-200L), 1e-200L);
    EXPECT_EQ(Round12(1e2000L), 1e2000L);
    const long double huge = 1.234567890123456789e2001L;
    EXPECT_EQ(Round12(huge), huge);
    EXPECT_TRUE(std::isinf(Round12(HUGE_VALL)));
    EXPECT_TRUE(std::isnan(Round12(NAN)));
}

TEST(Round12, CleansComputedValues) {
    EXPECT_EQ(Round12(std::exp(10 * std::log(2.0L))), 1024);
    EXPECT_EQ(Round12(1.0L / 3), 0.333333333333L);
    EXPECT_EQ(Round12(-2.0L / 3), -0.666666666667L);
    EXPECT_EQ(Round12(999999999999.5L), 1e12L);  // a tie goes to the even digit
    EXPECT_EQ(Round12(999999999998.5L), 999999999998.0L);
    EXPECT_EQ(Round12(0.1L + 0.2L), 0.3L);
}

TEST(Round12, PowersOfTenPairs) {
    // hi is the correctly rounded power; lo carries what hi cannot.
    for (int n = 0; n <= kMaxPow10; ++n) {
        ASSERT_EQ(Pow10Pair(n).hi, FromText("1e" + std::to_string(n))) << n;
    }
    EXPECT_EQ(Pow10Pair(27).lo, 0);
    EXPECT_NE(Pow10Pair(30).lo, 0);  // 5^30 has 70 significant bits
}

}  // namespace
}  // namespace plotwise
