// The points of a graph of kind 0, 1, 2, 3 or 6 in drawing order, in axis units, rebuilt
// from its stored values under the document's options.
#pragma once

#include <cmath>
#include <cstddef>

#include "formula/number_input.h"
#include "plot/axis_transform.h"
#include "plot/graph.h"
#include "plot/sample_arguments.h"

namespace plotwise {

// Calls visit(x, y) for each point (+Infinity in a coordinate: no point there) until visit
// returns false. Kinds 0 and 1 regenerate the arguments exactly as sampling made them.
template <typename Visit>
void ForEachGraphPoint(const Graph& graph, const OptionsRecord& options, Visit visit) {
    const GraphRecord& props = graph.Record();
    const std::vector<long double>& values = graph.Values;
    const AxisInverse inverseX = AxisInverseX(options);
    const AxisInverse inverseY = AxisInverseY(options);
    switch (props.Kind) {
        case kYOfX:
        case kXOfY: {
            const bool onX = props.Kind == kYOfX;
            const long double start =
                onX ? EffectiveMinX(props, options) : EffectiveMinY(props, options);
            const long double end =
                onX ? EffectiveMaxX(props, options) : EffectiveMaxY(props, options);
            const ArgumentSteps a =
                SampleArguments(start, end, EffectiveStepsNum(props, options), options.PointsAlign);
            long double s = a.first;
            for (const long double v : values) {
                const long double t = a.GridNumber(s);
                const bool go = onX ? visit(t, inverseY(v)) : visit(inverseX(v), t);
                if (!go) return;
                s += a.h;
            }
            return;
        }
        case kPolarGraph:
        case kParametric:
        case kTable:
            for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
                long double x = values[i];
                long double y = values[i + 1];
                if (props.Kind == kTable) {
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

// The points of a graph's line in order: add(x, y) for each point with a value, lineBreak()
// where the line stops, at a missing point (not in a table: its line crosses empty rows) and
// where sampling found a pole or a jump after a point. add returning false stops the walk.
template <typename Add, typename LineBreak>
void ForEachLinePoint(const Graph& graph, const OptionsRecord& options, Add add,
                      LineBreak lineBreak) {
    const bool keepAcrossGaps = graph.Record().Kind == kTable;
    auto nextBreak = graph.Breaks.begin();
    int point = 0;
    ForEachGraphPoint(graph, options, [&](long double x, long double y) {
        bool go = true;
        if (std::isfinite(x) && std::isfinite(y)) {
            go = add(x, y);
        } else if (!keepAcrossGaps) {
            lineBreak();
        }
        ++point;
        if (nextBreak != graph.Breaks.end() && *nextBreak == point) {
            lineBreak();
            ++nextBreak;
        }
        return go;
    });
}

}  // namespace plotwise
