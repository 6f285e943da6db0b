// Round12: every computed value rounded to 12 significant decimal digits.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

namespace plotwise {

// Magnitudes below 1E-200 give 0, above 1E2000 (and non-finite values) come back
// unchanged; otherwise exactly what reading back the "%.11Le" text of v gives.
inline long double Round12(long double v);

// That text round trip itself: slow, and the definition Round12 is tested against.
long double Round12ByText(long double v);

// 10^n as an unevaluated sum hi + lo (hi correctly rounded), with 1 / hi rounded, for
// 0 <= n <= kMaxPow10.
inline constexpr int kMaxPow10 = 2100;
struct ExtendedPair {
    long double hi;
    long double lo;
    long double inverse;
};
const ExtendedPair& Pow10Pair(int n);

namespace round12_detail {

// Every magnitude, with 5^k pairs where 10^k is not exact.
long double Round12Wide(long double v);

extern const long double kExactPow10[28];  // 10^0 .. 10^27, all exact
extern const long double kScale[55];       // 10^-27 .. 10^27, rounded where inexact

// A scaled value this close to .5 (in units of 1) is a possible tie; the scaled value is
// below 2^40, so its error of a few units in the last place is under 2^-22.
inline constexpr long double kTieMargin = 0x1p-18L;

}  // namespace round12_detail

// The common case inline: |v| from about 2E-15 to 2E36, where 10^k is exact. v is scaled
// into [1E11, 1E12), rounded to an integer r, and r / 10^k is one correctly rounded
// division (or multiplication).
inline long double Round12(long double v) {
    using namespace round12_detail;
    // The binary exponent, read from the value as a double: cheaper than from the 10
    // bytes, and rounding up to the next power of two only moves the estimate by one.
    const long double a = std::fabs(v);
    const double d = static_cast<double>(a);
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    const int e2 = static_cast<int>(bits >> 52) - 1023;
    if (e2 < -49 || e2 > 120) return Round12Wide(v);
    int k = 11 - ((e2 * 78913) >> 18);  // the decimal exponent estimate is off by one at most
    long double s = a * kScale[k + 27];
    if (s >= 1e12L) {
        s = a * kScale[--k + 27];
    } else if (s < 1e11L) {
        s = a * kScale[++k + 27];
    }
    const long double r = std::rint(s);
    if (std::fabs(s - r) > 0.5L - kTieMargin) return Round12ByText(v);
    const long double result = k >= 0 ? r / kExactPow10[k] : r * kExactPow10[-k];
    return v < 0 ? -result : result;
}

}  // namespace plotwise
