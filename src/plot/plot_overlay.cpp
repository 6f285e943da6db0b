#include "plot/plot_overlay.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

#include "draw/draw_routines.h"
#include "draw/style_colors.h"
#include "plot/axis_transform.h"
#include "plot/new_graph.h"
#include "plot/record_text.h"

namespace plotwise {
namespace {

constexpr int kMarkSize = 9;
constexpr int kLabelGap = 4;  // between the mark's edge and its label

int ColorDistance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

bool Placed(long double v) {
    return std::isfinite(v) && std::fabs(v) < 1e9L;
}

}  // namespace

QColor MarkColor(std::initializer_list<QColor> under) {
    const QColor candidates[] = {QColor(220, 0, 0), QColor(0, 0, 220), QColor(200, 0, 200),
                                 QColor(0, 150, 0)};
    QColor best = candidates[0];
    int bestDistance = -1;
    for (const QColor& c : candidates) {
        int d = std::numeric_limits<int>::max();
        for (const QColor& u : under)
            d = std::min(d, ColorDistance(c, u));
        if (d > bestDistance) {
            best = c;
            bestDistance = d;
        }
    }
    return best;
}

QColor ShadeColor(const QColor& graph) {
    QColor c = graph;
    c.setAlpha(70);
    return c;
}

void DrawPlotOverlay(QPainter& painter, const ScreenMapping& map, const OptionsRecord& shown,
                     const PlotOverlay& overlay) {
    const QColor graph = ColorOf(overlay.color, Qt::black);
    const AxisInverse toX = AxisInverseX(shown);
    const AxisInverse toY = AxisInverseY(shown);
    painter.save();
    painter.setClipRect(
        QRect(QPoint(map.plot.left, map.plot.top), QPoint(map.plot.right, map.plot.bottom)));
    // The band, one polygon per run of columns where both curves have values.
    QPainterPath band;
    std::vector<QPointF> upper;
    std::vector<QPointF> lower;
    const auto close = [&] {
        if (upper.size() >= 2) {
            QPolygonF polygon(upper.begin(), upper.end());
            for (auto p = lower.rbegin(); p != lower.rend(); ++p)
                polygon << *p;
            band.addPolygon(polygon);
            band.closeSubpath();
        }
        upper.clear();
        lower.clear();
    };
    for (const ShadeSample& s : overlay.shade) {
        const long double x = toX(s.x);
        const long double y1 = toY(s.y1);
        const long double y2 = toY(s.y2);
        if (!Placed(x) || !Placed(y1) || !Placed(y2) || std::isnan(s.y1) || std::isnan(s.y2)) {
            close();
            continue;
        }
        const double px = map.XF(x) - 0.5;
        upper.emplace_back(px, std::clamp(map.YF(y1) - 0.5, -1e6, 1e6));
        lower.emplace_back(px, std::clamp(map.YF(y2) - 0.5, -1e6, 1e6));
    }
    close();
    if (!band.isEmpty()) {
        band.setFillRule(Qt::WindingFill);
        painter.fillPath(band, ShadeColor(graph));
    }
    // The marks with their labels.
    const QColor background = ColorOf(shown.BackColor, Qt::white);
    const QColor color =
        overlay.otherColor < 0
            ? MarkColor({graph, background})
            : MarkColor({graph, ColorOf(static_cast<std::uint8_t>(overlay.otherColor), Qt::black),
                         background});
    painter.setPen(color);
    painter.setBrush(color);
    const DeviceScale scale;
    for (const PlotMark& mark : overlay.marks) {
        const long double x = toX(mark.x);
        const long double y = toY(mark.y);
        if (!Placed(x) || !Placed(y)) continue;
        const int px = map.X(x);
        const int py = map.Y(y);
        if (px < map.plot.left || px > map.plot.right || py < map.plot.top || py > map.plot.bottom)
            continue;
        painter.setPen(QPen(color, 1));
        DrawPoint(painter, scale, px, py, 6, kMarkSize);  // a circle
        painter.setPen(color);
        painter.drawText(px + kMarkSize / 2 + kLabelGap, py - kMarkSize / 2 - kLabelGap,
                         FromRecordText(mark.label));
    }
    painter.restore();
}

GraphRecord PointsTableRecord(const std::vector<std::pair<long double, long double>>& points,
                              const OptionsRecord& options) {
    GraphRecord record = NewGraphRecordOfKind(kTable, "", options);
    const std::size_t n = std::min<std::size_t>(points.size(), kTableRows);
    for (std::size_t i = 0; i < n; ++i) {
        record.Body.Table[i].X = points[i].first;
        record.Body.Table[i].Y = points[i].second;
    }
    return record;
}

}  // namespace plotwise
