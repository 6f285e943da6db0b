// The operations of the formula language. The arithmetic is inline so the calculators'
// loops need no call (extended values pass through memory in calls); ApplyOperation is
// the routine for everything else, and FunctionValue its form for those loops.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "formula/extended.h"
#include "formula/extended_parts.h"
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
inline Evaluation Limited(long double r) {
    if (std::fabs(r) <= kMaxResult) return {r};
    return {0, FormulaError::InvalidArgument};
}

inline Evaluation Quotient(long double a, long double b) {
    if (b == 0) return {0, FormulaError::DivisionByZero};
    return {a / b};
}

// e^t with the exponent limit: too large is error 7, too small underflows to 0.
inline Evaluation LimitedExp(long double t) {
    if (std::fabs(t) >= kExpLimit)
        return {0, t >= 0 ? FormulaError::DivisionByZero : FormulaError::None};
    return {std::exp(t)};
}

// Whole powers up to this exponent are multiplied out; others go through e^(b ln a).
inline constexpr int kMaxWholePower = 64;

// (hi, lo) *= (bh, bl) on unevaluated pairs, exact to about 2^-125 relative.
inline void MultiplyPairs(long double& hi, long double& lo, long double bh, long double bl) {
    long double p, e;
    TwoProduct(hi, bh, p, e);
    e += hi * bl + lo * bh;
    hi = p + e;
    lo = e - (hi - p);
}

// x^n for 0 < |n| <= kMaxWholePower and |n ln x| < kExpLimit: binary powering on pairs, so
// the result is the true power correctly rounded but for the rarest ties (x^2 is one
// correctly rounded product).
inline long double WholePower(long double x, int n) {
    unsigned m = n < 0 ? -n : n;
    if (m == 2 && n > 0) return x * x;
    long double bh = x, bl = 0;  // x^(2^k)
    for (; (m & 1) == 0; m >>= 1)
        MultiplyPairs(bh, bl, bh, bl);
    long double hi = bh, lo = bl;
    while (m >>= 1) {
        MultiplyPairs(bh, bl, bh, bl);
        if (m & 1) MultiplyPairs(hi, lo, bh, bl);
    }
    if (n > 0) return hi + lo;
    // 1 / (hi + lo) with the residual of the first quotient.
    const long double q = 1 / hi;
    long double p, e;
    TwoProduct(q, hi, p, e);
    return q + q * (((1 - p) - e) - q * lo);
}

// |a|^n within the exponent limit: whether |n ln |a|| < 1000. The binary exponent bounds the
// logarithm, so only bases near the limit pay for one. It is read from the value as a double
// (an extended value's exponent read from memory stalls the load behind the 10-byte store);
// rounding may move it up by one, and bases outside the double range take the logarithm.
inline bool WholePowerInRange(long double magnitude, int n) {
    const double d = static_cast<double>(magnitude);
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    const int field = static_cast<int>(bits >> 52);
    const int e = field - 1022;  // magnitude in [2^(e-2), 2^e)
    const int bound = (e > 0 ? e : 2 - e) * (n < 0 ? -n : n);
    if (bound < 1400 && field != 0 && field != 2047) return true;  // |n ln a| < 1400 ln 2 < 971
    return std::fabs(n * std::log(magnitude)) < kExpLimit;
}

// a^n for a whole 0 < |n| <= kMaxWholePower by multiplication; NaN where the exponent limit
// or a base outside the normal range leaves it to e^(n ln a). (A value, not a flag and an
// output argument: the calculator's loop keeps it in a register.)
inline long double WholePowerOrNaN(long double a, int n) {
    const long double magnitude = std::fabs(a);
    if (n == 0 || !(magnitude >= 0x1p-16381L && magnitude <= kMaxResult) ||
        !WholePowerInRange(magnitude, n))
        return std::numeric_limits<long double>::quiet_NaN();
    const long double r = WholePower(magnitude, n);
    return a < 0 && (n & 1) ? -r : r;
}

