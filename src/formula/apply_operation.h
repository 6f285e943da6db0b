// One operation of the formula language with all its domain limits.
#pragma once

#include <cstdint>

#include "formula/formula_errors.h"

namespace plotwise {

// A is the left operand of a binary operator and 0 for unary minus and functions, whose
// argument is B. The error is 7 or 8; no floating-point fault or non-finite value escapes.
Evaluation ApplyOperation(std::uint8_t code, long double a, long double b);

// The sine and cosine of one angle, one reduction for both (no limit on the angle).
void SineAndCosine(long double x, long double& sine, long double& cosine);

}  // namespace plotwise
