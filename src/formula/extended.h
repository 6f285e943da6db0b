// The number type of the whole program: the 80-bit x87 extended float.
#pragma once

#include <cfloat>

static_assert(LDBL_MANT_DIG == 64, "Plotwise computes in 80-bit extended precision");

namespace plotwise {

// Pi and pi/2 to the full 64-bit mantissa (C90FDAA22168C235).
inline constexpr long double kPi = 0xC90FDAA22168C235p-62L;
inline constexpr long double kPiHalf = 0xC90FDAA22168C235p-63L;

// Largest magnitude an operation may produce; beyond it a formula has no value.
inline constexpr long double kMaxResult = 1e500L;

}  // namespace plotwise
