// The shapes that the plot and the style choosers draw alike: point markers, axis pointers,
// line and shading styles, and area fills. Sizes are screen pixels, scaled by the device
// scale the caller draws at; painters draw aliased.
#pragma once

#include <QPainter>

#include "draw/device_scale.h"

namespace plotwise {

inline constexpr int kLineStyleCount = 4;   // solid, dashed, dotted, dash-dot
inline constexpr int kBrushStyleCount = 7;  // solid, /, \, +, x, -, |
inline constexpr int kPointStyleCount = 8;  // x, +, square, filled square, diamond, filled
                                            // diamond, circle, filled circle
inline constexpr int kMaxPointSize = 11;
inline constexpr int kMaxLineWidth = 5;

// Grid and axis line styles; an unknown index draws solid.
Qt::PenStyle PenStyleOf(long long style);
// Inequality shadings; an unknown index fills solid.
Qt::BrushStyle BrushStyleOf(long long style);

// A marker of the given style centred at (x, y) in the painter's pen and brush colours:
// size pixels across (clamped to 1..11 before scaling); size 1 is a single pixel. An
// unknown style draws nothing. The pen's width and style and the brush's style are left
// as the marker needed them; the colours stay.
void DrawPoint(QPainter& painter, const DeviceScale& scale, int x, int y, long long style,
               long long size);

// An axis arrow head (kind 0; any other kind is no pointer) with its tip at (x, y),
// pointing right (direction 0), left (1), up (2) or down (3).
void DrawPointer(QPainter& painter, const DeviceScale& scale, int kind, int x, int y,
                 const QColor& color, int direction);

// Fills the rectangle that covers both corners with the painter's brush, no outline.
void FillArea(QPainter& painter, int x1, int y1, int x2, int y2);

}  // namespace plotwise
