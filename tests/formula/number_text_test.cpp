// Numbers shown: plain and power-of-ten forms, coordinates, coefficients and decimals.
#include "formula/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace plotwise {
namespace {

struct TextCase {
    long double value;
    const char* text;
};

TEST(NumToStr, DisplayFormat) {
    // clang-format off
    const TextCase cases[] = {
        {0, "0"}, {-0.0L, "0"}, {1e-250L, "0"}, {-1e-250L, "0"}, {0.5L, "0.5"}, {100, "100"},
        {-2.5L, "-2.5"}, {123.456789012L, "123.456789"}, {0.00123456789L, "0.0012346"},
        {1000000, "1000000"}, {1000001, "1.000001*10^6"}, {0.001L, "0.001"},
        {0.000999L, "9.99*10^(-4)"}, {1.0L / 3, "0.3333333"}, {2.0L / 3 * 1e10L, "6.6666667*10^9"},
        {9.999999999e7L, "1*10^8"}, {99999999.9L, "1*10^8"}, {12345678, "1.2345678*10^7"},
        {0.0001L, "1*10^(-4)"}, {-0.0005L, "-5*10^(-4)"}, {-1e100L, "-1*10^100"},
        {1.5e-100L, "1.5*10^(-100)"}, {1e4000L, "1*10^4000"}, {HUGE_VALL, "INF"},
        {-HUGE_VALL, "-INF"}, {NAN, "NAN"}};
    // clang-format on
    for (const TextCase& c : cases)
        EXPECT_EQ(NumToStr(c.value), c.text);
}

TEST(NumToExpStr, AlwaysPowerOfTen) {
    // clang-format off
    const TextCase cases[] = {
        {0, "0*10^0"}, {-0.0L, "0*10^0"}, {1500, "1.5*10^3"}, {-0.25L, "-2.5*10^(-1)"}, {9.99999999e2L, "1*10^3"},
        {1.23456789L, "1.2345679*10^0"}};
    // clang-format on
    for (const TextCase& c : cases)
        EXPECT_EQ(NumToExpStr(c.value), c.text);
}

TEST(RangeNumToStr, DecimalsFollowTheRangeWidth) {
    // clang-format off
    // clang-format off
    const struct {
        long double value, width;
        const char* plain;
        const char* fixed;  // nullptr: not checked
    } cases[] = {
        {1.5L, 10, "1.5", "1.500"}, {1.5L, 1000, "1.5", "1.5"}, {2, 10, "2", "2.000"},
        {1.23456L, 0.5L, "1.2346", "1.2346"}, {-0.001L, 100, "0", "0.00"},
        {1e-250L, 10, "0", "0.000"}, {150, -20000, "150", "150"},
        {12345678, 10, "1.2345678*10^7", "1.2345678*10^7"}, {0.5L, 1e-300L, "0.5", nullptr},
        {1.5L, NAN, "1.5", "1.5"}, {1.5L, -HUGE_VALL, "1.5", "1.5"}};
    // clang-format on
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(RangeNumToStr(c.value, c.width, 1), c.plain) << double(c.value);
        if (c.fixed) {
            EXPECT_EQ(RangeNumToStrFixed(c.value, c.width, 1), c.fixed) << double(c.value);
        }
    }
    EXPECT_EQ(RangeNumToStr(1.5L, 0, 1), "");
    EXPECT_EQ(RangeNumToStrFixed(1.5L, 10, 0), "");
}

TEST(CoefToStr, PowerOfTenInParentheses) {
    // clang-format off
    const TextCase cases[] = {
        {15000000, "(1.5*10^7)"}, {-0.000000025L, "-(2.5*10^(-8))"}, {2, "2"}, {-0.5L, "-0.5"},
        {1.0L / 7, "0.1428571"}};
    // clang-format on
    for (const TextCase& c : cases)
        EXPECT_EQ(CoefToStr(c.value), c.text);
}

TEST(NumToFormulaStr, FormulaSyntax) {
    // clang-format off
    const TextCase cases[] = {
        {12345678, "(1.2345678*10^7)"}, {0.0002L, "(2*10^(-4))"}, {-12345678, "(-1.2345678*10^7)"},
        {-0.0L, "0"}, {1e-250L, "0"}, {-0.5L, "-0.5"}, {1.0L / 3, "0.33333333"},
        // A mantissa that rounds up to 10 stays 10.
        {99999999.99L, "(10*10^7)"}, {1e500L, "(1*10^500)"}};
    // clang-format on
    for (const TextCase& c : cases)
        EXPECT_EQ(NumToFormulaStr(c.value), c.text) << double(c.value);
}

TEST(NumToStrDecimals, DecimalsAndMantissa) {
    // clang-format off
    const struct {
        long double value;
        int decimals;
        const char* text;
    } cases[] = {
        {1.0L / 3, 10, "0.3333333333"}, {10, 10, "10"}, {-0.0L, 10, "0"}, {-1e-300L, 7, "0"},
        {2.5L, 0, "2"}, {250, 0, "250"}, {123456789, 10, "1.23456789*10^8"},
        {1.0L / 3 * 1e-5L, 10, "3.3333333333*10^(-6)"}, {-1.0L / 3 * 1e-5L, 3, "-3.333*10^(-6)"},
        {9999999.99999L, 3, "10*10^6"},
        // a mantissa that rounds up stays 10
        {1e1000L, 2, "1*10^1000"}};
    // clang-format on
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(NumToStrDecimals(c.value, c.decimals), c.text);
}

}  // namespace
}  // namespace plotwise
