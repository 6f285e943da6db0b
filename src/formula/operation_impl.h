// The operations of the formula language. The arithmetic is inline so the calculators'
// loops need no call (extended values pass through memory in calls); ApplyOperation is
// the routine for everything else.
#pragma once

#include <cmath>
#include <cstdint>

#include "formula/extended.h"
#include "formula/formula_errors.h"
#include "formula/token_codes.h"

namespace plotwise::operation_detail {

inline constexpr long double kTiny = 1e-50L;
inline constexpr long double kCancel = 1e-16L;
inline constexpr long double kExpLimit = 1000.0L;
inline constexpr long double kTrigLimit = 0x1p63L;  // sin and cos of larger arguments give 0

inline long double Flush(long double t) {
    return std::fabs(t) < kTiny ? 0.0L : t;
}

// A sum that is only rounding residue of its operands becomes exactly 0 (0.1+0.2-0.3).
// A result well above 1E-16 of the operand cannot be residue, which spares the division.
inline long double Cancel(long double r, long double a, long double b) {
    const long double reference = std::fabs(b) >= kTiny ? b : a;
    if (std::fabs(reference) < kTiny || std::fabs(r) > 2 * kCancel * std::fabs(reference)) {
        return r;
    }
    return std::fabs(r / reference) < kCancel ? 0.0L : r;
}

// The 1E500 limit every result passes (it also catches NaN).
inline long double Limited(long double r, std::uint8_t& err) {
    if (std::fabs(r) <= kMaxResult) return r;
    err = kInvalidArgument;
    return 0;
}

inline long double Quotient(long double a, long double b, std::uint8_t& err) {
    if (b == 0) {
        err = kDivisionByZero;
        return 0;
    }
    return a / b;
}

// e^t with the exponent limit: too large is error 7, too small underflows to 0.
inline long double LimitedExp(long double t, std::uint8_t& err) {
    if (std::fabs(t) >= kExpLimit) {
        if (t >= 0) err = kDivisionByZero;
        return 0;
    }
    return std::exp(t);
}

inline long double Power(long double a, long double b, std::uint8_t& err) {
    if (a > 0) return LimitedExp(b * std::log(a), err);
    if (a == 0) {
        if (b > 0) return 0;
        err = kInvalidArgument;
        return 0;
    }
    if (a < 0) {
        // A negative base needs an integer exponent: b/2 whole (even) or half-whole (odd).
        const long double half = b * 0.5L;
        const long double f = std::fabs(half - std::rint(half));
        if (f != 0 && f != 0.5L) {
            err = kInvalidArgument;
            return 0;
        }
        const long double r = LimitedExp(b * std::log(-a), err);
        return f == 0 ? r : -r;
    }
    err = kInvalidArgument;  // a is not a number
    return 0;
}

inline bool HyperbolicLimit(long double b, std::uint8_t& err) {
    if (std::fabs(b) < kExpLimit) return false;
    err = kDivisionByZero;
    return true;
}

// ASIN and ACOS are defined strictly inside (-1, 1).
inline bool ArcSineDomain(long double b, std::uint8_t& err) {
    const long double t = 1 - b * b;
    if (t > 0 && std::sqrt(t) != 0) return true;
    err = kDivisionByZero;
    return false;
}

// The operation itself; checks that return early set err and skip the final limit.
inline long double Compute(std::uint8_t code, std::uint8_t& err, long double a, long double b) {
    switch (code) {
        case kPower:
            return Power(a, b, err);
        case kMinus:
            return Cancel(a - b, a, b);
        case kPlus:
            return Cancel(a + b, a, b);
        case kMultiply:
            return a * b;
        case kDivide:
            return Quotient(a, b, err);
        case kUnaryMinus:
            return -b;
        case kSin:
            return std::fabs(b) >= kTrigLimit ? 0.0L : std::sin(b);
        case kCos:
            return std::fabs(b) >= kTrigLimit ? 0.0L : std::cos(b);
        case kSqrt:
            if (b < 0) {
                err = kInvalidArgument;
                return 0;
            }
            return std::sqrt(b);
        case kAtan:
            return std::atan(b);
        case kAbs:
            return std::fabs(b);
        case kExp:
            return LimitedExp(b, err);
        case kInt:
            return std::floor(b);
        case kFrac: {
            const long double r = b - std::floor(b);
            return std::fabs(b) >= kTiny && std::fabs(r / b) < kCancel ? 0.0L : r;
        }
        case kLn:
        case kLg:
            if (!(b > 0)) {
                err = kInvalidArgument;
                return 0;
            }
            return code == kLn ? std::log(b) : std::log10(b);
        case kTan:
        case kCot: {
            long double s;
            long double c;
            sincosl(b, &s, &c);
            const long double divisor = code == kTan ? c : s;
            if (divisor == 0) {
                err = kDivisionByZero;
                return 0;
            }
            return code == kTan ? s / c : c / s;
        }
        case kAsin:
            return ArcSineDomain(b, err) ? std::asin(b) : 0.0L;
        case kAcos:
            return ArcSineDomain(b, err) ? std::acos(b) : 0.0L;
        case kSinh:
            return HyperbolicLimit(b, err) ? 0.0L : std::sinh(b);
        case kCosh:
            return HyperbolicLimit(b, err) ? 0.0L : std::cosh(b);
        case kTanh:
            return HyperbolicLimit(b, err) ? 0.0L : std::tanh(b);
        case kCoth:
            if (HyperbolicLimit(b, err)) return 0;
            if (std::fabs(2 * std::sinh(b)) < kTiny) {
                err = kDivisionByZero;
                return 0;
            }
            return 1 / std::tanh(b);
        // The library's inverse hyperbolic functions stay exact where the logarithm
        // formulas cancel (ASINH of a large negative number, ATANH of a tiny one).
        case kAsinh:
            return std::asinh(b);
        case kAcosh: {
            const long double t = Flush(b * b - 1);
            if (t < 0 || !(Flush(b + std::sqrt(t)) > 0)) {
                err = kDivisionByZero;
                return 0;
            }
            return std::acosh(b);
        }
        case kAtanh: {
            const long double d = Flush(1 - b);
            if (d == 0 || !(Flush((b + 1) / d) > 0)) {
                err = kDivisionByZero;
                return 0;
            }
            return std::atanh(b);
        }
        case kAcoth: {
            const long double d = Flush(b - 1);
            if (d == 0 || !(Flush((b + 1) / d) > 0)) {
                err = kDivisionByZero;
                return 0;
            }
            return std::atanh(1 / b);
        }
        default:
            err = kInvalidArgument;
            return 0;
    }
}

// ApplyOperation itself: the operation, then the 1E500 limit.
inline long double Apply(std::uint8_t code, std::uint8_t& err, long double a, long double b) {
    const long double r = Compute(code, err, a, b);
    return err != kNoError ? 0.0L : Limited(r, err);
}

}  // namespace plotwise::operation_detail
