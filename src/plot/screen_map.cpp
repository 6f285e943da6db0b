#include "plot/screen_map.h"

namespace plotwise {

int ScreenMapping::X(long double x) const {
    const int d = RoundToInt(factorX * (x - minX));
    return right ? plot.left + d : plot.right - d;
}

int ScreenMapping::Y(long double y) const {
    const int e = RoundToInt(factorY * (y - minY));
    return up ? plot.bottom - e : plot.top + e;
}

}  // namespace plotwise
