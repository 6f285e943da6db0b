#include "axis_transform.h"

#include <cmath>

namespace plotwise {
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
TAxisInverse AxisInverseX(const TOptionsRecord& o) {
    return {bool(o.LogX), o.CoeffX, o.LogX ? std::log(static_cast<long double>(o.LogXBase)) : 1};
}
TAxisInverse AxisInverseY(const TOptionsRecord& o) {
    return {bool(o.LogY), o.CoeffY, o.LogY ? std::log(static_cast<long double>(o.LogYBase)) : 1};
}
long double InverseX(const TOptionsRecord& o, long double x) {
    return AxisInverseX(o)(x);
}
long double InverseY(const TOptionsRecord& o, long double y) {
    return AxisInverseY(o)(y);
}

}  // namespace plotwise
