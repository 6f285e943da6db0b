// Axis units and formula values: the coefficient and logarithmic scale of each axis.
#pragma once

#include <cmath>

#include "plot/options_record.h"

namespace plotwise {

// One axis's forward transform with the record's fields read once, for loops.
struct AxisForward {
    bool log;
    long double base;
    long double coeff;
    long double operator()(long double s) const {
        return log ? std::pow(base, s) * coeff : s * coeff;
    }
};
AxisForward AxisForwardX(const OptionsRecord& options);
AxisForward AxisForwardY(const OptionsRecord& options);

// One axis's inverse transform with the record's fields read once, for drawing loops.
struct AxisInverse {
    bool log;
    long double coeff;
    long double logBase;  // ln of the base
    long double operator()(long double x) const {
        if (!std::isfinite(x)) return kNoPoint;  // no point stays no point, whatever the sign
        const long double v = coeff == 1 ? x : x / coeff;  // dividing by 1 changes nothing
        if (!log) return v;
        return v > 0 ? std::log(v) / logBase : kNoPoint;
    }
};
AxisInverse AxisInverseX(const OptionsRecord& options);
AxisInverse AxisInverseY(const OptionsRecord& options);

// Axis value s to the value formulas see: B^s * Coeff on a logarithmic axis, s * Coeff
// otherwise.
long double ForwardX(const OptionsRecord& options, long double s);
long double ForwardY(const OptionsRecord& options, long double s);

// Formula value to axis value; a value that is no point, or on a logarithmic axis a value
// of 0 or below, has no position (+Infinity).
long double InverseX(const OptionsRecord& options, long double x);
long double InverseY(const OptionsRecord& options, long double y);

}  // namespace plotwise
