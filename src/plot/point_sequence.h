// The points of a graph of kind 0, 1, 2, 3 or 6 in drawing order, in axis units, rebuilt
// from its stored values under the document's options.
#pragma once

#include <cstddef>

#include "axis_transform.h"
#include "function.h"
#include "number_input.h"
#include "sample_arguments.h"

namespace plotwise {

// Calls visit(x, y) for each point (+Infinity in a coordinate: no point there) until visit
// returns false. Kinds 0 and 1 regenerate the arguments exactly as sampling made them.
template <typename Visit>
void ForEachGraphPoint(const TFunction& graph, const TOptionsRecord& options, Visit visit) {
    const TFunctionProps& props = graph.Props;
    const std::vector<long double>& values = graph.Values;
    const TAxisInverse inverseX = AxisInverseX(options);
    const TAxisInverse inverseY = AxisInverseY(options);
    switch (props.FuncStyle) {
        case fsYFromX:
        case fsXFromY: {
            const bool onX = props.FuncStyle == fsYFromX;
            const long double start =
                onX ? EffectiveMinX(props, options) : EffectiveMinY(props, options);
            const long double end =
                onX ? EffectiveMaxX(props, options) : EffectiveMaxY(props, options);
            const TSampleArguments a =
                SampleArguments(start, end, EffectiveStepsNum(props, options), options.PointsAlign);
            long double s = a.first;
            for (const long double v : values) {
                const bool go = onX ? visit(s, inverseY(v)) : visit(inverseX(v), s);
                if (!go) return;
                s += a.h;
            }
            return;
        }
        case fsPolar:
        case fsParam:
        case fsTable:
            for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
                long double x = values[i];
                long double y = values[i + 1];
                if (props.FuncStyle == fsTable) {
                    // Tables are drawn as their cells show.
                    x = RoundTo8(x);
                    y = RoundTo8(y);
                }
                if (!visit(inverseX(x), inverseY(y))) return;
            }
            return;
        default:
            return;
    }
}

}  // namespace plotwise
