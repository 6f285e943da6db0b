#include "plot/grid_function.h"

#include <cmath>

#include "formula/round12.h"
#include "plot/axis_transform.h"
#include "plot/graph.h"

namespace plotwise {

bool GridArea::Usable() const {
    return Round12(xStart) != Round12(xEnd) && Round12(yStart) != Round12(yEnd) &&
           std::isfinite(xEnd - xStart) && std::isfinite(yEnd - yStart);
}

GridArea GridAreaOf(const GraphRecord& props, const OptionsRecord& options) {
    GridArea a{EffectiveMinX(props, options), EffectiveMaxX(props, options),
               EffectiveMinY(props, options), EffectiveMaxY(props, options)};
    if (options.MinX > a.xEnd || options.MaxX < a.xStart) a.xEnd = a.xStart;
    if (options.MinY > a.yEnd || options.MaxY < a.yStart) a.yEnd = a.yStart;
    return a;
}

bool GridFunction::Compile(const std::string& formula) {
    return formula_.Compile(formula, "X", "Y") == FormulaError::None;
}

long double GridFunction::ArgumentX(long double x) const {
    return ForwardX(options_, Round12(x));
}

long double GridFunction::ArgumentY(long double y) const {
    return ForwardY(options_, Round12(y));
}

bool StartGridSampling(Graph& graph, const OptionsRecord& options, GridArea& area,
                       GridFunction& f) {
    area = GridAreaOf(graph.Record(), options);
    graph.ClearValues();
    return !graph.IsEmpty() && area.Usable() && f.Compile(graph.Record().Formula().Text());
}

}  // namespace plotwise
