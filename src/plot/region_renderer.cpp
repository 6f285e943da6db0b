// Kinds 4 and 5 drawn from their grids: implicit curves, shaded inequality regions and
// slope fields.
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "draw/device_scale.h"
#include "draw/draw_routines.h"
#include "plot/equation_curve.h"
#include "plot/graph_renderer.h"
#include "plot/grid_function.h"
#include "plot/slope_segments.h"

namespace plotwise {
namespace {

constexpr std::uint16_t kWholeCell = 0xFFFF;
constexpr long long kMaxSlopeLength = 100;  // pixels

}  // namespace

void DrawEquation(RenderContext& ctx, const Graph& graph) {
    ctx.painter.setPen(GraphPen(ctx, graph.Record()));
    if (ctx.smooth) {
        const SegmentClipper clipper(ctx.options, graph.GetMaxGap());
        SmoothLine line(ctx, clipper);
        ForEachCurveSegment(graph, ctx.options, [&](const CurvePoint& p, const CurvePoint& q) {
            line.Segment(p.end.x, p.end.y, q.end.x, q.end.y);
            return !ctx.Interrupted();
        });
        return;
    }
    SegmentPen pen(ctx, graph.GetMaxGap());
    ForEachCurveSegment(graph, ctx.options, [&](const CurvePoint& p, const CurvePoint& q) {
        for (const CurvePoint* end : {&p, &q}) {
            if (!end->judged) pen.Judge(end->end);
            end->judged = true;
        }
        pen.Segment(p.end, q.end);
        return !ctx.Interrupted();
    });
}

void DrawInequality(RenderContext& ctx, const Graph& graph) {
    const GraphRecord& props = graph.Record();
    const int nx = GridStepsX(props);
    const int ny = GridStepsY(props);
    // Codes from another grid (the record changed since sampling) would be misplaced.
    if (graph.CellCodes.size() != static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny)) {
        return;
    }
    const GridArea area = GridAreaOf(props, ctx.options);
    const long double dx = (area.xEnd - area.xStart) / nx;
    const long double dy = (area.yEnd - area.yStart) / ny;
    QPainter& painter = ctx.painter;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(GraphColor(ctx, props), BrushStyleOf(props.Brush)));
    // A smooth picture gathers the cells in one path and fills it at once, so the edges
    // between neighbouring cells leave no seams and only the region's own edges blend in.
    QPainterPath smooth;
    smooth.setFillRule(Qt::WindingFill);
    const auto fill = [&](long double x1, long double y1, long double x2, long double y2) {
        if (ctx.smooth) {
            smooth.addRect(QRectF(QPointF(ctx.map.XF(x1), ctx.map.YF(y1)),
                                  QPointF(ctx.map.XF(x2), ctx.map.YF(y2)))
                               .normalized());
        } else {
            FillArea(painter, ctx.map.X(x1), ctx.map.Y(y1), ctx.map.X(x2), ctx.map.Y(y2));
        }
    };
    for (int i = 1; i <= nx; ++i) {
        const long double x0 = area.xStart + (i - 1) * dx;
        const long double x1 = area.xStart + i * dx;
        const std::uint16_t* column = graph.CellCodes.data() + static_cast<std::size_t>(i - 1) * ny;
        for (int j = 1; j <= ny; ++j) {
            const std::uint16_t code = column[j - 1];
            if (code == 0) continue;
            const long double y0 = area.yStart + (j - 1) * dy;
            if (code == kWholeCell) {
                // A run of whole cells up the column is one rectangle.
                int last = j;
                while (last < ny && column[last] == kWholeCell)
                    ++last;
                fill(x0, y0, x1, area.yStart + last * dy);
                j = last;
                continue;
            }
            for (int a = 1; a <= 4; ++a) {
                for (int b = 1; b <= 4; ++b) {
                    if ((code & (1u << (4 * (a - 1) + (b - 1)))) == 0) continue;
                    fill(x0 + (a - 1) * 0.25L * dx, y0 + (b - 1) * 0.25L * dy, x0 + a * 0.25L * dx,
                         y0 + b * 0.25L * dy);
                }
            }
        }
        if (ctx.Interrupted()) break;
    }
    if (smooth.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(smooth, painter.brush());
    painter.restore();
}

bool ForEachSlopeSegment(const Graph& graph, const OptionsRecord& options, const ScreenMapping& map,
                         const DeviceScale& scale, const std::function<bool(const QLine&)>& visit) {
    const GraphRecord& props = graph.Record();
    const int nx = GridStepsX(props);
    const int ny = GridStepsY(props);
    if (graph.Values.size() != static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny))
        return true;
    const GridArea area = GridAreaOf(props, options);
    const long double dx = (area.xEnd - area.xStart) / nx;
    const long double dy = (area.yEnd - area.yStart) / ny;
    const long double length = std::clamp<long long>(props.Area().MaxGap, 1, kMaxSlopeLength);
    const bool perX = props.Relation() == 0;  // dy/dx; otherwise dx/dy
    const long double ratio = perX ? map.factorY / map.factorX : map.factorX / map.factorY;
    for (int i = 1; i <= nx; ++i) {
        const int cx = map.X(area.xStart + (i - 0.5L) * dx);
        for (int j = 1; j <= ny; ++j) {
            const long double f = graph.Value(i, j, ny);
            if (!std::isfinite(f)) {
                if (!visit(QLine())) return false;
                continue;
            }
            const int cy = map.Y(area.yStart + (j - 0.5L) * dy);
            const long double k = f * ratio;
            const long double norm = std::sqrt(k * k + 1);
            // Half the segment along the slope; a slope too steep for the square root is
            // upright.
            long double along = length / (2 * norm);
            long double across = k * length / (2 * norm);
            if (!std::isfinite(norm)) {
                along = 0;
                across = std::copysign(length / 2, k);
            }
            long double hx = perX ? along : across;
            long double hy = perX ? -across : -along;
            if (!options.AxisX.Forward) hx = -hx;
            if (!options.AxisY.Forward) hy = -hy;
            // s makes the half segment length / 2 screen pixels long on any device.
            const long double sx = hx / scale.X();
            const long double sy = hy / scale.Y();
            const long double s = (length / 2) / std::sqrt(sx * sx + sy * sy);
            const int ix = ScaledPixels(hx, s);
            const int iy = ScaledPixels(hy, s);
            if (!visit(QLine(cx + ix, cy + iy, cx - ix, cy - iy))) return false;
        }
    }
    return true;
}

void DrawSlopeField(RenderContext& ctx, const Graph& graph) {
    QPen pen = GraphPen(ctx, graph.Record());
    pen.setCapStyle(Qt::FlatCap);
    ctx.painter.setPen(pen);
    // A cell without a slope still polls Esc, as every cell does.
    ForEachSlopeSegment(graph, ctx.options, ctx.map, ctx.scale, [&ctx](const QLine& line) {
        if (ctx.Interrupted()) return false;
        if (!line.isNull()) ctx.painter.drawLine(line);
        return true;
    });
}

}  // namespace plotwise
