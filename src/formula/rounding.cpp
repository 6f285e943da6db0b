#include "formula/rounding.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "formula/decimal_io.h"
#include "formula/extended_parts.h"
#include "formula/round12.h"

namespace plotwise {

long double RoundMantissa(long double v) {
    const long double a = std::fabs(v);
    if (a < 1e-200L) return 0;
    if (!(a <= 1e2000L)) return v;
    const int exponent = FrexpExponent(v);
    const long double m = v * PowerOfTwo(-exponent);
    return RoundHalfAway(m * 1e11L) / 1e11L * PowerOfTwo(exponent);
}

int RoundToInt(long double v) {
    constexpr long double kLimit = 1e9L;
    // rint rounds halves to even like nearbyint in the default rounding mode, as one
    // instruction. RoundMantissa moves v by at most 1E-11 of |v|, so unless v lies that
    // close to a half the nearest integer is the same without it.
    long double r = std::rint(v);
    if (!(std::fabs(v - r) < 0.5L - kMantissaSlack * std::fabs(v) - 1e-18L)) {
        r = std::rint(RoundMantissa(v));
        if (std::isnan(r)) return 0;
    }
    const long double clamped = r < -kLimit ? -kLimit : (r > kLimit ? kLimit : r);
    // An integer this small is exact in a double, whose conversion to int needs no switch
    // of the x87 rounding mode (the costliest step of a direct conversion).
    return static_cast<int>(static_cast<double>(clamped));
}

long double RoundHalfAway(long double v) {
    long double r = std::rint(v);
    const long double d = v - r;  // exact: v and r are within a half of each other
    if (d == 0.5L && v > 0) r += 1;
    if (d == -0.5L && v < 0) r -= 1;
    return r;
}

long double Power10(int n) {
    if (n >= 0 && n <= kMaxPow10) return Pow10Pair(n).hi;
    long double value = 0;
    ParseDecimal("1e" + std::to_string(n), value);
    return value;
}

}  // namespace plotwise
