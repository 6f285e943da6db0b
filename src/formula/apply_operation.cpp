#include "apply_operation.h"

#include <cmath>

#include "extended.h"
#include "formula_errors.h"
#include "token_codes.h"

namespace plotwise {
namespace {

constexpr long double kTiny = 1e-50L;
constexpr long double kCancel = 1e-16L;
constexpr long double kExpLimit = 1000.0L;
constexpr long double kTrigLimit = 0x1p63L;  // sin and cos of larger arguments give 0

long double Flush(long double t) {
    return std::fabs(t) < kTiny ? 0.0L : t;
}

// A sum that is only rounding residue of its operands becomes exactly 0 (0.1+0.2-0.3).
long double Cancel(long double r, long double a, long double b) {
    if (std::fabs(b) >= kTiny) {
        if (std::fabs(r / b) < kCancel) return 0;
    } else if (std::fabs(a) >= kTiny && std::fabs(r / a) < kCancel) {
        return 0;
    }
    return r;
}

// e^t with the exponent limit: too large is error 7, too small underflows to 0.
long double LimitedExp(long double t, std::uint8_t& err) {
    if (std::fabs(t) >= kExpLimit) {
        if (t >= 0) err = kDivisionByZero;
        return 0;
    }
    return std::exp(t);
}

long double Power(long double a, long double b, std::uint8_t& err) {
    if (a > 0) return LimitedExp(b * std::log(a), err);
    if (a == 0) {
        if (b > 0) return 0;
        err = kInvalidArgument;
        return 0;
    }
    if (a < 0) {
        const long double half = b / 2;
        const long double f = half - std::trunc(half);
        if (f != 0 && f != 0.5L && f != -0.5L) {
            err = kInvalidArgument;
            return 0;
        }
        const long double r = LimitedExp(b * std::log(-a), err);
        return f == 0 ? r : -r;
    }
    err = kInvalidArgument;  // a is not a number
    return 0;
}

bool HyperbolicLimit(long double b, std::uint8_t& err) {
    if (std::fabs(b) < kExpLimit) return false;
    err = kDivisionByZero;
    return true;
}

// ASIN and ACOS are defined strictly inside (-1, 1).
bool ArcSineDomain(long double b, std::uint8_t& err) {
    const long double t = 1 - b * b;
    if (t > 0 && std::sqrt(t) != 0) return true;
    err = kDivisionByZero;
    return false;
}

// The operation itself; checks that return early set err and skip the final limit.
long double Compute(std::uint8_t code, std::uint8_t& err, long double a, long double b) {
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
            if (b == 0) {
                err = kDivisionByZero;
                return 0;
            }
            return a / b;
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

}  // namespace

long double ApplyOperation(std::uint8_t code, std::uint8_t& err, long double a, long double b) {
    err = kNoError;
    const long double r = Compute(code, err, a, b);
    if (err != kNoError) return 0;
    if (!(std::fabs(r) <= kMaxResult)) {  // also catches NaN from any fault
        err = kInvalidArgument;
        return 0;
    }
    return r;
}

}  // namespace plotwise
