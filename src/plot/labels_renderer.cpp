// The number labels along both axes and the single "0" where the axes cross: where they
// stand, which of them fit without running into each other, and the background under
// each that keeps grid lines from crossing the text.
#include <QFontMetrics>
#include <cmath>

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

// One label of an axis: its place in the steps (0 at the value 0) and its text.
struct Label {
    long double value;
    long double count;  // value / step, a whole number
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
        result.push_back({v, std::round(v / steps.step), QString::fromStdString(text) + suffix});
    }
    return result;
}

// A label's extent along its axis in pixels, from..to exclusive.
struct Extent {
    int from;
    int to;
};

// The labels to draw: all of them when no two neighbours overlap (less than gap pixels
// apart), otherwise every 2nd, 5th, 10th, 20th... counted from 0, so the label at 0 stays.
// When not even one such multiple is in view, as many as fit from the first on.
std::vector<std::size_t> FittingLabels(const std::vector<Label>& labels,
                                       const std::vector<Extent>& extents, int gap) {
    const auto fits = [&](const std::vector<std::size_t>& kept) {
        for (std::size_t i = 1; i < kept.size(); ++i) {
            const Extent& a = extents[kept[i - 1]];
            const Extent& b = extents[kept[i]];
            if (std::max(a.from, b.from) < std::min(a.to, b.to) + gap) return false;
        }
        return true;
    };
    std::vector<std::size_t> last;
    for (long double decade = 1; decade < 1e6L; decade *= 10) {
        for (const long double n : {decade, 2 * decade, 5 * decade}) {
            std::vector<std::size_t> kept;
            for (std::size_t i = 0; i < labels.size(); ++i)
                if (std::fmod(labels[i].count, n) == 0) kept.push_back(i);
            if (kept.empty()) continue;
            if (fits(kept)) return kept;
            last = std::move(kept);
        }
    }
    std::vector<std::size_t> kept;
    for (const std::size_t i : last) {
        kept.push_back(i);
        if (!fits(kept)) kept.pop_back();
    }
    return kept;
}

}  // namespace

std::vector<PlacedLabel> PlaceLabels(const RenderContext& ctx, const AxisPixels& axes) {
    const OptionsRecord& o = ctx.options;
    const QPaintDevice* device = ctx.painter.device();
    std::vector<PlacedLabel> placed;
    // Where both axes cross visibly at the origin one "0" stands for both.
    const bool originHidden = o.AxisX.Draw && o.AxisY.Draw && o.MinX <= 0 && o.MaxX >= 0 &&
                              o.MinY <= 0 && o.MaxY >= 0 && !o.LogX && !o.LogY;
    const int wx = ClampedPixels(o.AxisX.Width, kMaxLineWidth, ctx.scale.Y());
    const int wy = ClampedPixels(o.AxisY.Width, kMaxLineWidth, ctx.scale.X());
    const bool showX = o.NumsX.Show && o.AxisX.Draw;
    const bool showY = o.NumsY.Show && o.AxisY.Draw;
    if (showX) {
        const QFont font = FontOf(o.NumsX.Font);
        const QFontMetrics metrics(font, device);
        const QColor color = LabelColor(o.NumsX, o.AxisX);
        const int length = ClampedPixels(o.NumLinesX.Length, kMaxMarkLength, ctx.scale.Y());
        const int top = o.NumsX.Direct
                            ? axes.ay + 1 + wx / 2 - (wx + 1) % 2 + length
                            : axes.ay - 1 - wx / 2 + (wx + 1) % 2 - length - metrics.height();
        const std::vector<Label> labels =
            Labels(o.NumsX, o.MinX, o.MaxX, o.LogX, o.LogXBase, originHidden);
        std::vector<Extent> extents;
        for (const Label& label : labels) {
            const int width = metrics.horizontalAdvance(label.text);
            const int left = ctx.map.X(label.value) - width / 2;
            extents.push_back({left, left + width});
        }
        // Neighbours keep a space apart, so two numbers never read as one.
        for (const std::size_t i : FittingLabels(labels, extents, metrics.horizontalAdvance(' ')))
            placed.push_back({'X', font, color, extents[i].from, top, labels[i].text});
    }
    if (showY) {
        const QFont font = FontOf(o.NumsY.Font);
        const QFontMetrics metrics(font, device);
        const QColor color = LabelColor(o.NumsY, o.AxisY);
        const int length = ClampedPixels(o.NumLinesY.Length, kMaxMarkLength, ctx.scale.X());
        const std::vector<Label> labels =
            Labels(o.NumsY, o.MinY, o.MaxY, o.LogY, o.LogYBase, originHidden);
        std::vector<Extent> extents;
        for (const Label& label : labels) {
            const int top = ctx.map.Y(label.value) - metrics.height() / 2;
            extents.push_back({top, top + metrics.height()});
        }
        for (const std::size_t i : FittingLabels(labels, extents, 0)) {
            const int width = metrics.horizontalAdvance(labels[i].text);
            const int left = o.NumsY.Direct ? axes.ax - 1 - wy / 2 + (wy + 1) % 2 - length - width
                                            : axes.ax + 1 + wy / 2 - (wy + 1) % 2 + length;
            placed.push_back({'Y', font, color, left, extents[i].from, labels[i].text});
        }
    }
    if (originHidden && (showX || showY)) {
        const LabelsOptions& labels = showY ? o.NumsY : o.NumsX;
        const QFont font = FontOf(labels.Font);
        const QFontMetrics metrics(font, device);
        const QString zero = "0";
        const int left = o.NumsY.Direct ? axes.ax - metrics.horizontalAdvance(zero) - 1 - wy / 2
                                        : axes.ax + wy / 2 + 1;
        const int top = o.NumsX.Direct ? axes.ay + wx / 2 - (wx + 1) % 2
                                       : axes.ay - metrics.height() - wx / 2 + 1;
        placed.push_back(
            {'0', font, LabelColor(labels, showY ? o.AxisY : o.AxisX), left, top, zero});
    }
    return placed;
}

QRect LabelGround(const PlacedLabel& label, const QPaintDevice* device) {
    const QFontMetrics metrics(label.font, device);
    return metrics.tightBoundingRect(label.text)
        .translated(label.left, label.top + metrics.ascent())
        .adjusted(-1, -1, 1, 1);
}

void DrawLabelGrounds(RenderContext& ctx, const std::vector<PlacedLabel>& labels) {
    const QColor back = ColorOf(ctx.options.BackColor, Qt::white);
    for (const PlacedLabel& label : labels)
        ctx.painter.fillRect(LabelGround(label, ctx.painter.device()), back);
}

void DrawLabels(RenderContext& ctx, const std::vector<PlacedLabel>& labels) {
    for (const PlacedLabel& label : labels)
        DrawTextAt(ctx.painter, label.font, label.color, label.left, label.top, label.text);
}

}  // namespace plotwise
