// SampleSlopeField: the slope at every cell centre of the field.
#include <cstdint>
#include <vector>

#include "plot/grid_function.h"
#include "plot/grid_samplers.h"
#include "plot/sample_buffer.h"
#include "plot/sampling_run.h"

namespace plotwise {

bool SampleSlopeField(Graph& graph, const OptionsRecord& options, int index, Feedback& feedback) {
    GridArea area;
    GridFunction f(options);
    if (!StartGridSampling(graph, options, area, f)) return true;
    const int nx = GridStepsX(graph.Record());
    const int ny = GridStepsY(graph.Record());
    const long double dx = (area.xEnd - area.xStart) / nx;
    const long double dy = (area.yEnd - area.yStart) / ny;
    const std::int64_t cells = static_cast<std::int64_t>(nx) * ny;
    ReserveSamples(graph, graph.Values, static_cast<std::size_t>(cells));

    // Every column meets the same rows: their arguments are worked out once.
    std::vector<long double> ys(static_cast<std::size_t>(ny));
    for (int j = 1; j <= ny; ++j)
        ys[j - 1] = f.ArgumentY(area.yStart + (j - 0.5L) * dy);
    SamplingRun run(feedback, index);
    for (int i = 1; i <= nx; ++i) {
        const long double x = f.ArgumentX(area.xStart + (i - 0.5L) * dx);
        for (int j = 1; j <= ny; ++j) {
            graph.Values.push_back(f.Value(x, ys[j - 1]));
            if (!run.Progress(static_cast<std::int64_t>(graph.Values.size()), cells)) {
                graph.ClearValues();
                return false;
            }
        }
    }
    return true;
}

}  // namespace plotwise
