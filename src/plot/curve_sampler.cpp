#include "plot/curve_sampler.h"

#include <cmath>

#include "formula/compiled_formula.h"
#include "formula/extended.h"
#include "plot/axis_transform.h"
#include "plot/sample_arguments.h"
#include "plot/sample_buffer.h"
#include "plot/sampling_run.h"

namespace plotwise {
namespace {

// Calls store(i, s) for the n + 1 arguments s; false (and no values) when the user
// interrupted.
template <typename Store>
bool WalkArguments(Graph& graph, const ArgumentSteps& a, int n, SamplingRun& run, Store store) {
    long double s = a.first;
    for (int i = 1; i <= n + 1; ++i) {
        store(i, s);
        s += a.h;
        if (!run.Progress(i, n + 1)) {
            graph.ClearValues();
            return false;
        }
    }
    graph.LastBeyondEnd = Round12(s - a.h) > a.end;
    return true;
}

}  // namespace

bool SampleExplicit(Graph& graph, const OptionsRecord& options, int index, Feedback& feedback) {
    const GraphRecord& props = graph.Record();
    const bool onX = props.Kind == kYOfX;
    const long double visibleMin = onX ? options.MinX : options.MinY;
    const long double visibleMax = onX ? options.MaxX : options.MaxY;
    const long double start = onX ? EffectiveMinX(props, options) : EffectiveMinY(props, options);
    long double end = onX ? EffectiveMaxX(props, options) : EffectiveMaxY(props, options);
    if (visibleMin > end || visibleMax < start) end = start;
    const int n = EffectiveStepsNum(props, options);
    graph.ClearValues();
    if (graph.IsEmpty() || !(Round12(start) < Round12(end)) || !std::isfinite(end - start)) {
        return true;
    }

    CompiledFormula formula;
    if (formula.Compile(props.Formula().Text(), onX ? "X" : "Y") != 0) return true;
    ResizeSamples(graph.Values, static_cast<std::size_t>(n) + 1);

    SamplingRun run(feedback, index);
    const ArgumentSteps a = SampleArguments(start, end, n, options.PointsAlign);
    const AxisForward forward = onX ? AxisForwardX(options) : AxisForwardY(options);
    return WalkArguments(graph, a, n, run, [&](int i, long double s) {
        std::uint8_t err = 0;
        long double v = formula.Calculate(err, forward(s));
        if (err != 0 || a.PastEnd(s)) v = kNoPoint;
        graph.SetValue(i, v);
    });
}

bool SamplePolarOrParametric(Graph& graph, const OptionsRecord& options, int index,
                             Feedback& feedback) {
    const GraphRecord& props = graph.Record();
    const bool polar = props.Kind == kPolarGraph;
    const long double start = props.Interval().Min;
    const long double end = props.Interval().Max;
    const int n = EffectiveStepsNum(props, options);
    graph.ClearValues();
    if (graph.IsEmpty() || start == end || !std::isfinite(end - start)) return true;

    CompiledFormula formulaX;
    CompiledFormula formulaY;
    const std::string var(1, KindVariable(props.Kind));
    if (formulaX.Compile(props.Formula().Text(), var) != 0) return true;
    if (!polar && formulaY.Compile(props.FormulaY().Text(), var) != 0) return true;
    ResizeSamples(graph.Values, 2 * (static_cast<std::size_t>(n) + 1));

    SamplingRun run(feedback, index);
    const ArgumentSteps a = SampleArguments(start, end, n, options.PointsAlign);
    return WalkArguments(graph, a, n, run, [&](int i, long double s) {
        const long double t = Round12(s);
        std::uint8_t errX = 0;
        std::uint8_t errY = 0;
        long double x = formulaX.Calculate(errX, polar ? t * kPi : t);
        long double y = polar ? 0 : formulaY.Calculate(errY, t);
        if (a.PastEnd(s)) errX = 1;
        if (polar && errX == 0) {
            const long double r = x;
            x = std::cos(s * kPi) * r;
            y = std::sin(s * kPi) * r;
        } else if (polar) {
            y = kNoPoint;
        }
        graph.SetValue(2 * i - 1, errX == 0 ? x : kNoPoint);
        graph.SetValue(2 * i, errY == 0 ? y : kNoPoint);
    });
}

}  // namespace plotwise
