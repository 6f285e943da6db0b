// Numeric rounding shared by the plot engine and the tools.
#pragma once

namespace plotwise {

// v = m * 2^k with 0.5 <= |m| < 1, m rounded to 11 decimal places (halves away from 0).
// Below 1E-200 gives 0; above 1E2000 comes back unchanged.
long double RoundMantissa(long double v);

// RoundMantissa moves a value by less than this part of its magnitude (twice the bound, for
// safety): a comparison farther than that from its bound has the same outcome unrounded.
inline constexpr long double kMantissaSlack = 2e-11L;

// RoundMantissa, then the nearest integer (ties to even): pixel coordinates. Clamped to
// +-1E9, far outside any surface, so callers can add offsets without overflow; NaN gives 0.
int RoundToInt(long double v);

// The nearest integer, halves away from zero.
long double RoundHalfAway(long double v);

// 10^n in extended arithmetic, correctly rounded (0 or infinity beyond the range).
long double Power10(int n);

}  // namespace plotwise
