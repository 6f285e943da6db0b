#include "graph_renderer.h"

#include <QPen>
#include <cmath>

#include "device_scale.h"
#include "draw_routines.h"
#include "pixel_lines.h"
#include "point_sequence.h"
#include "style_colors.h"

namespace plotwise {

QPen GraphPen(const TFunctionProps& props) {
    QPen pen(ColorOf(props.Color, Qt::black),
             ClampedPixels(props.LineWidth, kMaxLineWidth, ScaleMin));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void DrawSegment(TRenderContext& ctx, const TSegmentClipper& clipper, long double x1,
                 long double y1, long double x2, long double y2) {
    if (!clipper.Clip(x1, y1, x2, y2)) return;
    ctx.painter.drawLine(ctx.map.X(x1), ctx.map.Y(y1), ctx.map.X(x2), ctx.map.Y(y2));
}

void DrawLines(TRenderContext& ctx, const TFunction& graph) {
    ctx.painter.setPen(GraphPen(graph.Props));
    const TSegmentClipper clipper(ctx.options, graph.GetMaxGap());
    // Empty table rows do not break a table's line; a missing point breaks a curve.
    const bool keepAcrossGaps = graph.Props.FuncStyle == fsTable;
    bool havePrevious = false;
    long double px = 0;
    long double py = 0;
    ForEachGraphPoint(graph, ctx.options, [&](long double x, long double y) {
        if (std::isfinite(x) && std::isfinite(y)) {
            if (havePrevious) DrawSegment(ctx, clipper, px, py, x, y);
            px = x;
            py = y;
            havePrevious = true;
        } else if (!keepAcrossGaps) {
            havePrevious = false;
        }
        return !ctx.Interrupted();
    });
}

void DrawPoints(TRenderContext& ctx, const TFunction& graph) {
    const QColor color = ColorOf(graph.Props.Color, Qt::black);
    ctx.painter.setPen(QPen(color, 1));
    ctx.painter.setBrush(color);
    const TSegmentClipper clipper(ctx.options, graph.GetMaxGap());
    ForEachGraphPoint(graph, ctx.options, [&](long double x, long double y) {
        if (std::isfinite(x) && std::isfinite(y) && clipper.Inside(x, y)) {
            DrawPoint(ctx.painter, ctx.map.X(x), ctx.map.Y(y), graph.Props.PointStyle,
                      graph.Props.PointWidth);
        }
        return !ctx.Interrupted();
    });
}

void DrawGraphOn(TRenderContext& ctx, const TFunction& graph) {
    if (!graph.HasValues()) return;
    const TFunctionProps& props = graph.Props;
    switch (props.FuncStyle) {
        case fsYFromX:
        case fsXFromY:
        case fsPolar:
        case fsParam:
        case fsTable:
            if (props.Lines) DrawLines(ctx, graph);
            if (props.Points) DrawPoints(ctx, graph);
            return;
        case fsEquation:
            if (!props.DrawGraphic) return;
            if (props.Relation() == 0) {
                DrawEquation(ctx, graph);
            } else {
                DrawInequality(ctx, graph);
            }
            return;
        case fsDifField:
            if (props.DrawGraphic) DrawDifField(ctx, graph);
            return;
        default:
            return;
    }
}

}  // namespace plotwise
