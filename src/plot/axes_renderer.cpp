// The two axes with their names and pointers, and the tick marks along them.
#include <QFontMetrics>
#include <QPen>

#include "device_scale.h"
#include "draw_routines.h"
#include "font_mapping.h"
#include "frame_renderer.h"
#include "pixel_lines.h"
#include "style_colors.h"

namespace plotwise {
namespace {

QColor NameColor(const TAxleProps& axle) {
    return axle.NameColAsAxle ? ColorOf(axle.Color, Qt::black) : FontColorOf(axle.NameFont);
}

void DrawAxisX(TRenderContext& ctx, int ay) {
    const TOptionsRecord& o = ctx.options;
    const TAxleProps& axle = o.AxleX;
    const TRect& p = ctx.map.plot;
    const int a = ScaledPixels(5, ScaleX);
    const int b = ScaledPixels(9, ScaleX);
    const bool right = axle.Forward;
    if (axle.NameShow) {
        const QFont font = FontOf(axle.NameFont);
        const QFontMetrics metrics(font, ctx.painter.device());
        const QString name = RecordText(axle.Name.Text());
        // Beyond the end where x grows, on the side away from the labels.
        const int top = o.NumsX.Direct ? ay - metrics.height() - ScaledPixels(4, ScaleY)
                                       : ay + ScaledPixels(4, ScaleY) + 1;
        const int left = right ? p.right + a + b - metrics.horizontalAdvance(name) : p.left - a - b;
        DrawTextAt(ctx.painter, font, NameColor(axle), left, top, name);
    }
    const QColor color = ColorOf(axle.Color, Qt::black);
    ctx.painter.setPen(QPen(color, 1, PenStyleOf(axle.Style)));
    const int w = ClampedPixels(axle.Width, kMaxLineWidth, ScaleY);
    // A thick line stops at the pointer's base, or it would swallow the arrow head.
    const bool shorten = w > 1 && axle.Pointer == 0;
    DrawThickHorizontal(ctx.painter, ay, p.left - a - (shorten && !right ? 0 : b),
                        p.right + a + (shorten && right ? 0 : b), w);
    if (axle.Pointer == 0) {
        DrawPointer(ctx.painter, 0, right ? p.right + a + b : p.left - a - b, ay, color,
                    right ? 0 : 1);
    }
}

void DrawAxisY(TRenderContext& ctx, int ax) {
    const TOptionsRecord& o = ctx.options;
    const TAxleProps& axle = o.AxleY;
    const TRect& p = ctx.map.plot;
    const int a = ScaledPixels(5, ScaleY);
    const int b = ScaledPixels(9, ScaleY);
    const bool up = axle.Forward;
    if (axle.NameShow) {
        const QFont font = FontOf(axle.NameFont);
        const QFontMetrics metrics(font, ctx.painter.device());
        const QString name = RecordText(axle.Name.Text());
        // Beyond the end where y grows, on the side away from the labels.
        const int left = o.NumsY.Direct
                             ? ax + ScaledPixels(4, ScaleX) + 1
                             : ax - metrics.horizontalAdvance(name) - ScaledPixels(4, ScaleX);
        const int top = up ? p.top - a - b : p.bottom + a + b - metrics.height();
        DrawTextAt(ctx.painter, font, NameColor(axle), left, top, name);
    }
    const QColor color = ColorOf(axle.Color, Qt::black);
    ctx.painter.setPen(QPen(color, 1, PenStyleOf(axle.Style)));
    const int w = ClampedPixels(axle.Width, kMaxLineWidth, ScaleX);
    const bool shorten = w > 1 && axle.Pointer == 0;
    DrawThickVertical(ctx.painter, ax, p.top - a - (shorten && up ? 0 : b),
                      p.bottom + a + (shorten && !up ? 0 : b), w);
    if (axle.Pointer == 0) {
        DrawPointer(ctx.painter, 0, ax, up ? p.top - a - b : p.bottom + a + b, color, up ? 2 : 3);
    }
}

}  // namespace

void DrawAxes(TRenderContext& ctx, const TAxisPositions& axes) {
    if (ctx.options.AxleX.Draw) DrawAxisX(ctx, axes.ay);
    if (ctx.options.AxleY.Draw) DrawAxisY(ctx, axes.ax);
}

void DrawMarks(TRenderContext& ctx, const TAxisPositions& axes) {
    const TOptionsRecord& o = ctx.options;
    for (const bool alongX : {true, false}) {
        const TMarksProps& marks = alongX ? o.NumLinesX : o.NumLinesY;
        const TAxleProps& axle = alongX ? o.AxleX : o.AxleY;
        if (!marks.Show || !axle.Draw) continue;
        // Sizes across the axis scale with the other direction's device scale.
        const long double along = alongX ? ScaleX : ScaleY;
        const long double across = alongX ? ScaleY : ScaleX;
        ctx.painter.setPen(QPen(ColorOf(marks.ColAsAxle ? axle.Color : marks.Color, Qt::black), 1));
        const int length = ClampedPixels(marks.Length, kMaxMarkLength, across);
        const int w = ClampedPixels(axle.Width, kMaxLineWidth, across);
        const int axis = alongX ? axes.ay : axes.ax;
        // L pixels beyond each edge of the axis line, as thick as the axis.
        DrawLinesAcross(ctx, axes, alongX, marks.Step, axis - length - w / 2,
                        axis + length + w / 2 - (w + 1) % 2,
                        std::max(1, ScaledPixels(w, along / across)));
    }
}

}  // namespace plotwise
