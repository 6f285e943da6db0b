#include "draw/device_scale.h"

#include <cmath>

namespace plotwise {

int ScaledPixels(long double v, long double scale) {
    // rint is nearbyint in the default rounding mode, as one instruction: markers call
    // this per point. The clamp is far beyond any device and keeps the conversion defined
    // for values read from files.
    const long double r = std::rint(v * scale);
    if (std::isnan(r)) return 0;
    const long double clamped = r < -1e6L ? -1e6L : (r > 1e6L ? 1e6L : r);
    return static_cast<int>(static_cast<double>(clamped));
}

}  // namespace plotwise
