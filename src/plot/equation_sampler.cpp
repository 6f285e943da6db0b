// SampleEquation: the curve f(x, y) = 0 as segments between the crossings of the grid's edges.
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "plot/grid_function.h"
#include "plot/grid_samplers.h"
#include "plot/sample_buffer.h"
#include "plot/sampling_run.h"

namespace plotwise {
namespace {

struct Crossing {
    bool found = false;
    long double x = 0;
    long double y = 0;
};

// The node values of the doubled grid, column by column, and the crossings of its edges.
class EquationGrid {
  public:
    EquationGrid(const GridArea& area, int nx, int ny)
        : x0_(area.xStart),
          y0_(area.yStart),
          dx_((area.xEnd - area.xStart) / nx),
          dy_((area.yEnd - area.yStart) / ny),
          nx_(nx),
          ny_(ny) {
        ResizeSamples(values_, static_cast<std::size_t>(nx + 1) * (ny + 1));
    }

    int Columns() const { return nx_; }
    int Rows() const { return ny_; }
    long double X(int i) const { return x0_ + i * dx_; }
    long double Y(int j) const { return y0_ + j * dy_; }
    long double StepX() const { return dx_; }
    long double StepY() const { return dy_; }
    long double* Column(int i) { return &values_[static_cast<std::size_t>(i) * (ny_ + 1)]; }

    // On the edge from node (i, j) up to (i, j + 1).
    Crossing Vertical(int i, int j) const {
        const long double a = F(i, j);
        const long double b = F(i, j + 1);
        if (!Crosses(a, b)) return {};
        return {true, X(i), a == b ? Y(j + 1) : Y(j) + dy_ * a / (a - b)};
    }

    // On the edge from node (i, j) right to (i + 1, j).
    Crossing Horizontal(int i, int j) const {
        const long double a = F(i, j);
        const long double b = F(i + 1, j);
        if (!Crosses(a, b)) return {};
        return {true, a == b ? X(i + 1) : X(i) + dx_ * a / (a - b), Y(j)};
    }

  private:
    long double F(int i, int j) const {
        return values_[static_cast<std::size_t>(i) * (ny_ + 1) + j];
    }
    static bool Crosses(long double a, long double b) {
        return std::isfinite(a) && std::isfinite(b) && a * b <= 0;
    }

    long double x0_, y0_, dx_, dy_;
    int nx_, ny_;
    std::vector<long double> values_;
};

// The crossings on one grid column's edges: vertical[j] above node j, horizontal[j] to the
// right of it (none in the last column).
struct ColumnCrossings {
    std::vector<Crossing> vertical;
    std::vector<Crossing> horizontal;

    void Fill(const EquationGrid& grid, int i) {
        vertical.resize(grid.Rows());
        horizontal.resize(grid.Rows() + 1);
        for (int j = 0; j < grid.Rows(); ++j)
            vertical[j] = grid.Vertical(i, j);
        const bool last = i == grid.Columns();
        for (int j = 0; j <= grid.Rows(); ++j)
            horizontal[j] = last ? Crossing{} : grid.Horizontal(i, j);
    }
};

// Counts the segments on a first scan; writes them into a buffer of exactly that size on
// the second. A degenerate formula such as 0 crosses every edge: millions of segments, so
// the buffer must not grow by doubling.
class SegmentSink {
  public:
    explicit SegmentSink(long double* out = nullptr) : out_(out) {}

    void Add(const Crossing& p, const Crossing& q) {
        if (!p.found || !q.found || (p.x == q.x && p.y == q.y)) return;
        ++count_;
        if (out_ == nullptr) return;
        out_[0] = p.x;
        out_[1] = p.y;
        out_[2] = q.x;
        out_[3] = q.y;
        out_ += 4;
    }
    void Join(const Crossing& p, const Crossing& q, long double gap, long double step) {
        if (gap < 2 * std::fabs(step)) Add(p, q);
    }
    std::size_t Count() const { return count_; }

  private:
    long double* out_;
    std::size_t count_ = 0;
};

// Scanning node (i, j): every pair of crossings on the edges of the cell above and right of
// it, then the joins from it along its grid lines (two crossings on consecutive edges of
// one line closer than two steps).
void SegmentsAtNode(const EquationGrid& grid, const ColumnCrossings& here,
                    const ColumnCrossings& next, int i, int j, SegmentSink& sink) {
    const int nx = grid.Columns();
    const int ny = grid.Rows();
    if (i < nx && j < ny) {
        const Crossing* edges[4] = {&here.vertical[j], &here.horizontal[j], &next.vertical[j],
                                    &here.horizontal[j + 1]};
        for (int p = 0; p < 4; ++p) {
            for (int q = p + 1; q < 4; ++q)
                sink.Add(*edges[p], *edges[q]);
        }
    }
    if (j + 1 < ny) {
        const Crossing& up = here.vertical[j];
        const Crossing& upNext = here.vertical[j + 1];
        sink.Join(up, upNext, std::fabs(up.y - upNext.y), grid.StepY());
    }
    if (i + 1 < nx) {
        const Crossing& right = here.horizontal[j];
        const Crossing& rightNext = next.horizontal[j];
        sink.Join(right, rightNext, std::fabs(right.x - rightNext.x), grid.StepX());
    }
}

// The grid's nodes column by column; afterColumn(i) returns false to stop the scan.
template <typename AfterColumn>
bool ScanSegments(const EquationGrid& grid, SegmentSink& sink, AfterColumn afterColumn) {
    ColumnCrossings here;
    ColumnCrossings next;
    next.Fill(grid, 0);
    for (int i = 0; i <= grid.Columns(); ++i) {
        std::swap(here, next);
        if (i < grid.Columns()) next.Fill(grid, i + 1);
        for (int j = 0; j <= grid.Rows(); ++j)
            SegmentsAtNode(grid, here, next, i, j, sink);
        if (!afterColumn(i)) return false;
    }
    return true;
}

}  // namespace

bool SampleEquation(Graph& graph, const OptionsRecord& options, int index, Feedback& feedback) {
    GridArea area;
    GridFunction f(options);
    if (!StartGridSampling(graph, options, area, f)) return true;
    const int nx = 2 * GridStepsX(graph.Record());
    const int ny = 2 * GridStepsY(graph.Record());
    EquationGrid grid(area, nx, ny);

    SamplingRun run(feedback, index);
    std::vector<long double> rows(ny + 1);
    for (int j = 0; j <= ny; ++j)
        rows[j] = f.ArgumentY(grid.Y(j));
    for (int i = 0; i <= nx; ++i) {
        const long double x = f.ArgumentX(grid.X(i));
        long double* column = grid.Column(i);
        for (int j = 0; j <= ny; ++j)
            column[j] = f.Value(x, rows[j]);
        if (!run.Progress(i, nx + 1, 0, 50)) return false;
    }
    // The segment phase runs from 50 to 100 %: counting, then writing.
    SegmentSink counter;
    if (!ScanSegments(grid, counter, [&](int i) { return run.Progress(i + 1, nx + 1, 50, 25); })) {
        return false;
    }
    ResizeSamples(graph.Values, 4 * counter.Count());
    SegmentSink writer(graph.Values.data());
    if (!ScanSegments(grid, writer, [&](int i) { return run.Progress(i + 1, nx + 1, 75, 25); })) {
        graph.ClearValues();
        return false;
    }
    return true;
}

}  // namespace plotwise
