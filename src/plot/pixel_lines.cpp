#include "plot/pixel_lines.h"

#include <algorithm>

#include "draw/device_scale.h"

namespace plotwise {

void DrawThickVertical(QPainter& painter, int x, int y1, int y2, int w) {
    for (int c = x - w / 2; c <= x + w / 2 - (w + 1) % 2; ++c)
        painter.drawLine(c, y1, c, y2);
}

void DrawThickHorizontal(QPainter& painter, int y, int x1, int x2, int w) {
    for (int r = y - w / 2; r <= y + w / 2 - (w + 1) % 2; ++r)
        painter.drawLine(x1, r, x2, r);
}

int ClampedPixels(long long value, int most, long double scale) {
    const long long limit = std::max(1, ScaledPixels(most, std::max(scale, 1.0L)));
    return static_cast<int>(std::clamp<long long>(value, 1, limit));
}

}  // namespace plotwise
