// How many device pixels stand for one screen pixel: 1 on screen and for bitmaps, the
// printer's resolution over the screen's on a page.
#pragma once

#include <algorithm>

namespace plotwise {

class DeviceScale {
  public:
    constexpr DeviceScale() = default;  // the screen's
    constexpr DeviceScale(long double x, long double y) : x_(x), y_(y), min_(std::min(x, y)) {}

    constexpr long double X() const { return x_; }
    constexpr long double Y() const { return y_; }
    // Sizes that have no direction (point markers, graph lines, circles) follow the smaller.
    constexpr long double Min() const { return min_; }

  private:
    long double x_ = 1;
    long double y_ = 1;
    long double min_ = 1;
};

// v * scale to the nearest integer, halves to even: scaled pixel sizes.
int ScaledPixels(long double v, long double scale);

}  // namespace plotwise
