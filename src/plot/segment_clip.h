// Which part of a segment between two graph points is drawn: none when it jumps further
// than the graph's maximum gap or misses the view, else the part inside the view. All
// comparisons are made on coordinates rounded to 11 mantissa digits.
#pragma once

#include <cmath>

#include "formula/rounding.h"
#include "plot/options_record.h"

namespace plotwise {

// One end of a segment as it comes (axis units), whether it lies in the view, and its pixel
// when it does; SegmentPen::Judge works out the last two.
struct SegmentEnd {
    long double x = 0;
    long double y = 0;
    bool inside = false;
    int px = 0;
    int py = 0;
};

class SegmentClipper {
  public:
    // maxGap in percent of the visible width and height.
    SegmentClipper(const OptionsRecord& options, long long maxGap);

    // A point's coordinates as every comparison here sees them.
    static void Round(long double& x, long double& y);

    // Rounded coordinates: whether the point lies in the view, bounds included.
    bool Inside(long double x, long double y) const {
        return x >= minX_ && x <= maxX_ && y >= minY_ && y <= maxY_;
    }
    // Inside for coordinates as they come, rounding only those near a bound.
    bool InsideUnrounded(long double x, long double y) const;
    // Rounded ends: whether the segment jumps no further than the maximum gap.
    bool WithinGap(long double x1, long double y1, long double x2, long double y2) const;
    // The same for ends as they come, rounding only when the jump is near the gap.
    bool WithinGapUnrounded(long double x1, long double y1, long double x2, long double y2) const;
    // Rounded ends in, the visible part out (crossings rounded too); false: nothing drawn.
    bool ClipRounded(long double& x1, long double& y1, long double& x2, long double& y2) const;
    // The same for ends as they come.
    bool Clip(long double& x1, long double& y1, long double& x2, long double& y2) const {
        Round(x1, y1);
        Round(x2, y2);
        return ClipRounded(x1, y1, x2, y2);
    }

  private:
    long double minX_, maxX_, minY_, maxY_;
    long double gapX_, gapY_;
};

inline bool SegmentClipper::InsideUnrounded(long double x, long double y) const {
    // Relative to the value, and absolute below 1E-200, which rounds to 0.
    const long double sx = kMantissaSlack * std::fabs(x) + 1e-200L;
    const long double sy = kMantissaSlack * std::fabs(y) + 1e-200L;
    if (x > minX_ + sx && x < maxX_ - sx && y > minY_ + sy && y < maxY_ - sy) return true;
    if (x < minX_ - sx || x > maxX_ + sx || y < minY_ - sy || y > maxY_ + sy) return false;
    Round(x, y);
    return Inside(x, y);
}

}  // namespace plotwise
