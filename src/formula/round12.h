// Round12: every computed value rounded to 12 significant decimal digits.
#pragma once

namespace plotwise {

// Magnitudes below 1E-200 give 0, above 1E2000 (and non-finite values) come back
// unchanged; otherwise exactly what reading back the "%.11Le" text of v gives.
long double Round12(long double v);

// That text round trip itself: slow, and the definition Round12 is tested against.
long double Round12ByText(long double v);

// The correctly rounded 5^n as an unevaluated sum hi + lo, for 0 <= n <= kMaxPow5.
inline constexpr int kMaxPow5 = 2100;
struct ExtendedPair {
    long double hi;
    long double lo;
};
const ExtendedPair& Pow5(int n);

}  // namespace plotwise
