#include "axis_transform.h"

#include <cmath>

namespace plotwise {
namespace {

long double Inverse(bool log, long double base, long double coeff, long double x) {
    if (!std::isfinite(x)) return kNoPoint;  // no point stays no point, whatever the sign
    const long double v = x / coeff;
    if (!log) return v;
    return v > 0 ? std::log(v) / std::log(base) : kNoPoint;
}

}  // namespace

TAxisForward AxisForwardX(const TOptionsRecord& o) {
    return {bool(o.LogX), o.LogXBase, o.CoeffX};
}
TAxisForward AxisForwardY(const TOptionsRecord& o) {
    return {bool(o.LogY), o.LogYBase, o.CoeffY};
}
long double ForwardX(const TOptionsRecord& o, long double s) {
    return AxisForwardX(o)(s);
}
long double ForwardY(const TOptionsRecord& o, long double s) {
    return AxisForwardY(o)(s);
}
long double InverseX(const TOptionsRecord& o, long double x) {
    return Inverse(o.LogX, o.LogXBase, o.CoeffX, x);
}
long double InverseY(const TOptionsRecord& o, long double y) {
    return Inverse(o.LogY, o.LogYBase, o.CoeffY, y);
}

}  // namespace plotwise
