// ApplyOperation: the domain limits and the cancellation rule, operation by operation.
#include "formula/apply_operation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "formula/extended.h"
#include "formula/token_codes.h"

namespace plotwise {
namespace {

constexpr long double kSkip = -12345.6789L;  // a result not worth comparing

TEST(ApplyOperation, ResultsAndCodes) {
    // clang-format off
    const struct {
        std::uint8_t code;
        long double a, b;
        int err;
        long double result;
    } cases[] = {
        // "^" for positive, zero and negative bases.
        {kPower, 2, 10, 0, 1024}, {kPower, 10, 1000, 7, 0}, {kPower, 10, -1000, 0, 0},
        {kPower, 0, 2, 0, 0}, {kPower, 0, 0, 8, 0}, {kPower, 0, -1, 8, 0}, {kPower, -8, 3, 0, -512},
        {kPower, -2, -3, 0, -0.125L}, {kPower, -2, 2, 0, 4}, {kPower, -8, 1.0L / 3, 8, 0},
        {kPower, -2, 1e30L, 7, 0}, {kPower, -10, -1000, 0, 0}, {kPower, NAN, 2, 8, 0},
        // Sums that are only rounding residue become 0.
        {kPlus, 0.1L + 0.2L, -0.3L, 0, 0}, {kMinus, 1, 1 - 1e-17L, 0, 0},
        {kMinus, 1, 1 - 1e-15L, 0, kSkip}, {kPlus, 1e-60L, -1e-60L, 0, 0}, {kPlus, 1, 1e-60L, 0, 1},
        {kPlus, NAN, 1, 8, 0},
        // Products and quotients up to the 1E500 limit.
        {kMultiply, 1e300L, 1e300L, 8, 0}, {kMultiply, 1e249L, 1e250L, 0, 1e499L},
        {kDivide, 1, 0, 7, 0}, {kDivide, 1e300L, 1e-300L, 8, 0}, {kDivide, 7, 2, 0, 3.5L},
        {kUnaryMinus, 0, 5, 0, -5},
        // Trigonometry: huge arguments give 0, poles are error 7.
        {kSin, 0, 0x1p63L, 0, 0}, {kCos, 0, -0x1p64L, 0, 0}, {kSin, 0, kPiHalf, 0, 1},
        {kTan, 0, kPi / 4, 0, 1}, {kCot, 0, 0, 7, 0}, {kCot, 0, kPi / 4, 0, 1},
        {kSin, 0, NAN, 8, 0}, {kAtan, 0, 1, 0, kPi / 4}, {kAsin, 0, 0.5L, 0, kPi / 6},
        {kAsin, 0, 1, 7, 0}, {kAsin, 0, -1, 7, 0}, {kAsin, 0, -1.5L, 7, 0},
        {kAcos, 0, 0, 0, kPiHalf}, {kAcos, 0, 1, 7, 0}, {kAcos, 0, -1, 7, 0},
        // Roots, logarithms, exponentials, rounding.
        {kSqrt, 0, -1e-300L, 8, 0}, {kSqrt, 0, 4, 0, 2}, {kLn, 0, 0, 8, 0}, {kLn, 0, NAN, 8, 0},
        {kLg, 0, -1, 8, 0}, {kLg, 0, 1000, 0, 3}, {kExp, 0, 1000, 7, 0}, {kExp, 0, -1000, 0, 0},
        {kExp, 0, 999, 0, kSkip}, {kAbs, 0, -3, 0, 3}, {kInt, 0, -2.5L, 0, -3},
        {kFrac, 0, -2.5L, 0, 0.5L}, {kFrac, 0, 3, 0, 0}, {kFrac, 0, 1e20L, 0, 0},
        // Hyperbolic functions: the 1000 limit applies to both signs.
        {kSinh, 0, 1000, 7, 0}, {kSinh, 0, -1000, 7, 0}, {kCosh, 0, -1000, 7, 0},
        {kTanh, 0, 1000, 7, 0}, {kCoth, 0, -1000, 7, 0}, {kCoth, 0, 0, 7, 0}, {kCoth, 0, 1e-30L, 0, 1e30L},
        {kSinh, 0, 1e-12L, 0, 1e-12L}, {kTanh, 0, 1e-12L, 0, 1e-12L},
        {kCoth, 0, 1, 0, 1.3130352854993313036L},
        // Inverse hyperbolic functions keep their domains and stay exact near 0.
        {kAsinh, 0, -1e10L, 0, -23.718998110500402150L}, {kAsinh, 0, 1e-12L, 0, 1e-12L},
        {kAcosh, 0, 1, 0, 0}, {kAcosh, 0, 0.5L, 7, 0}, {kAcosh, 0, -1, 7, 0}, {kAtanh, 0, 1, 7, 0},
        {kAtanh, 0, -1, 7, 0}, {kAtanh, 0, 2, 7, 0}, {kAtanh, 0, NAN, 7, 0},
        {kAtanh, 0, 1e-15L, 0, 1e-15L}, {kAcoth, 0, 1, 7, 0}, {kAcoth, 0, -1, 7, 0},
        {kAcoth, 0, 0.5L, 7, 0}, {kAcoth, 0, 2, 0, 0.54930614433405484570L},
        {kAcoth, 0, 1e10L, 0, 1e-10L},
        // Codes that are no operation.
        {kOpenBracket, 0, 1, 8, 0}, {40, 0, 1, 8, 0}};
    // clang-format on
    for (const auto& c : cases) {
        const Evaluation r = ApplyOperation(c.code, c.a, c.b);
        EXPECT_EQ(ErrorCode(r.error), c.err)
            << "code " << int(c.code) << " a=" << double(c.a) << " b=" << double(c.b);
        if (c.err == 0 && c.result != kSkip) {
            EXPECT_LE(std::fabs(r.value - c.result), 1e-15L * std::fabs(c.result)) << int(c.code);
        }
        EXPECT_TRUE(std::fabs(r.value) <= 1e500L) << int(c.code);
    }
}

}  // namespace
}  // namespace plotwise
