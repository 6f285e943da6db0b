#include "plot/graph_picking.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "plot/point_sequence.h"
#include "plot/segment_clip.h"
#include "plot/slope_segments.h"

namespace plotwise {
namespace {

// The squared distance from the pointer to the nearest thing drawn so far, in pixels.
class Nearest {
  public:
    Nearest(const ScreenMapping& map, int px, int py, long double reach)
        : map_(map), px_(px), py_(py), reach_(reach) {}

    long double Squared() const { return best_; }

    // Fractional pixels of axis values: no rounding or clamping, so a far end keeps its way.
    long double PixelX(long double x) const {
        const long double d = map_.factorX * (x - map_.minX);
        return map_.right ? map_.plot.left + d : map_.plot.right - d;
    }
    long double PixelY(long double y) const {
        const long double e = map_.factorY * (y - map_.minY);
        return map_.up ? map_.plot.bottom - e : map_.plot.top + e;
    }

    // Whether a segment between these pixels can come within reach at all.
    bool Near(long double x1, long double y1, long double x2, long double y2) const {
        return !(std::max(x1, x2) < px_ - reach_ || std::min(x1, x2) > px_ + reach_ ||
                 std::max(y1, y2) < py_ - reach_ || std::min(y1, y2) > py_ + reach_);
    }

    void Segment(long double x1, long double y1, long double x2, long double y2) {
        const long double dx = x2 - x1;
        const long double dy = y2 - y1;
        const long double length2 = dx * dx + dy * dy;
        long double t = 0;
        if (length2 > 0) t = std::clamp(((px_ - x1) * dx + (py_ - y1) * dy) / length2, 0.0L, 1.0L);
        Point(x1 + t * dx, y1 + t * dy, 0);
    }
    // A point, or a marker of the given radius around it.
    void Point(long double x, long double y, long double radius) {
        const long double d = std::max(0.0L, std::hypot(x - px_, y - py_) - radius);
        best_ = std::min(best_, d * d);
    }

  private:
    const ScreenMapping& map_;
    long double px_;
    long double py_;
    long double reach_;
    long double best_ = std::numeric_limits<long double>::infinity();
};

// A segment between two points in axis units, as far as it is drawn.
void AxisSegment(Nearest& nearest, const SegmentClipper& clipper, long double x1, long double y1,
                 long double x2, long double y2) {
    if (!nearest.Near(nearest.PixelX(x1), nearest.PixelY(y1), nearest.PixelX(x2),
                      nearest.PixelY(y2)))
        return;
    if (!clipper.Clip(x1, y1, x2, y2)) return;
    nearest.Segment(nearest.PixelX(x1), nearest.PixelY(y1), nearest.PixelX(x2), nearest.PixelY(y2));
}

void MeasureCurve(Nearest& nearest, const Graph& graph, const OptionsRecord& options) {
    const GraphRecord& props = graph.Record();
    const SegmentClipper clipper(options, graph.GetMaxGap());
    const bool lines = ShowsLines(props);
    const bool points = ShowsPoints(props);
    const long double radius = std::clamp<long double>(props.PointWidth, 1, 11) / 2;
    bool have = false;
    long double lastX = 0;
    long double lastY = 0;
    // As drawn, breaks included.
    ForEachLinePoint(
        graph, options,
        [&](long double x, long double y) {
            if (lines && have) AxisSegment(nearest, clipper, lastX, lastY, x, y);
            if (points && clipper.InsideUnrounded(x, y))
                nearest.Point(nearest.PixelX(x), nearest.PixelY(y), radius);
            have = true;
            lastX = x;
            lastY = y;
            return true;
        },
        [&] { have = false; });
}

void MeasureEquation(Nearest& nearest, const Graph& graph, const OptionsRecord& options) {
    const SegmentClipper clipper(options, graph.GetMaxGap());
    const std::vector<long double>& v = graph.Values;
    for (std::size_t k = 0; k + 3 < v.size(); k += 4)
        AxisSegment(nearest, clipper, v[k], v[k + 1], v[k + 2], v[k + 3]);
}

void MeasureSlopeField(Nearest& nearest, const Graph& graph, const OptionsRecord& options,
                       const ScreenMapping& map) {
    ForEachSlopeSegment(graph, options, map, DeviceScale{}, [&nearest](const QLine& line) {
        if (!line.isNull() && nearest.Near(line.x1(), line.y1(), line.x2(), line.y2()))
            nearest.Segment(line.x1(), line.y1(), line.x2(), line.y2());
        return true;
    });
}

}  // namespace

int PickGraph(const Document& document, int px, int py, int tolerance) {
    const PixelRect plot = document.GetPlotRect();
    if (document.Drawing || !PlotRectUsable(plot)) return -1;
    if (px < plot.left || px > plot.right || py < plot.top || py > plot.bottom) return -1;
    const ScreenMapping map = document.ScreenMap();
    const OptionsRecord& options = document.Options;
    // Markers reach up to their radius further than lines.
    const long double reach = tolerance + 6;
    int picked = -1;
    long double best = static_cast<long double>(tolerance) * tolerance;
    for (std::size_t i = 0; i < document.GraphCount(); ++i) {
        const Graph& graph = document.GraphAt(i);
        const GraphRecord& props = graph.Record();
        if (!props.DrawGraphic || graph.IsEmpty() || !graph.HasValues()) continue;
        Nearest nearest(map, px, py, reach);
        switch (props.Kind) {
            case kYOfX:
            case kXOfY:
            case kPolarGraph:
            case kParametric:
            case kTable:
                MeasureCurve(nearest, graph, options);
                break;
            case kEquation:
                if (props.Relation() == 0) MeasureEquation(nearest, graph, options);
                break;
            case kSlopeField:
                MeasureSlopeField(nearest, graph, options, map);
                break;
            default:
                break;
        }
        if (nearest.Squared() <= best) {
            best = nearest.Squared();
            picked = static_cast<int>(i);
        }
    }
    return picked;
}

}  // namespace plotwise
