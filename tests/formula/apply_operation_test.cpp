// ApplyOperation: every domain limit and the cancellation rule, operation by operation.
#include "apply_operation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "extended.h"
#include "token_codes.h"

namespace plotwise {
namespace {

constexpr long double kNan = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kSkip = -12345.6789L;  // a result not worth comparing

struct OpCase {
    std::uint8_t code;
    long double a, b;
    int err;
    long double result;
};

class ApplyOperationTest : public testing::TestWithParam<OpCase> {};

TEST_P(ApplyOperationTest, ResultAndCode) {
    const OpCase& c = GetParam();
    std::uint8_t err = 99;
    const long double r = ApplyOperation(c.code, err, c.a, c.b);
    EXPECT_EQ(err, c.err) << "code " << int(c.code) << " a=" << double(c.a) << " b=" << double(c.b);
    if (c.err == 0 && c.result != kSkip) {
        EXPECT_LE(std::fabs(r - c.result), 1e-15L * std::fabs(c.result))
            << "code " << int(c.code) << " b=" << double(c.b);
    }
    EXPECT_FALSE(std::isnan(r));
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ApplyOperationTest,
    testing::Values(
        // "^" for positive, zero and negative bases.
        OpCase{kPower, 2, 10, 0, 1024}, OpCase{kPower, 10, 999.99L / std::log(10.0L), 0, kSkip},
        OpCase{kPower, 10, 1000, 7, 0}, OpCase{kPower, 10, -1000, 0, 0}, OpCase{kPower, 0, 2, 0, 0},
        OpCase{kPower, 0, 0, 8, 0}, OpCase{kPower, 0, -1, 8, 0}, OpCase{kPower, -8, 3, 0, -512},
        OpCase{kPower, -2, -3, 0, -0.125L}, OpCase{kPower, -2, 2, 0, 4},
        OpCase{kPower, -8, 1.0L / 3, 8, 0}, OpCase{kPower, -2, 1e30L, 7, 0},
        OpCase{kPower, -10, -1000, 0, 0},
        // Sums that are only rounding residue become 0.
        OpCase{kPlus, 0.1L + 0.2L, -0.3L, 0, 0}, OpCase{kMinus, 1, 1 - 1e-17L, 0, 0},
        OpCase{kMinus, 1, 1 - 1e-15L, 0, kSkip}, OpCase{kPlus, 1e-60L, -1e-60L, 0, 0},
        OpCase{kPlus, 1, 1e-60L, 0, 1}, OpCase{kMinus, 3, 1, 0, 2},
        // Products, quotients, the 1E500 limit.
        OpCase{kMultiply, 1e300L, 1e300L, 8, 0}, OpCase{kMultiply, 1e249L, 1e250L, 0, 1e499L},
        OpCase{kDivide, 1, 0, 7, 0}, OpCase{kDivide, 1e300L, 1e-300L, 8, 0},
        OpCase{kDivide, 7, 2, 0, 3.5L}, OpCase{kUnaryMinus, 0, 5, 0, -5},
        // Trigonometry: huge arguments give 0, poles are error 7.
        OpCase{kSin, 0, 0x1p63L, 0, 0}, OpCase{kCos, 0, -0x1p64L, 0, 0},
        OpCase{kSin, 0, kPiHalf, 0, 1}, OpCase{kCos, 0, 0, 0, 1}, OpCase{kTan, 0, kPi / 4, 0, 1},
        OpCase{kCot, 0, 0, 7, 0}, OpCase{kCot, 0, kPi / 4, 0, 1}, OpCase{kAtan, 0, 1, 0, kPi / 4},
        OpCase{kAsin, 0, 0.5L, 0, kPi / 6}, OpCase{kAsin, 0, 1, 7, 0},
        OpCase{kAsin, 0, -1.5L, 7, 0}, OpCase{kAcos, 0, 0, 0, kPiHalf}, OpCase{kAcos, 0, -1, 7, 0},
        // Roots, logarithms, exponentials.
        OpCase{kSqrt, 0, -1e-300L, 8, 0}, OpCase{kSqrt, 0, 0, 0, 0}, OpCase{kSqrt, 0, 4, 0, 2},
        OpCase{kLn, 0, 0, 8, 0}, OpCase{kLn, 0, -1, 8, 0}, OpCase{kLg, 0, 0, 8, 0},
        OpCase{kLg, 0, 1000, 0, 3}, OpCase{kExp, 0, 1000, 7, 0}, OpCase{kExp, 0, -1000, 0, 0},
        OpCase{kExp, 0, 999, 0, kSkip}, OpCase{kAbs, 0, -3, 0, 3}, OpCase{kInt, 0, -2.3L, 0, -3},
        OpCase{kFrac, 0, -2.3L, 0, 0.7L}, OpCase{kFrac, 0, 1e20L, 0, 0},
        // Hyperbolic functions: the 1000 limit applies to both signs.
        OpCase{kSinh, 0, 1000, 7, 0}, OpCase{kSinh, 0, -1000, 7, 0}, OpCase{kCosh, 0, -1000, 7, 0},
        OpCase{kTanh, 0, 1000, 7, 0}, OpCase{kCoth, 0, -1000, 7, 0}, OpCase{kCoth, 0, 0, 7, 0},
        OpCase{kSinh, 0, 1e-12L, 0, 1e-12L}, OpCase{kCosh, 0, 0, 0, 1},
        OpCase{kTanh, 0, 1e-12L, 0, 1e-12L}, OpCase{kCoth, 0, 1, 0, 1.3130352854993313036L},
        // Inverse hyperbolic functions keep their domains and stay exact near 0.
        OpCase{kAsinh, 0, -1e10L, 0, -23.718998110500402150L}, OpCase{kAsinh, 0, 1e-12L, 0, 1e-12L},
        OpCase{kAcosh, 0, 1, 0, 0}, OpCase{kAcosh, 0, 0.5L, 7, 0}, OpCase{kAcosh, 0, -1, 7, 0},
        OpCase{kAcosh, 0, -2, 7, 0}, OpCase{kAtanh, 0, 1, 7, 0}, OpCase{kAtanh, 0, -1, 7, 0},
        OpCase{kAtanh, 0, 2, 7, 0}, OpCase{kAtanh, 0, 1e-15L, 0, 1e-15L},
        OpCase{kAcoth, 0, 1, 7, 0}, OpCase{kAcoth, 0, -1, 7, 0}, OpCase{kAcoth, 0, 0.5L, 7, 0},
        OpCase{kAcoth, 0, 2, 0, 0.54930614433405484570L}, OpCase{kAcoth, 0, 1e10L, 0, 1e-10L},
        // Non-numbers and unknown codes never escape as values.
        OpCase{kPower, kNan, 2, 8, 0}, OpCase{kPlus, kNan, 1, 8, 0}, OpCase{kSin, 0, kNan, 8, 0},
        OpCase{kAsin, 0, kNan, 7, 0}, OpCase{kAtanh, 0, kNan, 7, 0}, OpCase{kLn, 0, kNan, 8, 0},
        OpCase{kOpenBracket, 0, 1, 8, 0}, OpCase{40, 0, 1, 8, 0}));

TEST(ApplyOperation, NoResultEverLeavesTheLimit) {
    std::uint8_t err = 0;
    for (std::uint8_t code = 0; code < 60; ++code) {
        for (long double b : {-1e500L, -2.0L, -1.0L, 0.0L, 1.0L, 2.0L, 1e500L}) {
            const long double r = ApplyOperation(code, err, -1e500L, b);
            EXPECT_TRUE(std::fabs(r) <= 1e500L) << int(code);
        }
    }
}

}  // namespace
}  // namespace plotwise
