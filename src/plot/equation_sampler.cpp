// SampleEquation: where the curve f(x, y) = 0 crosses the edges of a grid of twice the
// entered steps per axis. Drawing rebuilds the segments from the crossings (equation_curve.h).
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "plot/equation_curve.h"
#include "plot/grid_function.h"
#include "plot/grid_samplers.h"
#include "plot/sample_buffer.h"
#include "plot/sampling_run.h"

namespace plotwise {
namespace {

// Appends node column i's crossings: on the edges up from each node (values `here`) and,
// unless i is the last column, on those right of it (values `right`).
void AddColumnCrossings(Graph& graph, const std::vector<long double>& here,
                        const std::vector<long double>* right) {
    GridCrossings& c = graph.Crossings;
    const int rows = c.rows;
    c.columnStarts.push_back(static_cast<std::uint32_t>(c.edges.size()));
    GrowSamples(graph, c.edges, 2 * static_cast<std::size_t>(rows) + 2);
    GrowSamples(graph, c.fractions, 2 * static_cast<std::size_t>(rows) + 2);
    // Each value read once into a local: the appends could otherwise alias the vectors'
    // pointers and reload every value for each edge it ends.
    const long double* up = here.data();
    const long double* side = right != nullptr ? right->data() : nullptr;
    for (int j = 0; j <= rows; ++j) {
        const long double a = up[j];
        if (j < rows) {
            const long double b = up[j + 1];
            if (CurveGrid::Crosses(a, b)) {
                c.edges.push_back(static_cast<std::uint16_t>(2 * j));
                c.fractions.push_back(CurveGrid::Fraction(a, b));
            }
        }
        if (side != nullptr) {
            const long double b = side[j];
            if (CurveGrid::Crosses(a, b)) {
                c.edges.push_back(static_cast<std::uint16_t>(2 * j + 1));
                c.fractions.push_back(CurveGrid::Fraction(a, b));
            }
        }
    }
}

}  // namespace

bool SampleEquation(Graph& graph, const OptionsRecord& options, int index, Feedback& feedback) {
    GridArea area;
    GridFunction f(options);
    if (!StartGridSampling(graph, options, area, f)) return true;
    const CurveGrid grid(graph.Record(), options);
    const int nx = grid.Columns();
    const int ny = grid.Rows();
    GridCrossings& c = graph.Crossings;
    c.rows = ny;
    ReserveSamples(graph, c.columnStarts, static_cast<std::size_t>(nx) + 2);

    SamplingRun run(feedback, index);
    std::vector<long double> rows(ny + 1);
    for (int j = 0; j <= ny; ++j)
        rows[j] = f.ArgumentY(grid.Y(j));
    // Two node columns at a time: a column's crossings are known once the next is computed.
    std::vector<long double> previous(ny + 1);
    std::vector<long double> column(ny + 1);
    const std::int64_t nodes = static_cast<std::int64_t>(nx + 1) * (ny + 1);
    std::int64_t done = 0;
    for (int i = 0; i <= nx; ++i) {
        const long double x = f.ArgumentX(grid.X(i));
        for (int j = 0; j <= ny; ++j) {
            column[j] = f.Value(x, rows[j]);
            if (!run.Progress(++done, nodes)) {
                graph.ClearValues();
                return false;
            }
        }
        if (i > 0) AddColumnCrossings(graph, previous, &column);
        std::swap(previous, column);
    }
    AddColumnCrossings(graph, previous, nullptr);
    c.columnStarts.push_back(static_cast<std::uint32_t>(c.edges.size()));
    if (c.edges.empty()) {
        graph.ClearValues();  // nothing to draw
    } else {
        TrimSamples(graph, c.edges);
        TrimSamples(graph, c.fractions);
    }
    return true;
}

}  // namespace plotwise
