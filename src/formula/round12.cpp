// Round12 without text. The value is scaled by 10^k into [1E11, 1E12) and rounded to an
// integer r; the result is r / 10^k, correctly rounded. While 10^k is exact (|k| <= 27)
// one division or multiplication does it. Beyond, 10^k is held as a pair of extended
// values and the quotient or product is corrected with an exact residual (Dekker's
// products). Whenever the scaled value or the corrected result lies within a tiny margin
// of a rounding tie, the text round trip decides.
#include "formula/round12.h"

#include <cmath>
#include <vector>

#include "formula/decimal_io.h"
#include "formula/extended.h"
#include "formula/extended_parts.h"

namespace plotwise {
namespace round12_detail {

const long double kExactPow10[28] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L,
};

const long double kScale[55] = {
    1e-27L, 1e-26L, 1e-25L, 1e-24L, 1e-23L, 1e-22L, 1e-21L, 1e-20L, 1e-19L, 1e-18L, 1e-17L,
    1e-16L, 1e-15L, 1e-14L, 1e-13L, 1e-12L, 1e-11L, 1e-10L, 1e-9L,  1e-8L,  1e-7L,  1e-6L,
    1e-5L,  1e-4L,  1e-3L,  1e-2L,  1e-1L,  1e0L,   1e1L,   1e2L,   1e3L,   1e4L,   1e5L,
    1e6L,   1e7L,   1e8L,   1e9L,   1e10L,  1e11L,  1e12L,  1e13L,  1e14L,  1e15L,  1e16L,
    1e17L,  1e18L,  1e19L,  1e20L,  1e21L,  1e22L,  1e23L,  1e24L,  1e25L,  1e26L,  1e27L,
};

}  // namespace round12_detail

namespace {

using round12_detail::kExactPow10;
using round12_detail::kTieMargin;

constexpr int kMaxExact = 27;

// 10^n = 5^n * 2^n: the pairs grow by exact products with 5, then scale exactly.
std::vector<ExtendedPair> BuildPow10() {
    std::vector<ExtendedPair> table(kMaxPow10 + 1);
    long double fiveHi = 1;
    long double fiveLo = 0;
    table[0] = {1, 0, 1};
    for (int n = 1; n <= kMaxPow10; ++n) {
        long double p, e;
        TwoProduct(5, fiveHi, p, e);
        const long double tail = e + 5 * fiveLo;
        fiveHi = p + tail;
        fiveLo = tail - (fiveHi - p);
        const long double hi = std::ldexp(fiveHi, n);
        table[n] = {hi, std::ldexp(fiveLo, n), 1 / hi};
    }
    return table;
}

// Decimal exponent of a positive normal value: the true one or one less.
int DecimalExponentEstimate(long double a) {
    int e2 = 0;
    std::frexp(a, &e2);
    return ((e2 - 1) * 78913) >> 18;  // floor(e2 * log10(2)), rounded down
}

// a * 10^k, with at most two roundings.
long double Scale(long double a, int k) {
    if (k >= 0 && k <= kMaxExact) return a * kExactPow10[k];
    if (k < 0 && -k <= kMaxExact) return a / kExactPow10[-k];
    return k > 0 ? a * Pow10Pair(k).hi : a * Pow10Pair(-k).inverse;
}

// t = RN(base + c), where base + c is the exact value up to a far smaller error: t is its
// correct rounding unless base + c lies so close to a midpoint that nudging c by a tiny
// fraction of an ulp changes the rounding.
bool ClearOfMidpoint(long double base, long double c, long double t) {
    const long double nudge = base * 0x1p-82L;  // 2^-19 of an ulp of base
    return base + (c + nudge) == t && base + (c - nudge) == t;
}

// r / 10^k for k > 27, correctly rounded; false when too close to call.
bool DivideByPow10(long double r, int k, long double& result) {
    const ExtendedPair& f = Pow10Pair(k);
    const long double q = r * f.inverse;  // within two ulps; the residual corrects it
    long double p, pe;
    TwoProduct(q, f.hi, p, pe);
    const long double residual = ((r - p) - pe) - q * f.lo;  // r - q * 10^k
    const long double c = residual * f.inverse;
    result = q + c;
    return ClearOfMidpoint(q, c, result);
}

// r * 10^m for m > 27, correctly rounded; false when too close to call.
bool MultiplyByPow10(long double r, int m, long double& result) {
    const ExtendedPair& f = Pow10Pair(m);
    long double p, pe;
    TwoProduct(r, f.hi, p, pe);
    const long double c = pe + r * f.lo;
    result = p + c;
    return ClearOfMidpoint(p, c, result);
}

}  // namespace

const ExtendedPair& Pow10Pair(int n) {
    static const std::vector<ExtendedPair> table = BuildPow10();
    return table[n];
}

long double Round12ByText(long double v) {
    const long double a = std::fabs(v);
    if (a < 1e-200L) return 0;
    if (!(a <= 1e2000L)) return v;
    long double result = 0;
    ParseDecimal(FormatScientific(v, 11), result);
    return result;
}

long double round12_detail::Round12Wide(long double v) {
    const long double a = std::fabs(v);
    if (a < 1e-200L) return 0;
    if (!(a <= 1e2000L)) return v;

    int k = 11 - DecimalExponentEstimate(a);
    long double s = Scale(a, k);
    if (s >= 1e12L) {
        s = Scale(a, --k);
    } else if (s < 1e11L) {
        s = Scale(a, ++k);
    }

    const long double r = std::rint(s);
    if (std::fabs(s - r) > 0.5L - kTieMargin) return Round12ByText(v);

    long double result;
    if (k >= 0 && k <= kMaxExact) {
        result = r / kExactPow10[k];
    } else if (k < 0 && -k <= kMaxExact) {
        result = r * kExactPow10[-k];
    } else if (!(k > 0 ? DivideByPow10(r, k, result) : MultiplyByPow10(r, -k, result))) {
        return Round12ByText(v);
    }
    return v < 0 ? -result : result;
}

}  // namespace plotwise
