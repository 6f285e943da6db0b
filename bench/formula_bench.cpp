// Evaluation speed of compiled formulas: with and without Round12, against the same math
// written directly in long double (what the functions themselves cost) and against
// muParser in double (the speed anchor). Prints a summary of ratios at the end.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "formula/calculator.h"
#include "formula/compiled_formula.h"
#include "formula/extended.h"
#include "formula/operation_impl.h"
#include "formula/round12.h"
#include "per_eval_reporter.h"

namespace {

using plotwise::Calculator;
using plotwise::Calculator2Var;

// x^n as the formula engine computes a whole power, so native code pays the same.
long double Pow(long double a, int n) {
    return plotwise::operation_detail::WholePower(std::fabs(a), n);
}

struct Formula {
    const char* label;
    const char* text;
    const char* muparser;
    long double (*native)(long double);
};

const Formula kFormulas[] = {
    {"x^2+1", "x^2+1", "x^2+1", [](long double x) { return Pow(x, 2) + 1; }},
    {"sin(x)*x^2+ln(abs(x)+1)", "sin(x)*x^2+ln(abs(x)+1)", "sin(x)*x^2+ln(abs(x)+1)",
     [](long double x) {
         return plotwise::operation_detail::Sine(x) * Pow(x, 2) + std::log(std::fabs(x) + 1);
     }},
    {"exp(-x^2/2)/sqrt(2*pi)", "exp(-x^2/2)/sqrt(2*pi)", "exp(-x^2/2)/sqrt(2*_pi)",
     [](long double x) { return std::exp(-Pow(x, 2) / 2) / std::sqrt(2 * plotwise::kPi); }},
    {"(x^3-2*x)/(x^2+1)", "(x^3-2*x)/(x^2+1)", "(x^3-2*x)/(x^2+1)",
     [](long double x) { return (Pow(x, 3) - 2 * x) / (Pow(x, 2) + 1); }},
    {"sqrt(abs(x))*cos(3*x)-atan(x)", "sqrt(abs(x))*cos(3*x)-atan(x)",
     "sqrt(abs(x))*cos(3*x)-atan(x)",
     [](long double x) {
         return std::sqrt(std::fabs(x)) * plotwise::operation_detail::Cosine(3 * x) - std::atan(x);
     }},
    {"x*x+1 (no library math)", "x*x+1", "x*x+1", [](long double x) { return x * x + 1; }},
};

constexpr int kPoints = 1000;  // samples across [-10, 10], as a graph is sampled
constexpr int kGrid = 801;     // the two-variable formula over an 801 x 801 grid

std::vector<long double> Samples() {
    std::vector<long double> xs(kPoints);
    for (int i = 0; i < kPoints; ++i)
        xs[i] = -10 + 20.0L * (i + 0.5L) / kPoints;
    return xs;
}

using plotwise_bench::CountEvaluations;

// Our calculator over the samples, through Round12 (Calculate) or not (Evaluate).
void OneVariable(benchmark::State& state, const Formula& f, bool rounded) {
    Calculator calc(plotwise::CompileProgram(f.text, "X").program);
    const std::vector<long double> xs = Samples();
    for (auto _ : state) {
        for (long double x : xs) {
            benchmark::DoNotOptimize(rounded ? calc.Calculate(x) : calc.Evaluate(x));
        }
    }
    CountEvaluations(state, kPoints);
}

void RegisterOneVariable() {
    for (const Formula& f : kFormulas) {
        const std::string label = f.label;
        benchmark::RegisterBenchmark(("Plotwise/" + label).c_str(),
                                     [f](benchmark::State& state) { OneVariable(state, f, true); });
        benchmark::RegisterBenchmark(("NoRound12/" + label).c_str(), [f](benchmark::State& state) {
            OneVariable(state, f, false);
        });
        benchmark::RegisterBenchmark(("Native/" + label).c_str(), [f](benchmark::State& state) {
            const std::vector<long double> xs = Samples();
            for (auto _ : state) {
                for (long double x : xs) {
                    benchmark::DoNotOptimize(x);
                    benchmark::DoNotOptimize(f.native(x));
                }
            }
            CountEvaluations(state, kPoints);
        });
        benchmark::RegisterBenchmark(("muParser/" + label).c_str(), [f](benchmark::State& state) {
            double x = 0;
            mu::Parser parser;
            parser.DefineVar("x", &x);
            parser.SetExpr(f.muparser);
            const std::vector<long double> xs = Samples();
            for (auto _ : state) {
                for (long double v : xs) {
                    x = static_cast<double>(v);
                    benchmark::DoNotOptimize(parser.Eval());
                }
            }
            CountEvaluations(state, kPoints);
        });
    }
}

long double GridValue(int i) {
    return -10 + 20.0L * i / (kGrid - 1);
}

void TwoVariables(benchmark::State& state, bool rounded) {
    Calculator2Var calc(plotwise::CompileProgram2Var("x^2+y^2-25", "X", "Y").program);
    for (auto _ : state) {
        for (int i = 0; i < kGrid; ++i) {
            for (int j = 0; j < kGrid; ++j) {
                const long double x = GridValue(i);
                const long double y = GridValue(j);
                benchmark::DoNotOptimize(rounded ? calc.Calculate(x, y) : calc.Evaluate(x, y));
            }
        }
    }
    CountEvaluations(state, double(kGrid) * kGrid);
}

void RegisterTwoVariables() {
    const std::string label = "x^2+y^2-25 (801x801)";
    benchmark::RegisterBenchmark(("Plotwise/" + label).c_str(),
                                 [](benchmark::State& state) { TwoVariables(state, true); });
    benchmark::RegisterBenchmark(("NoRound12/" + label).c_str(),
                                 [](benchmark::State& state) { TwoVariables(state, false); });
    benchmark::RegisterBenchmark(("Native/" + label).c_str(), [](benchmark::State& state) {
        for (auto _ : state) {
            for (int i = 0; i < kGrid; ++i) {
                for (int j = 0; j < kGrid; ++j) {
                    long double x = GridValue(i);
                    long double y = GridValue(j);
                    benchmark::DoNotOptimize(x);
                    benchmark::DoNotOptimize(y);
                    benchmark::DoNotOptimize(Pow(x, 2) + Pow(y, 2) - 25);
                }
            }
        }
        CountEvaluations(state, double(kGrid) * kGrid);
    });
    benchmark::RegisterBenchmark(("muParser/" + label).c_str(), [](benchmark::State& state) {
        double x = 0;
        double y = 0;
        mu::Parser parser;
        parser.DefineVar("x", &x);
        parser.DefineVar("y", &y);
        parser.SetExpr("x^2+y^2-25");
        for (auto _ : state) {
            for (int i = 0; i < kGrid; ++i) {
                for (int j = 0; j < kGrid; ++j) {
                    x = static_cast<double>(GridValue(i));
                    y = static_cast<double>(GridValue(j));
                    benchmark::DoNotOptimize(parser.Eval());
                }
            }
        }
        CountEvaluations(state, double(kGrid) * kGrid);
    });
}

// Round12 alone: on values of a graph's usual size, over magnitudes 1E-30..1E30 (about a
// quarter of them outside the inline range), and the text round trip it replaces.
std::vector<long double> Round12Values(int decades) {
    std::vector<long double> v(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        const int decade = decades == 0 ? i % 7 - 3 : i % (2 * decades + 1) - decades;
        v[i] = std::sin(i * 0.7L) * std::pow(10.0L, decade);
    }
    return v;
}

void RegisterRound12() {
    const struct {
        const char* name;
        int decades;
        long double (*round)(long double);
    } runs[] = {{"Round12/1E-3..1E3", 0, plotwise::Round12},
                {"Round12/1E-30..1E30", 30, plotwise::Round12},
                {"Round12/text", 30, plotwise::Round12ByText}};
    for (const auto& run : runs) {
        benchmark::RegisterBenchmark(run.name, [run](benchmark::State& state) {
            const std::vector<long double> values = Round12Values(run.decades);
            for (auto _ : state) {
                for (long double x : values)
                    benchmark::DoNotOptimize(run.round(x));
            }
            CountEvaluations(state, kPoints);
        });
    }
}

class SummaryReporter : public plotwise_bench::PerEvalReporter {
  public:
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf(
            "\nns per evaluation     ours  no-Round12  native math  muParser"
            "   Round12 cost  overhead  ours/muParser\n");
        for (const auto& [name, ns] : All()) {
            if (name.rfind("Plotwise/", 0) != 0) continue;
            const std::string label = name.substr(9);
            const double raw = Get("NoRound12/" + label);
            const double native = Get("Native/" + label);
            const double mu = Get("muParser/" + label);
            std::printf("%-32s\n%20.1f %10.1f %12.1f %9.1f %13.1f %9.1f %12.2fx\n", label.c_str(),
                        ns, raw, native, mu, ns - raw, raw - native, ns / mu);
        }
        std::printf(
            "\nRound12 alone: %.1f ns for 1E-3..1E3, %.1f ns for 1E-30..1E30, "
            "text round trip %.1f ns\n",
            Get("Round12/1E-3..1E3"), Get("Round12/1E-30..1E30"), Get("Round12/text"));
    }
};

}  // namespace

int main(int argc, char** argv) {
    RegisterOneVariable();
    RegisterTwoVariables();
    RegisterRound12();
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
