// Pixel rectangles and the world-to-pixel mapping of one plot rectangle.
#pragma once

#include <cmath>

#include "formula/rounding.h"

namespace plotwise {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

// World to pixel for one plot rectangle, worked out once for a whole picture.
struct ScreenMapping {
    PixelRect plot;
    long double minX = 0;
    long double minY = 0;
    long double factorX = 0;  // pixels per unit
    long double factorY = 0;
    bool right = true;  // x grows to the right
    bool up = true;     // y grows upwards

    int X(long double x) const;
    int Y(long double y) const;
    // X(RoundMantissa(x)) and Y(RoundMantissa(y)), mostly without the rounding: drawing
    // maps the rounded coordinates it compared.
    int XOfRounded(long double x) const;
    int YOfRounded(long double y) const;
    // Unrounded, for smooth drawing: the middle of the pixel X or Y gives, and in between.
    double XF(long double x) const {
        const long double d = factorX * (x - minX);
        return static_cast<double>((right ? plot.left + d : plot.right - d) + 0.5L);
    }
    double YF(long double y) const {
        const long double e = factorY * (y - minY);
        return static_cast<double>((up ? plot.bottom - e : plot.top + e) + 0.5L);
    }
};

namespace screen_map_detail {

// RoundToInt(factor * (RoundMantissa(v) - min)). Rounding v first moves the product by
// at most kMantissaSlack * factor * |v|, and RoundToInt's own rounding by kMantissaSlack of
// the product: away from a half by more than both, the plain product rounds alike.
inline int OffsetOfRounded(long double factor, long double v, long double min) {
    const long double t = factor * (v - min);
    const long double r = std::rint(t);
    // RoundMantissa also sets values below 1E-200 to 0: an absolute move of up to that much.
    const long double slack =
        kMantissaSlack * (std::fabs(t) + factor * std::fabs(v)) + factor * 1e-200L + 1e-15L;
    if (std::fabs(t - r) < 0.5L - slack && std::fabs(r) < 1e9L) {
        return static_cast<int>(static_cast<double>(r));
    }
    return RoundToInt(factor * (RoundMantissa(v) - min));
}

}  // namespace screen_map_detail

inline int ScreenMapping::XOfRounded(long double x) const {
    const int d = screen_map_detail::OffsetOfRounded(factorX, x, minX);
    return right ? plot.left + d : plot.right - d;
}

inline int ScreenMapping::YOfRounded(long double y) const {
    const int e = screen_map_detail::OffsetOfRounded(factorY, y, minY);
    return up ? plot.bottom - e : plot.top + e;
}

}  // namespace plotwise
