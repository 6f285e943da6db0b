// The two axes with their names and pointers, and the tick marks along them.
#include <QFontMetrics>
#include <QPen>

#include "draw/device_scale.h"
#include "draw/draw_routines.h"
#include "draw/style_colors.h"
#include "plot/font_mapping.h"
#include "plot/frame_renderer.h"
#include "plot/pixel_lines.h"

namespace plotwise {
namespace {

QColor NameColor(const AxisOptions& axis) {
    return axis.NameColorAsAxis ? ColorOf(axis.Color, Qt::black) : FontColorOf(axis.NameFont);
}

void DrawAxisX(RenderContext& ctx, int ay) {
    const OptionsRecord& o = ctx.options;
    const AxisOptions& axis = o.AxisX;
    const PixelRect& p = ctx.map.plot;
    const int a = ScaledPixels(5, ctx.scale.X());
    const int b = ScaledPixels(9, ctx.scale.X());
    const bool right = axis.Forward;
    if (axis.NameShow) {
        const QFont font = FontOf(axis.NameFont);
        const QFontMetrics metrics(font, ctx.painter.device());
        const QString name = RecordText(axis.Name.Text());
        // Beyond the end where x grows, on the side away from the labels.
        const int top = o.NumsX.Direct ? ay - metrics.height() - ScaledPixels(4, ctx.scale.Y())
                                       : ay + ScaledPixels(4, ctx.scale.Y()) + 1;
        const int left = right ? p.right + a + b - metrics.horizontalAdvance(name) : p.left - a - b;
        DrawTextAt(ctx.painter, font, NameColor(axis), left, top, name);
    }
    const QColor color = ColorOf(axis.Color, Qt::black);
    ctx.painter.setPen(QPen(color, 1, PenStyleOf(axis.Style)));
    const int w = ClampedPixels(axis.Width, kMaxLineWidth, ctx.scale.Y());
    // A thick line stops where the pointer's base stands, or it would swallow the arrow
    // head; only style 1 (no pointer) runs the whole length.
    const bool shorten = w > 1 && axis.Pointer != 1;
    DrawThickHorizontal(ctx.painter, ay, p.left - a - (shorten && !right ? 0 : b),
                        p.right + a + (shorten && right ? 0 : b), w);
    if (axis.Pointer == 0) {
        DrawPointer(ctx.painter, ctx.scale, 0, right ? p.right + a + b : p.left - a - b, ay, color,
                    right ? 0 : 1);
    }
}

void DrawAxisY(RenderContext& ctx, int ax) {
    const OptionsRecord& o = ctx.options;
    const AxisOptions& axis = o.AxisY;
    const PixelRect& p = ctx.map.plot;
    const int a = ScaledPixels(5, ctx.scale.Y());
    const int b = ScaledPixels(9, ctx.scale.Y());
    const bool up = axis.Forward;
    if (axis.NameShow) {
        const QFont font = FontOf(axis.NameFont);
        const QFontMetrics metrics(font, ctx.painter.device());
        const QString name = RecordText(axis.Name.Text());
        // Beyond the end where y grows, on the side away from the labels.
        const int left =
            o.NumsY.Direct ? ax + ScaledPixels(4, ctx.scale.X()) + 1
                           : ax - metrics.horizontalAdvance(name) - ScaledPixels(4, ctx.scale.X());
        const int top = up ? p.top - a - b : p.bottom + a + b - metrics.height();
        DrawTextAt(ctx.painter, font, NameColor(axis), left, top, name);
    }
    const QColor color = ColorOf(axis.Color, Qt::black);
    ctx.painter.setPen(QPen(color, 1, PenStyleOf(axis.Style)));
    const int w = ClampedPixels(axis.Width, kMaxLineWidth, ctx.scale.X());
    const bool shorten = w > 1 && axis.Pointer != 1;
    DrawThickVertical(ctx.painter, ax, p.top - a - (shorten && up ? 0 : b),
                      p.bottom + a + (shorten && !up ? 0 : b), w);
    if (axis.Pointer == 0) {
        DrawPointer(ctx.painter, ctx.scale, 0, ax, up ? p.top - a - b : p.bottom + a + b, color,
                    up ? 2 : 3);
    }
}

}  // namespace

void DrawAxes(RenderContext& ctx, const AxisPixels& axes) {
    if (ctx.options.AxisX.Draw) DrawAxisX(ctx, axes.ay);
    if (ctx.options.AxisY.Draw) DrawAxisY(ctx, axes.ax);
}

void DrawMarks(RenderContext& ctx, const AxisPixels& axes) {
    const OptionsRecord& o = ctx.options;
    for (const bool alongX : {true, false}) {
        const MarksOptions& marks = alongX ? o.NumLinesX : o.NumLinesY;
        const AxisOptions& axis = alongX ? o.AxisX : o.AxisY;
        if (!marks.Show || !axis.Draw) continue;
        // Sizes across the axis scale with the other direction's device scale.
        const long double along = alongX ? ctx.scale.X() : ctx.scale.Y();
        const long double across = alongX ? ctx.scale.Y() : ctx.scale.X();
        ctx.painter.setPen(
            QPen(ColorOf(marks.ColorAsAxis ? axis.Color : marks.Color, Qt::black), 1));
        const int length = ClampedPixels(marks.Length, kMaxMarkLength, across);
        const int w = ClampedPixels(axis.Width, kMaxLineWidth, across);
        const int at = alongX ? axes.ay : axes.ax;
        // L pixels beyond each edge of the axis line, as thick as the axis.
        DrawLinesAcross(ctx, axes, alongX, marks.Step, at - length - w / 2,
                        at + length + w / 2 - (w + 1) % 2,
                        std::max(1, ScaledPixels(w, along / across)));
    }
}

}  // namespace plotwise
