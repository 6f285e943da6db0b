#include "plot/equation_curve.h"

#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

namespace plotwise {
namespace {

// The crossings on one node column's edges: vertical[j] above node j, horizontal[j] to the
// right of it (none in the last column).
struct ColumnCrossings {
    std::vector<CurvePoint> vertical;
    std::vector<CurvePoint> horizontal;

    static CurvePoint At(long double x, long double y) {
        CurvePoint point;
        point.found = true;
        point.end.x = x;
        point.end.y = y;
        return point;
    }

    void Fill(const GridCrossings& stored, const CurveGrid& grid, int i) {
        vertical.assign(grid.Rows(), CurvePoint{});
        horizontal.assign(grid.Rows() + 1, CurvePoint{});
        const bool last = i == grid.Columns();
        for (std::uint32_t k = stored.columnStarts[i]; k < stored.columnStarts[i + 1]; ++k) {
            const int j = stored.edges[k] >> 1;
            const long double t = stored.fractions[k];
            if ((stored.edges[k] & 1) == 0) {
                // A fraction of 1 is the next node itself, not a sum that may miss it.
                if (j < grid.Rows())
                    vertical[j] =
                        At(grid.X(i), t == 1 ? grid.Y(j + 1) : grid.Y(j) + grid.StepY() * t);
            } else if (!last && j <= grid.Rows()) {
                horizontal[j] =
                    At(t == 1 ? grid.X(i + 1) : grid.X(i) + grid.StepX() * t, grid.Y(j));
            }
        }
    }
};

class SegmentSink {
  public:
    explicit SegmentSink(const CurveSegmentSink& sink) : sink_(sink) {}

    void Add(const CurvePoint& p, const CurvePoint& q) {
        if (stopped_ || !p.found || !q.found || (p.end.x == q.end.x && p.end.y == q.end.y)) return;
        stopped_ = !sink_(p, q);
    }
    void Join(const CurvePoint& p, const CurvePoint& q, long double gap, long double step) {
        if (gap < 2 * std::fabs(step)) Add(p, q);
    }
    bool Stopped() const { return stopped_; }

  private:
    const CurveSegmentSink& sink_;
    bool stopped_ = false;
};

// At node (i, j): every pair of crossings on the edges of the cell above and right of it,
// then the joins from it along its grid lines (two crossings on consecutive edges of one
// line closer than two steps).
void SegmentsAtNode(const CurveGrid& grid, const ColumnCrossings& here, const ColumnCrossings& next,
                    int i, int j, SegmentSink& sink) {
    const int nx = grid.Columns();
    const int ny = grid.Rows();
    if (i < nx && j < ny) {
        const CurvePoint* edges[4] = {&here.vertical[j], &here.horizontal[j], &next.vertical[j],
                                      &here.horizontal[j + 1]};
        for (int p = 0; p < 4; ++p) {
            for (int q = p + 1; q < 4; ++q)
                sink.Add(*edges[p], *edges[q]);
        }
    }
    if (j + 1 < ny) {
        const CurvePoint& up = here.vertical[j];
        const CurvePoint& upNext = here.vertical[j + 1];
        sink.Join(up, upNext, std::fabs(up.end.y - upNext.end.y), grid.StepY());
    }
    if (i + 1 < nx) {
        const CurvePoint& right = here.horizontal[j];
        const CurvePoint& rightNext = next.horizontal[j];
        sink.Join(right, rightNext, std::fabs(right.end.x - rightNext.end.x), grid.StepX());
    }
}

}  // namespace

bool ForEachCurveSegment(const Graph& graph, const OptionsRecord& options,
                         const CurveSegmentSink& segment) {
    const CurveGrid grid(graph.Record(), options);
    const GridCrossings& stored = graph.Crossings;
    if (stored.columnStarts.size() != static_cast<std::size_t>(grid.Columns()) + 2 ||
        stored.rows != grid.Rows() || stored.columnStarts.back() != stored.edges.size() ||
        stored.fractions.size() != stored.edges.size()) {
        return true;
    }
    SegmentSink sink(segment);
    ColumnCrossings here;
    ColumnCrossings next;
    next.Fill(stored, grid, 0);
    for (int i = 0; i <= grid.Columns(); ++i) {
        std::swap(here, next);
        if (i < grid.Columns()) next.Fill(stored, grid, i + 1);
        for (int j = 0; j <= grid.Rows(); ++j)
            SegmentsAtNode(grid, here, next, i, j, sink);
        if (sink.Stopped()) return false;
    }
    return true;
}

}  // namespace plotwise
