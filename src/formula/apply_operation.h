// One operation of the formula language with all its domain limits.
#pragma once

#include <cstdint>

namespace plotwise {

// A is the left operand of a binary operator and 0 for unary minus and functions, whose
// argument is B. err is 0, 7 or 8; no floating-point fault or non-finite value escapes.
long double ApplyOperation(std::uint8_t code, std::uint8_t& err, long double a, long double b);

}  // namespace plotwise
