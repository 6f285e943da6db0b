#include "plot/segment_clip.h"

#include <cmath>

#include "formula/rounding.h"

namespace plotwise {
namespace {

// Moves (a, b) along the segment to where the coordinate a reaches bound; (c, d) is the
// other end. A segment that does not cross the bound stays as it is (and is then refused).
void CutAt(long double& a, long double& b, long double c, long double d, long double bound) {
    if (a == c) return;
    b = RoundMantissa(b - (b - d) * (a - bound) / (a - c));
    a = bound;
}

}  // namespace

SegmentClipper::SegmentClipper(const OptionsRecord& options, long long maxGap)
    : minX_(RoundMantissa(options.MinX)),
      maxX_(RoundMantissa(options.MaxX)),
      minY_(RoundMantissa(options.MinY)),
      maxY_(RoundMantissa(options.MaxY)),
      gapX_(maxGap * (maxX_ - minX_) * 0.01L),
      gapY_(maxGap * (maxY_ - minY_) * 0.01L) {}

void SegmentClipper::Round(long double& x, long double& y) {
    x = RoundMantissa(x);
    y = RoundMantissa(y);
}

bool SegmentClipper::WithinGapUnrounded(long double x1, long double y1, long double x2,
                                        long double y2) const {
    const long double dx = std::fabs(x1 - x2);
    const long double dy = std::fabs(y1 - y2);
    // Values below 1E-200 round to 0: each end may move by that much too.
    const long double sx = kMantissaSlack * (std::fabs(x1) + std::fabs(x2)) + 2e-200L;
    const long double sy = kMantissaSlack * (std::fabs(y1) + std::fabs(y2)) + 2e-200L;
    if (dx + sx <= gapX_ && dy + sy <= gapY_) return true;
    if (dx - sx > gapX_ || dy - sy > gapY_) return false;
    Round(x1, y1);
    Round(x2, y2);
    return WithinGap(x1, y1, x2, y2);
}

bool SegmentClipper::WithinGap(long double x1, long double y1, long double x2,
                               long double y2) const {
    return std::fabs(y1 - y2) <= gapY_ && std::fabs(x1 - x2) <= gapX_;
}

bool SegmentClipper::ClipRounded(long double& x1, long double& y1, long double& x2,
                                 long double& y2) const {
    if ((y1 > maxY_ && y2 > maxY_) || (y1 < minY_ && y2 < minY_) || (x1 > maxX_ && x2 > maxX_) ||
        (x1 < minX_ && x2 < minX_)) {
        return false;
    }
    if (!WithinGap(x1, y1, x2, y2)) return false;
    if (y1 > maxY_) CutAt(y1, x1, y2, x2, maxY_);
    if (y2 > maxY_) CutAt(y2, x2, y1, x1, maxY_);
    if (y1 < minY_) CutAt(y1, x1, y2, x2, minY_);
    if (y2 < minY_) CutAt(y2, x2, y1, x1, minY_);
    if (x1 > maxX_) CutAt(x1, y1, x2, y2, maxX_);
    if (x2 > maxX_) CutAt(x2, y2, x1, y1, maxX_);
    if (x1 < minX_) CutAt(x1, y1, x2, y2, minX_);
    if (x2 < minX_) CutAt(x2, y2, x1, y1, minX_);
    return Inside(x1, y1) && Inside(x2, y2);
}

}  // namespace plotwise
