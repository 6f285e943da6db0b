// Sampling speed: each sampler against bare evaluation of its formula at as many points,
// measured in the same run. Prints the ratios at the end.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "formula/calculator.h"
#include "formula/compiled_formula.h"
#include "per_eval_reporter.h"
#include "plot/document.h"
#include "plot/new_graph.h"

namespace {

using plotwise_bench::CountEvaluations;
using namespace plotwise;

constexpr int kGraphs = 30;
constexpr int kSteps = 20000;
constexpr const char* kCurve = "sin(x)*x^2+ln(abs(x)+1)";

GraphRecord MakeGraph(std::uint8_t kind, const char* formula, int steps) {
    const OptionsRecord options = StandardOptions();
    GraphRecord props = NewGraphRecord(options);
    props.Kind = kind;
    SetNewProps(props, options);
    props.Formula().SetText(formula);
    if (kind <= kParametric) {
        props.Interval().DefaultSteps = false;
        props.Interval().StepsNum = steps;
    } else {
        props.Area().StepsNumX = steps;
        props.Area().StepsNumY = steps;
    }
    return props;
}

void SamplingPass(benchmark::State& state) {
    Document doc(StandardOptions());
    for (int k = 0; k < kGraphs; ++k)
        doc.AddGraph(MakeGraph(kYOfX, kCurve, kSteps));
    for (auto _ : state)
        doc.CalculateGraphs();
    CountEvaluations(state, double(kGraphs) * (kSteps + 1));
}

void BareCurve(benchmark::State& state) {
    Calculator calc(CompileProgram(kCurve, "X").program);
    const long double h = 20.0L / kSteps;
    for (auto _ : state) {
        for (int k = 0; k < kGraphs; ++k) {
            long double s = -10;
            for (int i = 0; i <= kSteps; ++i, s += h)
                benchmark::DoNotOptimize(calc.Calculate(s));
        }
    }
    CountEvaluations(state, double(kGraphs) * (kSteps + 1));
}

// One Y(x) graph of 20000 steps sampled over and over, looking for poles and jumps or not.
void CurveSampler(benchmark::State& state, const char* formula, bool breaks) {
    Document doc(StandardOptions());
    doc.BreakAtJumps = breaks;
    Graph& graph = doc.AddGraph(MakeGraph(kYOfX, formula, kSteps));
    for (auto _ : state)
        doc.CalculateGraph(graph, doc.Options, 0);
    CountEvaluations(state, kSteps + 1.0);
}

// A polar or parametric graph of 20000 steps sampled over and over (no breaks looked for),
// and its formulas alone at as many arguments.
void PairSampler(benchmark::State& state, std::uint8_t kind, const char* fx, const char* fy) {
    Document doc(StandardOptions());
    doc.BreakAtJumps = false;
    GraphRecord props = MakeGraph(kind, fx, kSteps);
    if (kind == kParametric)
        props.FormulaY().SetText(fy);  // where a polar graph keeps its interval
    Graph& graph = doc.AddGraph(props);
    for (auto _ : state)
        doc.CalculateGraph(graph, doc.Options, 0);
    CountEvaluations(state, kSteps + 1.0);
}

void BarePair(benchmark::State& state, const char* variable, const char* fx, const char* fy) {
    Calculator x(CompileProgram(fx, variable).program);
    Calculator y(CompileProgram(*fy ? fy : "0", variable).program);
    const long double h = 2.0L / kSteps;
    for (auto _ : state) {
        long double t = 0;
        for (int i = 0; i <= kSteps; ++i, t += h) {
            benchmark::DoNotOptimize(x.Calculate(t));
            if (*fy) benchmark::DoNotOptimize(y.Calculate(t));
        }
    }
    CountEvaluations(state, kSteps + 1.0);
}

// Smooth, poles, jumps, and a curve that swings between every two samples (every interval
// looks like a jump and is checked).
constexpr const char* kBreakCurves[] = {kCurve, "tan(x)", "int(x)", "sin(1000*x)"};

// One grid graph sampled over and over; points: the evaluations it makes per run.
void GridSampler(benchmark::State& state, const char* formula, std::uint8_t kind, int relation,
                 int steps, double points) {
    Document doc(StandardOptions());
    GraphRecord props = MakeGraph(kind, formula, steps);
    props.Relation() = static_cast<std::uint8_t>(relation);
    Graph& graph = doc.AddGraph(props);
    for (auto _ : state)
        doc.CalculateGraph(graph, doc.Options, 0);
    CountEvaluations(state, points);
}

// The formula at n x n points spread over -10..10.
void BareGrid(benchmark::State& state, const char* formula, int n) {
    Calculator2Var calc(CompileProgram2Var(formula, "X", "Y").program);
    const long double d = 20.0L / n;
    for (auto _ : state) {
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j)
                benchmark::DoNotOptimize(calc.Calculate(-10 + i * d, -10 + j * d));
        }
    }
    CountEvaluations(state, double(n) * n);
}

