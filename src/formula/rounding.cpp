#include "rounding.h"

#include <cmath>
#include <string>

#include "decimal_io.h"
#include "round12.h"

namespace plotwise {

long double RoundMantissa(long double v) {
    const long double a = std::fabs(v);
    if (a < 1e-200L) return 0;
    if (!(a <= 1e2000L)) return v;
    int exponent = 0;
    const long double m = std::frexp(v, &exponent);
    return std::ldexp(RoundHalfAway(m * 1e11L) / 1e11L, exponent);
}

int RoundToInt(long double v) {
    constexpr long double kLimit = 1e9L;
    const long double r = std::nearbyint(RoundMantissa(v));
    if (std::isnan(r)) return 0;
    return static_cast<int>(std::fmax(-kLimit, std::fmin(kLimit, r)));
}

long double RoundHalfAway(long double v) {
    return std::round(v);
}

long double Power10(int n) {
    if (n >= 0 && n <= kMaxPow10) return Pow10Pair(n).hi;
    long double value = 0;
    ParseDecimal("1e" + std::to_string(n), value);
    return value;
}

}  // namespace plotwise
