#include "grid_function.h"

#include <cmath>

#include "axis_transform.h"
#include "function.h"
#include "round12.h"

namespace plotwise {

bool TGridArea::Usable() const {
    return Round12(xStart) != Round12(xEnd) && Round12(yStart) != Round12(yEnd) &&
           std::isfinite(xEnd - xStart) && std::isfinite(yEnd - yStart);
}

TGridArea GridAreaOf(const TFunctionProps& props, const TOptionsRecord& options) {
    TGridArea a{EffectiveMinX(props, options), EffectiveMaxX(props, options),
                EffectiveMinY(props, options), EffectiveMaxY(props, options)};
    if (options.MinX > a.xEnd || options.MaxX < a.xStart) a.xEnd = a.xStart;
    if (options.MinY > a.yEnd || options.MaxY < a.yStart) a.yEnd = a.yStart;
    return a;
}

bool TGridFunction::Compile(const std::string& formula) {
    return formula_.Compile(formula, "X", "Y") == 0;
}

long double TGridFunction::ArgumentX(long double x) const {
    return ForwardX(options_, Round12(x));
}

long double TGridFunction::ArgumentY(long double y) const {
    return ForwardY(options_, Round12(y));
}

bool StartGridSampling(TFunction& graph, const TOptionsRecord& options, TGridArea& area,
                       TGridFunction& f) {
    area = GridAreaOf(graph.Props, options);
    graph.ClearValues();
    return !graph.IsEmpty() && area.Usable() && f.Compile(graph.Props.Formula().Text());
}

}  // namespace plotwise
