// The number labels along both axes and the single "0" where the axes cross.
#include <QFontMetrics>

#include "draw/device_scale.h"
#include "draw/draw_routines.h"
#include "draw/style_colors.h"
#include "plot/axis_steps.h"
#include "plot/font_mapping.h"
#include "plot/frame_renderer.h"
#include "plot/pixel_lines.h"

namespace plotwise {
namespace {

QColor LabelColor(const LabelsOptions& labels, const AxisOptions& axis) {
    return labels.ColorAsAxis ? ColorOf(axis.Color, Qt::black) : FontColorOf(labels.Font);
}

// The texts of one axis's labels, and whether each one is drawn.
struct Label {
    long double value;
    QString text;
};

std::vector<Label> Labels(const LabelsOptions& labels, long double min, long double max, bool log,
                          long double base, bool originHidden) {
    std::vector<Label> result;
    const AxisStepValues steps = AxisSteps(min, max, labels.Step);
    const QString suffix = RecordText(labels.AddName.Text());
    for (const long double v : steps.values) {
        const std::string text = AxisLabelText(v, steps.step, min, max, log, base);
        if (originHidden && text == "0") continue;
        result.push_back({v, QString::fromStdString(text) + suffix});
    }
    return result;
}

}  // namespace

void DrawLabels(RenderContext& ctx, const AxisPixels& axes) {
    const OptionsRecord& o = ctx.options;
    QPainter& painter = ctx.painter;
    // Where both axes cross visibly at the origin one "0" stands for both.
    const bool originHidden = o.AxisX.Draw && o.AxisY.Draw && o.MinX <= 0 && o.MaxX >= 0 &&
                              o.MinY <= 0 && o.MaxY >= 0 && !o.LogX && !o.LogY;
    const int wx = ClampedPixels(o.AxisX.Width, kMaxLineWidth, ctx.scale.Y());
    const int wy = ClampedPixels(o.AxisY.Width, kMaxLineWidth, ctx.scale.X());
    const bool showX = o.NumsX.Show && o.AxisX.Draw;
    const bool showY = o.NumsY.Show && o.AxisY.Draw;
    if (showX) {
        const QFont font = FontOf(o.NumsX.Font);
        const QFontMetrics metrics(font, painter.device());
        const QColor color = LabelColor(o.NumsX, o.AxisX);
        const int length = ClampedPixels(o.NumLinesX.Length, kMaxMarkLength, ctx.scale.Y());
        const int top = o.NumsX.Direct
                            ? axes.ay + 1 + wx / 2 - (wx + 1) % 2 + length
                            : axes.ay - 1 - wx / 2 + (wx + 1) % 2 - length - metrics.height();
        for (const Label& label :
             Labels(o.NumsX, o.MinX, o.MaxX, o.LogX, o.LogXBase, originHidden)) {
            const int left = ctx.map.X(label.value) - metrics.horizontalAdvance(label.text) / 2;
            DrawTextAt(painter, font, color, left, top, label.text);
        }
    }
    if (showY) {
        const QFont font = FontOf(o.NumsY.Font);
        const QFontMetrics metrics(font, painter.device());
        const QColor color = LabelColor(o.NumsY, o.AxisY);
        const int length = ClampedPixels(o.NumLinesY.Length, kMaxMarkLength, ctx.scale.X());
        for (const Label& label :
             Labels(o.NumsY, o.MinY, o.MaxY, o.LogY, o.LogYBase, originHidden)) {
            const int width = metrics.horizontalAdvance(label.text);
            const int left = o.NumsY.Direct ? axes.ax - 1 - wy / 2 + (wy + 1) % 2 - length - width
                                            : axes.ax + 1 + wy / 2 - (wy + 1) % 2 + length;
            const int top = ctx.map.Y(label.value) - metrics.height() / 2;
            DrawTextAt(painter, font, color, left, top, label.text);
        }
    }
    if (originHidden && (showX || showY)) {
        const LabelsOptions& labels = showY ? o.NumsY : o.NumsX;
        const QFont font = FontOf(labels.Font);
        const QFontMetrics metrics(font, painter.device());
        const QString zero = "0";
        const int left = o.NumsY.Direct ? axes.ax - metrics.horizontalAdvance(zero) - 1 - wy / 2
                                        : axes.ax + wy / 2 + 1;
        const int top = o.NumsX.Direct ? axes.ay + wx / 2 - (wx + 1) % 2
                                       : axes.ay - metrics.height() - wx / 2 + 1;
        DrawTextAt(painter, font, LabelColor(labels, showY ? o.AxisY : o.AxisX), left, top, zero);
    }
}

}  // namespace plotwise