inline Evaluation Power(long double a, long double b) {
    if (std::fabs(b) <= kMaxWholePower && b == std::rint(b)) {
        const long double r = WholePowerOrNaN(a, static_cast<int>(b));
        if (!std::isnan(r)) return {r};
    }
    if (a > 0) return LimitedExp(b * std::log(a));
    if (a == 0) return {0, b > 0 ? FormulaError::None : FormulaError::InvalidArgument};
    if (a < 0) {
        // A negative base needs an integer exponent: b/2 whole (even) or half-whole (odd).
        const long double half = b * 0.5L;
        const long double f = std::fabs(half - std::rint(half));
        if (f != 0 && f != 0.5L) return {0, FormulaError::InvalidArgument};
        Evaluation r = LimitedExp(b * std::log(-a));
        if (f != 0) r.value = -r.value;
        return r;
    }
    return {0, FormulaError::InvalidArgument};  // a is not a number
}

// Sine and cosine of moderate arguments reduce by pi/2 here: the library reduces every
// argument beyond pi/4 with a slow multi-precision method. pi/2 is held in three parts, the
// first two of 34 bits, so k times either is exact for k < 2^30 (Cody and Waite).
inline constexpr long double kFastReductionLimit = 0x1p30L;
inline constexpr long double kTwoOverPi = 0xA2F9836E4E441529p-64L;
inline constexpr long double kPiHalf1 = 0xC90FDAA200000000p-63L;
inline constexpr long double kPiHalf2 = 0x85A308D300000000p-97L;
inline constexpr long double kPiHalf3 = 0x98CC51701B839A25p-132L;

// x = k pi/2 + (r + tail) with |tail| below half an ulp of r. False where the library must do
// it: beyond the fast range and where r is so small that the 132 bits of pi/2 are too few.
inline bool ReduceByPiHalf(long double x, int& quadrant, long double& r, long double& tail) {
    if (!(std::fabs(x) < kFastReductionLimit)) return false;
    const long double k = std::rint(x * kTwoOverPi);
    const long double t = x - k * kPiHalf1;  // exact, as is k * kPiHalf2
    const long double w = k * kPiHalf2;
    const long double d = t - w;
    const long double bw = d - t;
    const long double error = ((t - (d - bw)) - (w + bw)) - k * kPiHalf3;  // t - w - d exactly
    r = d + error;
    tail = error - (r - d);
    if (std::fabs(r) < 0x1p-28L) return false;
    quadrant = static_cast<int>(static_cast<double>(k)) & 3;
    return true;
}

// sin(r + tail) and cos(r + tail) from sin(r) and cos(r): the tail's term needs only a few
// digits of the other function.
inline long double SinWithTail(long double sinR, long double r, long double tail) {
    return sinR + tail * (1 - r * r / 2);
}
inline long double CosWithTail(long double cosR, long double r, long double tail) {
    return cosR - tail * r;
}

inline long double Sine(long double x) {
    if (!(std::fabs(x) > 0.78L)) return std::sin(x);  // the library reduces nothing here
    int quadrant;
    long double r, tail;
    if (!ReduceByPiHalf(x, quadrant, r, tail))
        return std::fabs(x) >= kTrigLimit ? 0.0L : std::sin(x);
    const long double v =
        quadrant & 1 ? CosWithTail(std::cos(r), r, tail) : SinWithTail(std::sin(r), r, tail);
    return quadrant & 2 ? -v : v;
}

inline long double Cosine(long double x) {
    if (!(std::fabs(x) > 0.78L)) return std::cos(x);
    int quadrant;
    long double r, tail;
    if (!ReduceByPiHalf(x, quadrant, r, tail))
        return std::fabs(x) >= kTrigLimit ? 0.0L : std::cos(x);
    const long double v =
        quadrant & 1 ? SinWithTail(std::sin(r), r, tail) : CosWithTail(std::cos(r), r, tail);
    return (quadrant + 1) & 2 ? -v : v;
}

// Both of one angle with one reduction, as the library's sin and cos give them (no limit).
inline void SineAndCosine(long double x, long double& sine, long double& cosine) {
    int quadrant;
    long double r, tail;
    if (!(std::fabs(x) > 0.78L) || !ReduceByPiHalf(x, quadrant, r, tail)) {
        sincosl(x, &sine, &cosine);
        return;
    }
    long double s, c;
    sincosl(r, &s, &c);
    s = SinWithTail(s, r, tail);
    c = CosWithTail(c, r, tail);
    sine = quadrant & 1 ? c : s;
    cosine = quadrant & 1 ? -s : c;
    if (quadrant & 2) {
        sine = -sine;
        cosine = -cosine;
    }
}

inline bool BeyondHyperbolicLimit(long double b) {
    return std::fabs(b) >= kExpLimit;
}

