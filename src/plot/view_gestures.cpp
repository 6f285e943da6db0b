#include "plot/view_gestures.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "draw/style_colors.h"
#include "formula/number_input.h"
#include "plot/axis_transform.h"
#include "plot/frame_renderer.h"
#include "plot/pointer_hint.h"
#include "plot/view_interval.h"

namespace plotwise {

long double AxisXAtPixel(const ScreenMapping& map, long double px) {
    const long double d = map.right ? px - map.plot.left : map.plot.right - px;
    return d / map.factorX + map.minX;
}

long double AxisYAtPixel(const ScreenMapping& map, long double py) {
    const long double e = map.up ? map.plot.bottom - py : py - map.plot.top;
    return e / map.factorY + map.minY;
}

namespace {

long double MaxX(const ScreenMapping& map) {
    return map.minX + map.plot.Width() / map.factorX;
}

long double MaxY(const ScreenMapping& map) {
    return map.minY + map.plot.Height() / map.factorY;
}

}  // namespace

ViewRange ZoomedView(const ScreenMapping& map, int px, int py, long double kx, long double ky) {
    const long double x = AxisXAtPixel(map, px);
    const long double y = AxisYAtPixel(map, py);
    return {x - (x - map.minX) / kx, x + (MaxX(map) - x) / kx, y - (y - map.minY) / ky,
            y + (MaxY(map) - y) / ky};
}

ViewRange MovedView(const ScreenMapping& map, long double dx, long double dy) {
    // The view moves against the picture.
    const long double sx = (map.right ? -dx : dx) / map.factorX;
    const long double sy = (map.up ? dy : -dy) / map.factorY;
    return {map.minX + sx, MaxX(map) + sx, map.minY + sy, MaxY(map) + sy};
}

std::optional<ViewRange> CentredView(const ScreenMapping& map, const OptionsRecord& shown,
                                     long double x, long double y) {
    const long double cx = InverseX(shown, x);
    const long double cy = InverseY(shown, y);
    if (!std::isfinite(cx) || !std::isfinite(cy)) return std::nullopt;
    const long double halfX = (MaxX(map) - map.minX) / 2;
    const long double halfY = (MaxY(map) - map.minY) / 2;
    return ViewRange{cx - halfX, cx + halfX, cy - halfY, cy + halfY};
}

ViewRange BoxView(const ScreenMapping& map, QPoint corner1, QPoint corner2) {
    const long double x1 = AxisXAtPixel(map, corner1.x());
    const long double x2 = AxisXAtPixel(map, corner2.x());
    const long double y1 = AxisYAtPixel(map, corner1.y());
    const long double y2 = AxisYAtPixel(map, corner2.y());
    return {std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)};
}

std::string SetView(OptionsRecord& options, const OptionsRecord& from, const ViewRange& range) {
    const auto stored = [](long double v) { return RoundTo8(FlushTiny(v)); };
    const ViewRange r{stored(range.minX), stored(range.maxX), stored(range.minY),
                      stored(range.maxY)};
    std::string failure = CheckViewInterval(options, r.minX, r.maxX, r.minY, r.maxY);
    if (!failure.empty()) return failure;
    options.MinX = r.minX;
    options.MaxX = r.maxX;
    options.MinY = r.minY;
    options.MaxY = r.maxY;
    // The steps follow the whole gesture's change, so zooming back gives them back.
    options.NumLinesX.Step = from.NumLinesX.Step;
    options.NumLinesY.Step = from.NumLinesY.Step;
    options.NumsX.Step = from.NumsX.Step;
    options.NumsY.Step = from.NumsY.Step;
    options.StepHor = from.StepHor;
    options.StepVert = from.StepVert;
    RescaleSteps(options, (r.maxX - r.minX) / (from.MaxX - from.MinX),
                 (r.maxY - r.minY) / (from.MaxY - from.MinY));
    return {};
}

std::string ViewRangeHint(const OptionsRecord& options, const ViewRange& range) {
    return "X: " +
           AxisValueText(range.minX, range.minX, range.maxX, options.LogX, options.LogXBase) +
           " .. " +
           AxisValueText(range.maxX, range.minX, range.maxX, options.LogX, options.LogXBase) +
           "   Y: " +
           AxisValueText(range.minY, range.minY, range.maxY, options.LogY, options.LogYBase) +
           " .. " +
           AxisValueText(range.maxY, range.minY, range.maxY, options.LogY, options.LogYBase);
}

OptionsRecord MovedOptions(const OptionsRecord& options, const ScreenMapping& map, QPoint offset,
                           ScreenMapping& movedMap) {
    const ViewRange range = MovedView(map, offset.x(), offset.y());
    OptionsRecord moved = options;
    moved.MinX = range.minX;
    moved.MaxX = range.maxX;
    moved.MinY = range.minY;
    moved.MaxY = range.maxY;
    movedMap = map;
    movedMap.minX = range.minX;
    movedMap.minY = range.minY;
    return moved;
}

void DrawMovedPicture(QPainter& painter, const QImage& picture, QPoint offset,
                      const OptionsRecord& options, const ScreenMapping& map) {
    const QRect area = picture.rect();
    // The plot's content moves inside the plot rectangle; the margins, with the labels at
    // the edges, and what the content uncovers show the new view.
    const QRect plot(map.plot.left, map.plot.top, map.plot.Width() + 1, map.plot.Height() + 1);
    const QRect moved = plot & plot.translated(offset);
    const QRegion uncovered = QRegion(area) - QRegion(moved);
    if (!uncovered.isEmpty()) {
        // Only there: the frame is most of a frame's cost.
        painter.save();
        painter.setClipRegion(uncovered);
        painter.fillRect(area, ColorOf(options.BackColor, Qt::white));
        RenderContext ctx{painter, options, map, SilentFeedback()};
        DrawFrame(ctx);
        painter.restore();
    }
    if (!moved.isEmpty()) painter.drawImage(moved.topLeft(), picture, moved.translated(-offset));
}

}  // namespace plotwise
