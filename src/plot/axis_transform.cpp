#include "plot/axis_transform.h"

#include <cmath>

namespace plotwise {
AxisForward AxisForwardX(const OptionsRecord& o) {
    return {bool(o.LogX), o.LogXBase, o.CoeffX};
}
AxisForward AxisForwardY(const OptionsRecord& o) {
    return {bool(o.LogY), o.LogYBase, o.CoeffY};
}
long double ForwardX(const OptionsRecord& o, long double s) {
    return AxisForwardX(o)(s);
}
long double ForwardY(const OptionsRecord& o, long double s) {
    return AxisForwardY(o)(s);
}
AxisInverse AxisInverseX(const OptionsRecord& o) {
    return {bool(o.LogX), o.CoeffX, o.LogX ? std::log(static_cast<long double>(o.LogXBase)) : 1};
}
AxisInverse AxisInverseY(const OptionsRecord& o) {
    return {bool(o.LogY), o.CoeffY, o.LogY ? std::log(static_cast<long double>(o.LogYBase)) : 1};
}
long double InverseX(const OptionsRecord& o, long double x) {
    return AxisInverseX(o)(x);
}
long double InverseY(const OptionsRecord& o, long double y) {
    return AxisInverseY(o)(y);
}

}  // namespace plotwise
