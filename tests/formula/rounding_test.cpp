// Round12 against its text definition over every magnitude and near ties, and the rounding
// helpers of the plot engine and the tools against the library's forms.
#include "formula/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "formula/decimal_io.h"
#include "formula/round12.h"

namespace plotwise {
namespace {

long double FromText(const std::string& text) {
    long double v = 0;
    ParseDecimal(text, v);
    return v;
}

TEST(Round12, MatchesTheTextRoundTripOnAMillionValues) {
    int failures = 0;
    // Compares bit for bit (also the sign of zero).
    const auto expectSame = [&failures](long double v) {
        const long double fast = Round12(v);
        const long double slow = Round12ByText(v);
        if ((fast == slow && std::signbit(fast) == std::signbit(slow)) || ++failures > 10) return;
        ADD_FAILURE() << "Round12 differs for " << FormatScientific(v, 20) << ": "
                      << FormatScientific(fast, 20) << " vs " << FormatScientific(slow, 20);
    };
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> decade(-210.0, 2010.0);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 700000; ++i) {
        // A random 64-bit mantissa at a random magnitude over the whole range and a bit beyond.
        const long double scale = std::pow(10.0L, static_cast<long double>(decade(random)));
        const long double mantissa =
            std::ldexp(static_cast<long double>(bits(random) | (1ULL << 63)), -63);
        expectSame((i % 2 ? -1 : 1) * scale * mantissa);
    }
    // The nearest extended values to 12-digit rounding ties, and their neighbours.
    std::uniform_int_distribution<long long> digits(100000000000LL, 999999999999LL);
    std::uniform_int_distribution<int> exponent(-205, 2005);
    for (int i = 0; i < 100000; ++i) {
        const long double v =
            FromText(std::to_string(digits(random)) + "5e" + std::to_string(exponent(random) - 12));
        expectSame(v);
        expectSame(std::nextafter(v, 0.0L));
        expectSame(std::nextafter(v, HUGE_VALL));
    }
    // Values that come out of arithmetic: small integers and simple fractions.
    for (int n = 1; n <= 2000; ++n) {
        for (int d = 1; d <= 50; ++d)
            expectSame(static_cast<long double>(n) / d);
    }
    EXPECT_EQ(failures, 0);
}

TEST(Round12, BoundsTiesAndSpecialValues) {
    const long double huge = 1.234567890123456789e2001L;
    // clang-format off
    const struct { long double v, rounded; } cases[] = {
        {0, 0}, {9.99e-201L, 0}, {-1e-201L, 0}, {1e-200L, 1e-200L}, {1e2000L, 1e2000L},
        {huge, huge}, {HUGE_VALL, HUGE_VALL}, {1.0L / 3, 0.333333333333L},
        {-2.0L / 3, -0.666666666667L},
        {999999999999.5L, 1e12L}, {999999999998.5L, 999999999998.0L}};  // ties go to the even digit
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Round12(c.v), c.rounded) << static_cast<double>(c.v);
    EXPECT_TRUE(std::isnan(Round12(NAN)));
}

TEST(Round12, PowersOfTenPairs) {
    // hi is the correctly rounded power; lo carries what hi cannot.
    for (int n = 0; n <= kMaxPow10; ++n)
        ASSERT_EQ(Pow10Pair(n).hi, FromText("1e" + std::to_string(n))) << n;
    EXPECT_EQ(Pow10Pair(27).lo, 0);
    EXPECT_NE(Pow10Pair(30).lo, 0);  // 5^30 has 70 significant bits
}

TEST(Rounding, KnownValues) {
    using R = long double (*)(long double);
    const R mantissa = RoundMantissa,
            toInt = [](long double v) -> long double { return RoundToInt(v); };
    // clang-format off
    const struct { R round; long double v, rounded; } cases[] = {
        {mantissa, 1e-201L, 0}, {mantissa, 1e2001L, 1e2001L},
        {mantissa, 0.1L + 0.2L, RoundMantissa(0.3L)},
        // The residue below the 11th decimal of the binary mantissa is dropped.
        {mantissa, 99.5L - 1e-10L, 99.5L}, {mantissa, -99.5L + 1e-10L, -99.5L},
        // Pixels: ties to even, clamped.
        {toInt, 2.5L, 2}, {toInt, 3.5L, 4}, {toInt, -2.5L, -2}, {toInt, 2.4999999999999L, 2},
        {toInt, 2.49999999999999999L, 2},  // RoundMantissa first: then a tie, even
        {toInt, 1e30L, 1000000000}, {toInt, -HUGE_VALL, -1000000000}, {toInt, NAN, 0}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(c.round(c.v), c.rounded) << static_cast<double>(c.v);
    EXPECT_EQ(Power10(-3), 0.001L);  // and beyond the table of powers
    EXPECT_EQ(Power10(-4000), 1e-4000L);
    EXPECT_EQ(Power10(6000), HUGE_VALL);
    EXPECT_EQ(Power10(-6000), 0);
}

// The fast forms must give exactly what the library's frexp, ldexp, round and nearbyint
// give, on random values, ties and values a hair from a half.
TEST(Rounding, SameAsTheLibraryForms) {
    const auto mantissa = [](long double v) {
        if (std::fabs(v) < 1e-200L) return 0.0L;
        if (!(std::fabs(v) <= 1e2000L)) return v;
        int e = 0;
        const long double m = std::frexp(v, &e);
        return std::ldexp(std::round(m * 1e11L) / 1e11L, e);
    };
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int i = 0; i < 100000; ++i) {
        const long double n = std::floor(unit(random) * 2e6);
        long double v = unit(random) * 3e9;
        if (i % 4 == 0) v = unit(random) * std::pow(10.0L, static_cast<int>(random() % 440) - 210);
        if (i % 4 == 1) v = n + 0.5L;  // ties
        if (i % 4 == 2)                // a hair from a half, within and beyond the mantissa's reach
            v = n + 0.5L + unit(random) * std::pow(10.0L, -static_cast<int>(random() % 18)) * n;
        ASSERT_EQ(RoundHalfAway(v), std::round(v)) << static_cast<double>(v);
        ASSERT_EQ(RoundMantissa(v), mantissa(v)) << static_cast<double>(v);
        const long double r = std::nearbyint(mantissa(v));
        ASSERT_EQ(RoundToInt(v), static_cast<int>(std::fmax(-1e9L, std::fmin(1e9L, r))))
            << static_cast<double>(v);
    }
    EXPECT_TRUE(std::signbit(RoundHalfAway(-0.3L)));
}

}  // namespace
}  // namespace plotwise
