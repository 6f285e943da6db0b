// Which part of a segment between two graph points is drawn: none when it jumps further
// than the graph's maximum gap or misses the view, else the part inside the view.
#pragma once

#include "options_record.h"

namespace plotwise {

class TSegmentClipper {
  public:
    // maxGap in percent of the visible width and height.
    TSegmentClipper(const TOptionsRecord& options, long long maxGap);

    // Axis units in and out, compared in 11 mantissa digits; false: nothing to draw.
    bool Clip(long double& x1, long double& y1, long double& x2, long double& y2) const;
    // Whether a point lies in the view, bounds included.
    bool Inside(long double x, long double y) const;

  private:
    long double minX_, maxX_, minY_, maxY_;
    long double gapX_, gapY_;
};

}  // namespace plotwise