// Cells of x-y < 0 at 400 x 400 that end with a partial code: each took 16 more points.
double InequalityPoints() {
    Document doc(StandardOptions());
    GraphRecord props = MakeGraph(kEquation, "x-y", 400);
    props.Relation() = 1;
    Graph& graph = doc.AddGraph(props);
    doc.CalculateGraph(graph, doc.Options, 0);
    double partial = 0;
    for (std::uint16_t code : graph.CellCodes)
        partial += code != 0 && code != 0xFFFF;
    return 400.0 * 400 + 16 * partial;
}

class SummaryReporter : public plotwise_bench::PerEvalReporter {
  public:
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-34s %12s %10s %10s %8s\n", "", "ms per run", "ns/point", "bare ns",
                    "ratio");
        for (const char* name :
             {"Pass/30 Y(x) x 20000", "SampleEquation/x^2+y^2-25 400x400",
              "SampleInequality/x-y 400x400", "SampleSlopeField/x*y 100x100",
              "SamplePolar/1+2*cos(3*a)", "SampleParametric/sin(2*t),cos(3*t)"}) {
            const std::string label = std::string(name).substr(std::string(name).find('/') + 1);
            const double ns = Get(name);
            const double bare = Get("Bare/" + label);
            std::printf("%-34s %12.2f %10.1f %10.1f %8.3f\n", name, ns * Evaluations(name) / 1e6,
                        ns, bare, bare > 0 ? ns / bare : 0);
        }
        std::printf("\n%-34s %12s %12s %8s\n", "poles and jumps", "ms found", "ms not", "ratio");
        for (const char* formula : kBreakCurves) {
            const double found = Get(std::string("Breaks/") + formula);
            const double joined = Get(std::string("Joined/") + formula);
            std::printf("%-34s %12.3f %12.3f %8.3f\n", formula, found * (kSteps + 1) / 1e6,
                        joined * (kSteps + 1) / 1e6, joined > 0 ? found / joined : 0);
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("Pass/30 Y(x) x 20000", SamplingPass)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Bare/30 Y(x) x 20000", BareCurve)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SampleEquation/x^2+y^2-25 400x400", [](benchmark::State& s) {
        GridSampler(s, "x^2+y^2-25", kEquation, 0, 400, 801.0 * 801);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Bare/x^2+y^2-25 400x400", [](benchmark::State& s) {
        BareGrid(s, "x^2+y^2-25", 801);
    })->Unit(benchmark::kMillisecond);
    const double inequalityPoints = InequalityPoints();
    benchmark::RegisterBenchmark("SampleInequality/x-y 400x400", [=](benchmark::State& s) {
        GridSampler(s, "x-y", kEquation, 1, 400, inequalityPoints);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Bare/x-y 400x400", [](benchmark::State& s) {
        BareGrid(s, "x-y", 400);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SampleSlopeField/x*y 100x100", [](benchmark::State& s) {
        GridSampler(s, "x*y", kSlopeField, 0, 100, 100.0 * 100);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Bare/x*y 100x100", [](benchmark::State& s) {
        BareGrid(s, "x*y", 100);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SamplePolar/1+2*cos(3*a)", [](benchmark::State& s) {
        PairSampler(s, kPolarGraph, "1+2*cos(3*a)", "");
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Bare/1+2*cos(3*a)", [](benchmark::State& s) {
        BarePair(s, "A", "1+2*cos(3*a)", "");
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SampleParametric/sin(2*t),cos(3*t)", [](benchmark::State& s) {
        PairSampler(s, kParametric, "sin(2*t)", "cos(3*t)");
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Bare/sin(2*t),cos(3*t)", [](benchmark::State& s) {
        BarePair(s, "T", "sin(2*t)", "cos(3*t)");
    })->Unit(benchmark::kMillisecond);
    for (const char* formula : kBreakCurves) {
        for (const bool breaks : {true, false}) {
            benchmark::RegisterBenchmark(
                (std::string(breaks ? "Breaks/" : "Joined/") + formula).c_str(),
                [=](benchmark::State& s) { CurveSampler(s, formula, breaks); })
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
