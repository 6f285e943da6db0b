#include "axis_transform.h"

#include <cmath>

namespace plotwise {
namespace {

long double Forward(bool log, long double base, long double coeff, long double s) {
    return log ? std::pow(base, s) * coeff : s * coeff;
}

long double Inverse(bool log, long double base, long double coeff, long double x) {
    if (!std::isfinite(x)) return kNoPoint;  // no point stays no point, whatever the sign
    const long double v = x / coeff;
    if (!log) return v;
    return v > 0 ? std::log(v) / std::log(base) : kNoPoint;
}

}  // namespace

long double ForwardX(const TOptionsRecord& o, long double s) {
    return Forward(o.LogX, o.LogXBase, o.CoeffX, s);
}
long double ForwardY(const TOptionsRecord& o, long double s) {
    return Forward(o.LogY, o.LogYBase, o.CoeffY, s);
}
long double InverseX(const TOptionsRecord& o, long double x) {
    return Inverse(o.LogX, o.LogXBase, o.CoeffX, x);
}
long double InverseY(const TOptionsRecord& o, long double y) {
    return Inverse(o.LogY, o.LogYBase, o.CoeffY, y);
}

}  // namespace plotwise
