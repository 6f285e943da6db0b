// Round12 without text. The value is scaled by 10^k into [1E11, 1E12) and rounded to an
// integer r; the result is r / 10^k, correctly rounded. While 10^k is exact (|k| <= 27)
// one multiplication and one division do it. Beyond, 10^k = 5^k * 2^k with 5^k held as
// a pair of extended values, and the quotient or product is corrected with an exact
// residual (Dekker's products). Whenever the scaled value or the corrected result lies
// within a tiny margin of a rounding tie, the text round trip decides.
#include "round12.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "decimal_io.h"
#include "extended.h"

namespace plotwise {
namespace {

constexpr long double kExactPow10[28] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L,
};
constexpr int kMaxExact = 27;

// A scaled value this close to .5 (in units of 1) is a possible tie; the scaled value is
// below 2^40, so its error of a few units in the last place is under 2^-22.
constexpr long double kTieMargin = 0x1p-18L;
// The same for the corrected result, in units of its rounding gap.
constexpr long double kGapMargin = 0x1p-20L;

// Exact product a * b = p + e (Veltkamp split into 32-bit halves of the 64-bit mantissa).
void Split(long double a, long double& hi, long double& lo) {
    const long double t = a * 0x1.00000001p32L;
    hi = t - (t - a);
    lo = a - hi;
}

void TwoProduct(long double a, long double b, long double& p, long double& e) {
    p = a * b;
    long double ah, al, bh, bl;
    Split(a, ah, al);
    Split(b, bh, bl);
    e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
}

std::vector<ExtendedPair> BuildPow5() {
    std::vector<ExtendedPair> table(kMaxPow5 + 1);
    table[0] = {1, 0};
    for (int n = 1; n <= kMaxPow5; ++n) {
        long double p, e;
        TwoProduct(5, table[n - 1].hi, p, e);
        const long double tail = e + 5 * table[n - 1].lo;
        const long double hi = p + tail;
        table[n] = {hi, tail - (hi - p)};
    }
    return table;
}

// Decimal exponent of a positive normal value, never above the true one.
int DecimalExponentBelow(long double a) {
    std::uint16_t signExponent;
    std::memcpy(&signExponent, reinterpret_cast<const char*>(&a) + 8, sizeof signExponent);
    const int e2 = (signExponent & 0x7FFF) - 16383;
    return (e2 * 78913) >> 18;  // floor(e2 * log10(2)), rounded down
}

// a * 10^k (one rounding while 10^k is exact, two otherwise).
long double Scale(long double a, int k) {
    if (k >= 0 && k <= kMaxExact) return a * kExactPow10[k];
    if (k < 0 && -k <= kMaxExact) return a / kExactPow10[-k];
    if (k > 0) return std::ldexp(a * Pow5(k).hi, k);
    return std::ldexp(a / Pow5(-k).hi, k);
}

// Whether the rounded sum t of an exact value x = base + c lies near a midpoint between t
// and a neighbour, given err = x - t.
bool NearMidpoint(long double t, long double err) {
    const long double gap = err >= 0 ? std::nextafter(t, HUGE_VALL) - t
                                     : t - std::nextafter(t, 0.0L);
    return std::fabs(std::fabs(err) - gap / 2) < gap * kGapMargin;
}

// r / 10^k for k > 27, correctly rounded; false when too close to call.
bool DivideByPow10(long double r, int k, long double& result) {
    const ExtendedPair& f = Pow5(k);
    const long double q = r / f.hi;
    long double p, pe;
    TwoProduct(q, f.hi, p, pe);
    const long double residual = ((r - p) - pe) - q * f.lo;  // r - q * 5^k
    const long double c = residual / f.hi;
    const long double t = q + c;
    if (NearMidpoint(t, c - (t - q))) return false;
    result = std::ldexp(t, -k);
    return true;
}

// r * 10^m for m > 27, correctly rounded; false when too close to call.
bool MultiplyByPow10(long double r, int m, long double& result) {
    const ExtendedPair& f = Pow5(m);
    long double p, pe;
    TwoProduct(r, f.hi, p, pe);
    const long double c = pe + r * f.lo;
    const long double t = p + c;
    if (NearMidpoint(t, c - (t - p))) return false;
    result = std::ldexp(t, m);
    return true;
}

}  // namespace

const ExtendedPair& Pow5(int n) {
    static const std::vector<ExtendedPair> table = BuildPow5();
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

long double Round12(long double v) {
    const long double a = std::fabs(v);
    if (a < 1e-200L) return 0;
    if (!(a <= 1e2000L)) return v;

    int k = 11 - DecimalExponentBelow(a);
    long double s = Scale(a, k);
    while (s >= 1e12L) s = Scale(a, --k);
    if (s < 1e11L) s = Scale(a, ++k);  // the estimate can overshoot for tiny values

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
