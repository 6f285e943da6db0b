#include "device_scale.h"

#include <cmath>

namespace plotwise {

long double ScaleX = 1;
long double ScaleY = 1;
long double ScaleMin = 1;

int ScaledPixels(long double v, long double scale) {
    // Far beyond any device, and keeps the conversion defined for values read from files.
    const long double r = std::nearbyint(v * scale);
    if (std::isnan(r)) return 0;
    return static_cast<int>(std::fmax(-1e6L, std::fmin(1e6L, r)));
}

}  // namespace plotwise
