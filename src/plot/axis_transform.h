// Axis units and formula values: the coefficient and logarithmic scale of each axis.
#pragma once

#include "options_record.h"

namespace plotwise {

// Axis value s to the value formulas see: B^s * Coeff on a logarithmic axis, s * Coeff
// otherwise.
long double ForwardX(const TOptionsRecord& options, long double s);
long double ForwardY(const TOptionsRecord& options, long double s);

// Formula value to axis value; a value that is no point, or on a logarithmic axis a value
// of 0 or below, has no position (+Infinity).
long double InverseX(const TOptionsRecord& options, long double x);
long double InverseY(const TOptionsRecord& options, long double y);

}  // namespace plotwise
