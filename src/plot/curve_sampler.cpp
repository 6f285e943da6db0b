#include "plot/curve_sampler.h"

#include <cmath>
#include <optional>

#include "formula/apply_operation.h"
#include "formula/compiled_formula.h"
#include "formula/extended.h"
#include "plot/axis_transform.h"
#include "plot/curve_breaks.h"
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

bool SampleExplicit(Graph& graph, const OptionsRecord& options, int index, Feedback& feedback,
                    bool findBreaks) {
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
    if (formula.Compile(props.Formula().Text(), onX ? "X" : "Y") != FormulaError::None) return true;
    ResizeSamples(graph, graph.Values, static_cast<std::size_t>(n) + 1);

    SamplingRun run(feedback, index);
    const ArgumentSteps a = SampleArguments(start, end, n, options.PointsAlign);
    const AxisForward forward = onX ? AxisForwardX(options) : AxisForwardY(options);
    std::optional<BreakScanner> breaks;
    if (findBreaks) {
        breaks.emplace([&](long double t) { return formula.Evaluate(forward(t)); }, graph.Breaks);
    }
    // Each argument is rounded one sample ahead (s + h is the walk's next s, exactly): the
    // rounding's long latency then overlaps the evaluation before it instead of delaying
    // its own.
    long double next = a.GridNumber(a.first);
    const bool done = WalkArguments(graph, a, n, run, [&](int i, long double s) {
        const long double t = next;
        next = a.GridNumber(s + a.h);
        const Evaluation v = formula.Calculate(forward(t));
        graph.SetValue(i, v.Ok() && !a.PastEnd(s) ? v.value : kNoPoint);
        if (breaks) breaks->Add(i, t, graph.Value(i));
    });
    if (done && breaks) breaks->Finish();
    return done;
}

bool SamplePolarOrParametric(Graph& graph, const OptionsRecord& options, int index,
                             Feedback& feedback, bool findBreaks) {
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
    if (formulaX.Compile(props.Formula().Text(), var) != FormulaError::None) return true;
    if (!polar && formulaY.Compile(props.FormulaY().Text(), var) != FormulaError::None) return true;
    ResizeSamples(graph, graph.Values, 2 * (static_cast<std::size_t>(n) + 1));

    SamplingRun run(feedback, index);
    const ArgumentSteps a = SampleArguments(start, end, n, options.PointsAlign);
    // A polar graph breaks where its radius does, a parametric one where either formula does.
    std::optional<BreakScanner> breaksX;
    std::optional<BreakScanner> breaksY;
    if (findBreaks) {
        breaksX.emplace([&](long double t) { return formulaX.Evaluate(polar ? t * kPi : t); },
                        graph.Breaks);
        if (!polar)
            breaksY.emplace([&](long double t) { return formulaY.Evaluate(t); }, graph.Breaks);
    }
    long double next = a.GridNumber(a.first);  // one sample ahead, as in SampleExplicit
    const bool done = WalkArguments(graph, a, n, run, [&](int i, long double s) {
        const long double t = next;
        next = a.GridNumber(s + a.h);
        const Evaluation fx = formulaX.Calculate(polar ? t * kPi : t);
        const Evaluation fy = polar ? Evaluation{} : formulaY.Calculate(t);
        const bool hasX = fx.Ok() && !a.PastEnd(s);
        long double x = fx.value;
        long double y = fy.value;
        if (polar && hasX) {
            long double sine, cosine;
            SineAndCosine(s * kPi, sine, cosine);
            x = cosine * fx.value;
            y = sine * fx.value;
        } else if (polar) {
            y = kNoPoint;
        }
        graph.SetValue(2 * i - 1, hasX ? x : kNoPoint);
        graph.SetValue(2 * i, fy.Ok() ? y : kNoPoint);
        if (breaksX) breaksX->Add(i, t, hasX ? fx.value : kNoPoint);
        if (breaksY) breaksY->Add(i, t, fy.Ok() && !a.PastEnd(s) ? fy.value : kNoPoint);
    });
    if (done && breaksX) breaksX->Finish();
    if (done && breaksY) breaksY->Finish();
    return done;
}

}  // namespace plotwise
