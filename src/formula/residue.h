// Rounding residue: a result smaller than the rounding of the magnitude it was computed from
// carries no digit of its own.
#pragma once

#include <cmath>

namespace plotwise {

// The part of its operands below which the formula engine takes a sum for residue.
inline constexpr long double kSumResidue = 1e-16L;

// Exactly 0 when value is residue of magnitude, as the engine treats its own sums
// (0.1+0.2-0.3 is 0); value itself otherwise.
inline long double ZeroIfResidue(long double value, long double magnitude,
                                 long double relative = kSumResidue) {
    return std::fabs(value) < relative * std::fabs(magnitude) ? 0.0L : value;
}

}  // namespace plotwise
