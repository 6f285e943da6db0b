// CalcEquation: the curve f(x, y) = 0 as segments between the crossings of the grid's edges.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "grid_function.h"
#include "grid_samplers.h"
#include "sample_buffer.h"
#include "sampling_run.h"

namespace plotwise {
namespace {

struct Crossing {
    bool found = false;
    long double x = 0;
    long double y = 0;
};

// The node values of the doubled grid, column by column, and the crossings of its edges.
class TEquationGrid {
  public:
    TEquationGrid(const TGridArea& area, int nx, int ny)
        : x0_(area.xStart),
          y0_(area.yStart),
          dx_((area.xEnd - area.xStart) / nx),
          dy_((area.yEnd - area.yStart) / ny),
          nx_(nx),
          ny_(ny) {
        ResizeSamples(values_, static_cast<std::size_t>(nx + 1) * (ny + 1));
    }

    long double X(int i) const { return x0_ + i * dx_; }
    long double Y(int j) const { return y0_ + j * dy_; }
    long double& F(int i, int j) { return values_[static_cast<std::size_t>(i) * (ny_ + 1) + j]; }
    long double F(int i, int j) const {
        return values_[static_cast<std::size_t>(i) * (ny_ + 1) + j];
    }

    // On the edge from node (i, j) up to (i, j + 1).
    Crossing Vertical(int i, int j) const {
        if (i < 0 || i > nx_ || j < 0 || j >= ny_) return {};
        const long double a = F(i, j);
        const long double b = F(i, j + 1);
        if (!Crosses(a, b)) return {};
        return {true, X(i), a == b ? Y(j + 1) : Y(j) + dy_ * a / (a - b)};
    }

    // On the edge from node (i, j) right to (i + 1, j).
    Crossing Horizontal(int i, int j) const {
        if (i < 0 || i >= nx_ || j < 0 || j > ny_) return {};
        const long double a = F(i, j);
        const long double b = F(i + 1, j);
        if (!Crosses(a, b)) return {};
        return {true, a == b ? X(i + 1) : X(i) + dx_ * a / (a - b), Y(j)};
    }

    long double StepX() const { return dx_; }
    long double StepY() const { return dy_; }

  private:
    static bool Crosses(long double a, long double b) {
        return std::isfinite(a) && std::isfinite(b) && a * b <= 0;
    }

    long double x0_, y0_, dx_, dy_;
    int nx_, ny_;
    std::vector<long double> values_;
};

void AddSegment(std::vector<long double>& segments, const Crossing& p, const Crossing& q) {
    if (p.x == q.x && p.y == q.y) return;
    GrowSamples(segments, 4);
    segments.insert(segments.end(), {p.x, p.y, q.x, q.y});
}

// Every pair of crossings on the edges of the cell whose lower left node is (i, j), then the
// joins from (i, j) along its grid lines: two crossings on consecutive edges of one line
// closer than two steps.
void SegmentsAtNode(const TEquationGrid& grid, int i, int j, int nx, int ny,
                    std::vector<long double>& segments) {
    if (i < nx && j < ny) {
        const Crossing edges[4] = {grid.Vertical(i, j), grid.Horizontal(i, j),
                                   grid.Vertical(i + 1, j), grid.Horizontal(i, j + 1)};
        for (int p = 0; p < 4; ++p) {
            for (int q = p + 1; q < 4; ++q) {
                if (edges[p].found && edges[q].found) AddSegment(segments, edges[p], edges[q]);
            }
        }
    }
    const Crossing up = grid.Vertical(i, j);
    const Crossing upNext = grid.Vertical(i, j + 1);
    if (up.found && upNext.found && std::fabs(up.y - upNext.y) < 2 * std::fabs(grid.StepY())) {
        AddSegment(segments, up, upNext);
    }
    const Crossing right = grid.Horizontal(i, j);
    const Crossing rightNext = grid.Horizontal(i + 1, j);
    if (right.found && rightNext.found &&
        std::fabs(right.x - rightNext.x) < 2 * std::fabs(grid.StepX())) {
        AddSegment(segments, right, rightNext);
    }
}

}  // namespace

bool CalcEquation(TFunction& graph, const TOptionsRecord& options, int index, TFeedback& feedback) {
    const TGridArea area = GridAreaOf(graph.Props, options);
    graph.ClearValues();
    TGridFunction f(options);
    if (graph.IsEmpty() || !area.Usable() || !f.Compile(graph.Props.Formula().Text())) return true;
    const int nx = 2 * std::clamp<int>(graph.Props.Area().StepsNumX, 1, 400);
    const int ny = 2 * std::clamp<int>(graph.Props.Area().StepsNumY, 1, 400);
    TEquationGrid grid(area, nx, ny);

    TSamplingRun run(feedback, index);
    for (int i = 0; i <= nx; ++i) {
        for (int j = 0; j <= ny; ++j)
            grid.F(i, j) = f.At(grid.X(i), grid.Y(j));
        if (!run.Progress(i + 1, nx + 1, 0, 50)) return false;
    }
    for (int i = 0; i <= nx; ++i) {
        for (int j = 0; j <= ny; ++j)
            SegmentsAtNode(grid, i, j, nx, ny, graph.Values);
        if (!run.Progress(i + 1, nx + 1, 50, 50)) {
            graph.ClearValues();
            return false;
        }
    }
    return true;
}

}  // namespace plotwise