// FRAC: what remains of b below its floor, 0 where that is only rounding residue.
inline long double Fraction(long double b) {
    const long double r = b - std::floor(b);
    return std::fabs(b) >= kTiny && std::fabs(r / b) < kCancel ? 0.0L : r;
}

// ASIN and ACOS are defined strictly inside (-1, 1).
inline bool InArcSineDomain(long double b) {
    const long double t = 1 - b * b;
    return t > 0 && std::sqrt(t) != 0;
}

// The operation itself, before the final limit.
inline Evaluation Compute(std::uint8_t code, long double a, long double b) {
    constexpr Evaluation kPole{0, FormulaError::DivisionByZero};  // also overflow and domain limits
    constexpr Evaluation kInvalid{0, FormulaError::InvalidArgument};
    switch (code) {
        case kPower:
            return Power(a, b);
        case kMinus:
            return {Cancel(a - b, a, b)};
        case kPlus:
            return {Cancel(a + b, a, b)};
        case kMultiply:
            return {a * b};
        case kDivide:
            return Quotient(a, b);
        case kUnaryMinus:
            return {-b};
        case kSin:
            return {Sine(b)};
        case kCos:
            return {Cosine(b)};
        case kSqrt:
            if (b < 0) return kInvalid;
            return {std::sqrt(b)};
        case kAtan:
            return {std::atan(b)};
        case kAbs:
            return {std::fabs(b)};
        case kExp:
            return LimitedExp(b);
        case kInt:
            return {std::floor(b)};
        case kFrac:
            return {Fraction(b)};
        case kLn:
        case kLg:
            if (!(b > 0)) return kInvalid;
            return {code == kLn ? std::log(b) : std::log10(b)};
        case kTan:
        case kCot: {
            long double s;
            long double c;
            sincosl(b, &s, &c);
            const long double divisor = code == kTan ? c : s;
            if (divisor == 0) return kPole;
            return {code == kTan ? s / c : c / s};
        }
        case kAsin:
            if (!InArcSineDomain(b)) return kPole;
            return {std::asin(b)};
        case kAcos:
            if (!InArcSineDomain(b)) return kPole;
            return {std::acos(b)};
        case kSinh:
            if (BeyondHyperbolicLimit(b)) return kPole;
            return {std::sinh(b)};
        case kCosh:
            if (BeyondHyperbolicLimit(b)) return kPole;
            return {std::cosh(b)};
        case kTanh:
            if (BeyondHyperbolicLimit(b)) return kPole;
            return {std::tanh(b)};
        case kCoth:
            if (BeyondHyperbolicLimit(b) || std::fabs(2 * std::sinh(b)) < kTiny) return kPole;
            return {1 / std::tanh(b)};
        // The library's inverse hyperbolic functions stay exact where the logarithm
        // formulas cancel (ASINH of a large negative number, ATANH of a tiny one).
        case kAsinh:
            return {std::asinh(b)};
        case kAcosh: {
            const long double t = Flush(b * b - 1);
            if (t < 0 || !(Flush(b + std::sqrt(t)) > 0)) return kPole;
            return {std::acosh(b)};
        }
        case kAtanh: {
            const long double d = Flush(1 - b);
            if (d == 0 || !(Flush((b + 1) / d) > 0)) return kPole;
            return {std::atanh(b)};
        }
        case kAcoth: {
            const long double d = Flush(b - 1);
            if (d == 0 || !(Flush((b + 1) / d) > 0)) return kPole;
            return {std::atanh(1 / b)};
        }
        default:
            return kInvalid;
    }
}

// ApplyOperation itself: the operation, then the 1E500 limit.
inline Evaluation Apply(std::uint8_t code, long double a, long double b) {
    const Evaluation r = Compute(code, a, b);
    return r.Ok() ? Limited(r.value) : Evaluation{0, r.error};
}

// For the calculators' loops: the value of a function of b, or NaN when it has none,
// negative for error 7 and positive for error 8. A lone value comes back in a register,
// where an Evaluation would pass through memory.
long double FunctionValue(std::uint8_t code, long double b);

// a^b the same way.
long double PowerValue(long double a, long double b);

inline FormulaError FunctionError(long double nan) {
    return std::signbit(nan) ? FormulaError::DivisionByZero : FormulaError::InvalidArgument;
}

}  // namespace plotwise::operation_detail
