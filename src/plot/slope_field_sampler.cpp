// CalcDifField: the slope at every cell centre of the field.
#include <cstdint>

#include "grid_function.h"
#include "grid_samplers.h"
#include "sample_buffer.h"
#include "sampling_run.h"

namespace plotwise {

bool CalcDifField(TFunction& graph, const TOptionsRecord& options, int index, TFeedback& feedback) {
    TGridArea area;
    TGridFunction f(options);
    if (!StartGridSampling(graph, options, area, f)) return true;
    const int nx = GridStepsX(graph.Props);
    const int ny = GridStepsY(graph.Props);
    const long double dx = (area.xEnd - area.xStart) / nx;
    const long double dy = (area.yEnd - area.yStart) / ny;
    const std::int64_t cells = static_cast<std::int64_t>(nx) * ny;
    ReserveSamples(graph.Values, static_cast<std::size_t>(cells));

    TSamplingRun run(feedback, index);
    for (int i = 1; i <= nx; ++i) {
        const long double x = f.ArgumentX(area.xStart + (i - 0.5L) * dx);
        for (int j = 1; j <= ny; ++j) {
            graph.Values.push_back(f.Value(x, f.ArgumentY(area.yStart + (j - 0.5L) * dy)));
            if (!run.Progress(static_cast<std::int64_t>(graph.Values.size()), cells)) {
                graph.ClearValues();
                return false;
            }
        }
    }
    return true;
}

}  // namespace plotwise
