// Pixel-exact pieces of the picture's frame: thick lines as rows of one-pixel lines (so
// dashes of every row line up), and widths read from records kept drawable.
#pragma once

#include <QPainter>

namespace plotwise {

inline constexpr int kMaxMarkLength = 10;  // tick marks, pixels beyond the axis line

// w one-pixel lines in the painter's pen: columns x - w / 2 to x + w / 2 - (w + 1) % 2
// (an even width has its extra column on the left), rows y1 to y2 inclusive.
void DrawThickVertical(QPainter& painter, int x, int y1, int y2, int w);
// The same along a row: rows y - w / 2 to y + w / 2 - (w + 1) % 2, columns x1 to x2.
void DrawThickHorizontal(QPainter& painter, int y, int x1, int x2, int w);

// A thickness or length from a record, within 1 and the most the dialogs offer at the
// device's scale (printing scales the stored sizes beforehand).
int ClampedPixels(long long value, int most, long double scale);

}  // namespace plotwise
