// The view changes of the pointer and the keyboard, without widgets: zooming about a pixel,
// moving the picture by pixels, and taking a rectangle of the plot as the new view. They
// store the bounds as the view buttons do and let the grid, mark and label steps follow the
// width by the buttons' rule.
#pragma once

#include <QImage>
#include <QPoint>
#include <optional>
#include <string>

#include "plot/options_record.h"
#include "plot/screen_map.h"

class QPainter;

namespace plotwise {

// A view interval in axis values (exponents on a logarithmic axis).
struct ViewRange {
    long double minX = 0;
    long double maxX = 0;
    long double minY = 0;
    long double maxY = 0;
};

// The axis value at a pixel position of map's plot rectangle, fractions included.
long double AxisXAtPixel(const ScreenMapping& map, long double px);
long double AxisYAtPixel(const ScreenMapping& map, long double py);

// The view zoomed kx times along X and ky times along Y (more than 1 zooms in) about the
// pixel (px, py), which keeps its axis values.
ViewRange ZoomedView(const ScreenMapping& map, int px, int py, long double kx, long double ky);
// The view after the picture moved dx pixels to the right and dy pixels down.
ViewRange MovedView(const ScreenMapping& map, long double dx, long double dy);
// The view of the same size with the point (x, y), in formula values, in its middle; none
// when the point has no place on a logarithmic axis.
std::optional<ViewRange> CentredView(const ScreenMapping& map, const OptionsRecord& shown,
                                     long double x, long double y);
// The view of the pixel rectangle between two corners, in any order.
ViewRange BoxView(const ScreenMapping& map, QPoint corner1, QPoint corner2);

// Sets options' interval to range rounded as stored, with the steps of `from` (the options
// the gesture started from) scaled to the new widths. Returns the message of a refused view
// (the view commands' checks) and then leaves options alone; empty on success.
std::string SetView(OptionsRecord& options, const OptionsRecord& from, const ViewRange& range);

// "X: a .. b   Y: c .. d", the view as the status bar shows it while the picture moves.
std::string ViewRangeHint(const OptionsRecord& options, const ViewRange& range);

// Options showing MovedView (unrounded, the steps kept) and their mapping, movedMap: what
// the uncovered part of a moving picture shows.
OptionsRecord MovedOptions(const OptionsRecord& options, const ScreenMapping& map, QPoint offset,
                           ScreenMapping& movedMap);

// One frame of a drag: the picture moved by offset, and where it uncovers the surface, the
// background, grid, axes and labels of the view it moves to (options mapped by map).
void DrawMovedPicture(QPainter& painter, const QImage& picture, QPoint offset,
                      const OptionsRecord& options, const ScreenMapping& map);

}  // namespace plotwise
