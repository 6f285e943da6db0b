// The rectangular grid, the polar grid, and the order of the whole frame.
#include <QPen>
#include <algorithm>
#include <cmath>

#include "draw/device_scale.h"
#include "draw/draw_routines.h"
#include "draw/style_colors.h"
#include "formula/extended.h"
#include "formula/round12.h"
#include "plot/axis_steps.h"
#include "plot/frame_renderer.h"
#include "plot/pixel_lines.h"

namespace plotwise {
namespace {

// The circles of the polar grid are drawn only when the origin is this close to the view,
// in view widths.
constexpr long double kPolarReach = 10;

QPen GridPen(long long color, long long style) {
    return QPen(ColorOf(color, Qt::black), 1, PenStyleOf(style));
}

long double AxisPosition(long double min, long double max, bool log) {
    if (log || min > 0) return min;
    if (max < 0) return max;
    return 0;
}

// The circles (when drawn) and the length of the rays: the largest multiple of the
// radius step not above rmax, 0 when there is none.
long double DrawCircles(RenderContext& ctx, long double rmax) {
    const OptionsRecord& o = ctx.options;
    const long double r0 = LimitedStep(o.RadiusStep, 0, rmax);
    if (r0 == 0) return 0;
    const QPaintDevice* device = ctx.painter.device();
    ctx.painter.setPen(QPen(ColorOf(o.RadiusColor, Qt::black),
                            ClampedPixels(o.RadiusWidth, kMaxLineWidth, ctx.scale.Min())));
    ctx.painter.setBrush(Qt::NoBrush);
    long double r = r0;
    for (; Round12(r) <= Round12(rmax); r += r0) {
        if (!o.DrawRadius) continue;
        const int x1 = ctx.map.X(-r);
        const int x2 = ctx.map.X(r);
        const int y1 = ctx.map.Y(r);
        const int y2 = ctx.map.Y(-r);
        const int left = std::min(x1, x2);
        const int right = std::max(x1, x2);
        const int top = std::min(y1, y2);
        const int bottom = std::max(y1, y2);
        if (right < 0 || bottom < 0 || left >= device->width() || top >= device->height()) {
            continue;
        }
        if (ctx.smooth) {
            ctx.painter.drawEllipse(QRectF(QPointF(ctx.map.XF(-r), ctx.map.YF(r)),
                                           QPointF(ctx.map.XF(r), ctx.map.YF(-r)))
                                        .normalized());
        } else {
            // An outlined ellipse covers width + 1 pixels: both corners are on it.
            ctx.painter.drawEllipse(QRect(left, top, right - left, bottom - top));
        }
    }
    return r - r0;
}

void DrawRays(RenderContext& ctx, long double length) {
    const OptionsRecord& o = ctx.options;
    const long double a0 = LimitedStep(o.AngleStep, 0, 2);  // in units of pi
    if (!o.DrawAngle || !(length > 0) || a0 == 0) return;
    const QColor color = ColorOf(o.AngleColor, Qt::black);
    ctx.painter.setPen(QPen(color, ClampedPixels(o.AngleWidth, kMaxLineWidth, ctx.scale.Min())));
    const QPoint origin(ctx.map.X(0), ctx.map.Y(0));
    const QPointF smoothOrigin(ctx.map.XF(0), ctx.map.YF(0));
    for (long double a = 0; Round12(a) < 2; a += a0) {
        const long double x = Round12(length * std::cos(a * kPi));
        const long double y = Round12(length * std::sin(a * kPi));
        if (ctx.smooth) {
            ctx.painter.drawLine(smoothOrigin, QPointF(ctx.map.XF(x), ctx.map.YF(y)));
        } else {
            ctx.painter.drawLine(origin, QPoint(ctx.map.X(x), ctx.map.Y(y)));
        }
    }
}

}  // namespace

AxisPixels AxisPositions(const RenderContext& ctx) {
    const OptionsRecord& o = ctx.options;
    AxisPixels axes;
    axes.y0 = AxisPosition(o.MinY, o.MaxY, o.LogY);
    axes.x0 = AxisPosition(o.MinX, o.MaxX, o.LogX);
    axes.ay = ctx.map.Y(axes.y0);
    axes.ax = ctx.map.X(axes.x0);
    return axes;
}

void DrawFrame(RenderContext& ctx) {
    const AxisPixels axes = AxisPositions(ctx);
    DrawGrid(ctx, axes);
    DrawPolarGrid(ctx);
    const std::vector<PlacedLabel> labels = PlaceLabels(ctx, axes);
    DrawLabelGrounds(ctx, labels);
    DrawAxes(ctx, axes);
    DrawMarks(ctx, axes);
    DrawLabels(ctx, labels);
}

void DrawLinesAcross(RenderContext& ctx, const AxisPixels& axes, bool alongX, long double step,
                     int from, int to, int thickness) {
    const OptionsRecord& o = ctx.options;
    const bool crossingDrawn = alongX ? o.AxisY.Draw : o.AxisX.Draw;
    const int crossing = alongX ? axes.ax : axes.ay;
    const long double min = alongX ? o.MinX : o.MinY;
    const long double max = alongX ? o.MaxX : o.MaxY;
    for (const long double v : AxisSteps(min, max, step).values) {
        const int at = alongX ? ctx.map.X(v) : ctx.map.Y(v);
        if (crossingDrawn && at == crossing) continue;
        if (alongX) {
            DrawThickVertical(ctx.painter, at, from, to, thickness);
        } else {
            DrawThickHorizontal(ctx.painter, at, from, to, thickness);
        }
    }
}

void DrawGrid(RenderContext& ctx, const AxisPixels& axes) {
    const OptionsRecord& o = ctx.options;
    const PixelRect& p = ctx.map.plot;
    if (o.DrawVertLines) {
        ctx.painter.setPen(GridPen(o.VertColor, o.VertStyle));
        DrawLinesAcross(ctx, axes, true, o.StepVert, p.top, p.bottom,
                        ClampedPixels(o.VertWidth, kMaxLineWidth, ctx.scale.X()));
    }
    if (o.DrawHorLines) {
        ctx.painter.setPen(GridPen(o.HorColor, o.HorStyle));
        DrawLinesAcross(ctx, axes, false, o.StepHor, p.left, p.right,
                        ClampedPixels(o.HorWidth, kMaxLineWidth, ctx.scale.Y()));
    }
}

void DrawPolarGrid(RenderContext& ctx) {
    const OptionsRecord& o = ctx.options;
    if (o.LogX || o.LogY || !(o.DrawRadius || o.DrawAngle)) return;
    const long double minX = o.MinX;
    const long double maxX = o.MaxX;
    const long double minY = o.MinY;
    const long double maxY = o.MaxY;
    const long double rmax =
        std::max({std::fabs(minX), std::fabs(maxX), std::fabs(minY), std::fabs(maxY)});
    if (!(rmax / (maxX - minX) <= kPolarReach) || !(rmax / (maxY - minY) <= kPolarReach)) return;
    const PixelRect& p = ctx.map.plot;
    ctx.painter.save();
    ctx.painter.setClipRect(QRect(QPoint(p.left, p.top), QPoint(p.right, p.bottom)));
    ctx.painter.setRenderHint(QPainter::Antialiasing, ctx.smooth);
    DrawRays(ctx, DrawCircles(ctx, rmax));
    ctx.painter.restore();
}

}  // namespace plotwise
