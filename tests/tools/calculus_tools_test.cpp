// The Calculus tools without their windows: the Definite Integral's checks and Simpson's
// rule, the Calculator's result text, tangent and normal lines, the Derivative window's
// lines per kind, and what the Trace window offers, its points and readouts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "../plot/plot_test_support.h"
#include "formula/compiled_formula.h"
#include "formula/round12.h"
#include "plot/document.h"
#include "plot/new_graph.h"
#include "tools/calculator_tool.h"
#include "tools/derivative_tool.h"
#include "tools/integral_tool.h"
#include "tools/tangent_tool.h"
#include "tools/trace_tool.h"

namespace plotwise {
namespace {

using testing_support::GraphOfKind;

std::string Repeat(const std::string& text, int n) {
    std::string result;
    for (int i = 0; i < n; ++i)
        result += text;
    return result;
}

TEST(IntegrateSimpson, ResultTextsAndEsc) {
    const char* error = "Error at function evaluation";
    const char* tooLarge = "Too large value of the integral";
    // clang-format off
    const struct { IntegralParams params; const char* text; } cases[] = {
        // Exact up to cubics, whatever the interval.
        {{"x*x", "0", 0, 3, 10}, "9"}, {{"x^3-2*x", "0", -1, 2, 10}, "0.75"},
        {{"x^3", "x^2", 0.5L, 7.25L, 13}, "563.7041016"},
        // The order of the formulas sets the sign; the absolute value makes it an area.
        {{"x", "0", 0, 2, 10}, "2"}, {{"0", "x", 0, 2, 10}, "-2"},
        {{"x", "0", -1, 1, 10, true}, "1"}, {{"x", "x*x", -1, 1, 10, true}, "1"},
        {{"x*x", "x", -1, 1, 10, true}, "1"},
        // A pole or a domain limit on a grid point, in either formula and at either end.
        {{"1/x", "0", -1, 1, 10}, error}, {{"0", "1/(x-3)", 0, 3, 10}, error},
        {{"sqrt(x)", "0", -1, 1, 10}, error},
        // Past 1E500 in either direction.
        {{"10^400", "0", -1e100L, 1e100L, 10}, tooLarge},
        {{"0", "10^400", -1e100L, 1e100L, 10}, tooLarge}, {{"10^400", "0", 0, 1, 10}, "1*10^400"},
        {{"10^400", "0", 0, 5e99L, 10}, "5*10^499"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(IntegralResultText(IntegrateSimpson(c.params, nullptr)), c.text)
            << c.params.formula1 << " - " << c.params.formula2;
    }
    // Every point polls for Esc.
    int polls = 0;
    const IntegralParams params{"x", "0", 0, 1, 10};
    EXPECT_EQ(IntegrateSimpson(params, [&polls] { return ++polls < 0; }).outcome,
              IntegralOutcome::Done);
    EXPECT_EQ(polls, 21);
    polls = 0;
    const IntegralResult stopped = IntegrateSimpson(params, [&polls] { return ++polls == 5; });
    EXPECT_EQ(polls, 5);
    EXPECT_EQ(IntegralResultText(stopped), "Calculation interrupted");
}

TEST(CheckIntegralInput, FirstFailure) {
    const std::string range = " must be a number\rfrom -1*10^100 up to 1*10^100";
    const std::string order = "Maximum of X must be more\rthan minimum of X";
    const std::string steps = "The number of steps must be\ran integer from 10 up to 2000";
    using F = IntegralField;
    // clang-format off
    const struct { const char *y1, *y2, *min, *max, *steps; F field; std::string message; } cases[] = {
        {"x", "0", "-10", "10", "200", F::None, ""},
        {"y", "(", "x", "x", "x", F::Formula1, "Error 1: syntax error"},
        {"  ", "(", "x", "x", "x", F::Formula1, "Empty formula"},
        {"x", "(x", "x", "x", "x", F::Formula2, "Error 3: not enough ')' "},
        {"x", " ", "x", "x", "x", F::Formula2, "Empty formula"},
        {"x", "0", "1e5", "x", "x", F::MinX, "Minimum of X" + range},
        {"x", "0", "-2*10^100", "x", "x", F::MinX, "Minimum of X" + range},
        {"x", "0", "-1*10^100", "1*10^100", "10", F::None, ""},
        {"x", "0", "0", "", "x", F::MaxX, "Maximum of X" + range},
        {"x", "0", "5", "5", "x", F::MaxX, order}, {"x", "0", "0", "1", "9", F::StepsNum, steps},
        {"x", "0", "0", "1", "2001", F::StepsNum, steps},
        {"x", "0", "0", "1", "1.5", F::StepsNum, steps}, {"x", "0", "0", "1", " 2000 ", F::None, ""}};
    // clang-format on
    for (const auto& c : cases) {
        const IntegralCheck check = CheckIntegralInput(c.y1, c.y2, c.min, c.max, c.steps, false);
        EXPECT_EQ(check.field, c.field) << c.y1 << " " << c.y2 << " " << c.min << " " << c.steps;
        EXPECT_EQ(check.message, c.message) << c.y1 << " " << c.min << " " << c.steps;
    }
}

TEST(GetResultString, ResultTexts) {
    // clang-format off
    const struct { const char *formula, *name; long double value; const char* text; } cases[] = {
        {"x^2+1", "X", 3, "10"}, {"1/x", "X", 0, "Error"}, {"1/3", "X", 0, "0.3333333333"},
        {"2^40", "X", 0, "1.0995116278*10^12"}, {"1/7*10^(-5)", "X", 0, "1.4285714286*10^(-6)"},
        {"-a", "a", 0.25L, "-0.25"}, {"-x", "a", 0.25L, "Error"}, {"(", "X", 0, "Error"}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(GetResultString(c.formula, c.name, c.value), c.text) << c.formula;
}

TEST(TangentLine, LinesAndFailuresOfEachKind) {
    const std::string tangent = "Error of the determination of the equation of the tangent";
    const std::string normal = "Error of the determination of the equation of the normal";
    const std::string deep = Repeat("sin(", 26) + "x" + Repeat(")", 26);
    // clang-format off
    const struct { GraphRecord graph; long double at; bool normal; const char* formula; std::uint8_t kind; std::string message; } cases[] = {
        {GraphOfKind(kYOfX, "x^2"), 1, true, "-0.5*x+1.5", kYOfX, ""},
        {GraphOfKind(kYOfX, "x^4"), 100, false, "(4*10^6)*x-(3*10^8)", kYOfX, ""},
        {GraphOfKind(kXOfY, "y^2"), 1, false, "2*y-1", kXOfY, ""},
        {GraphOfKind(kXOfY, "y^2"), 1, true, "-0.5*y+1.5", kXOfY, ""},
        {GraphOfKind(kPolarGraph, "1"), 0, false, "0*y+1", kXOfY, ""},
        {GraphOfKind(kPolarGraph, "a"), 0.5, false, "-0.6366198*x+1.5707963", kYOfX, ""},
        {GraphOfKind(kParametric, "cos(t)", "sin(t)"), 0, true, "0*x+0", kYOfX, ""},
        {GraphOfKind(kParametric, "2*t", "-t"), 3, true, "2*x-15", kYOfX, ""},
        // message non-empty: no line.
        {GraphOfKind(kYOfX, deep), 0, false, "", 0, "Too large expression for derivation"},
        {GraphOfKind(kYOfX, "abs(x)"), 1, true, "", 0, "The expression contains nondifferentiable function"},
        {GraphOfKind(kParametric, "t^2", "t^3"), 0, false, "", 0, tangent},
        // A flat point leaves the normal of a Y(x) or X(y) graph without an equation of its form.
        {GraphOfKind(kYOfX, "x^2"), 0, true, "", 0, normal},
        {GraphOfKind(kXOfY, "5"), 7, true, "", 0, normal}};
    // clang-format on
    for (const auto& c : cases) {
        const TangentResult line = TangentLine(c.graph, c.at, c.normal);
        EXPECT_EQ(line.formula, c.formula) << c.message;
        EXPECT_EQ(line.error == 0 ? line.kind : 0, c.kind) << c.formula;
        EXPECT_EQ(line.error == 0 ? "" : TangentErrorText(line.error, c.normal), c.message);
    }
    // The top of the polar unit circle is flat, whatever rounding leaves in the formula.
    const TangentResult top = TangentLine(GraphOfKind(kPolarGraph, "1"), 0.5, false);
    ASSERT_EQ(top.error, 0);
    EXPECT_EQ(top.kind, kYOfX);
    CompiledFormula f;
    ASSERT_EQ(ErrorCode(f.Compile(top.formula, "x")), 0);
    for (const long double x : {-5.0L, 0.0L, 5.0L})
        EXPECT_NEAR(static_cast<double>(f.Calculate(x).value), 1.0, 1e-12) << top.formula;
}

TEST(DeriveGraph, LinesAndMessagesPerKind) {
    // clang-format off
    const struct { GraphRecord graph; const char *formula, *formulaY, *message; } cases[] = {
        {GraphOfKind(kXOfY, "sin(y)"), "cos(y)", "", ""},
        {GraphOfKind(kPolarGraph, "a^3"), "3*a^2", "", ""},
        {GraphOfKind(kParametric, "t", " "), "", "", "Empty formula"},
        {GraphOfKind(kParametric, "abs(t)", "t"), "", "", "The expression contains nondifferentiable function"},
        {GraphOfKind(kParametric, "t", "t" + Repeat("^1", 25)), "", "", "Too large expression for derivation"},
        {GraphOfKind(kYOfX, Repeat("sin(", 24) + "x" + Repeat(")", 24)), "", "", "Too long formula of the derivative"},
        {GraphOfKind(kEquation, "x^2+y^2-1"), "", "", "Cannot calculate derivative for this graph type"}};
    // clang-format on
    for (const auto& c : cases) {
        const GraphDerivative d = DeriveGraph(c.graph);
        EXPECT_EQ(d.message, c.message) << c.graph.Formula().Text();
        EXPECT_EQ(d.formula, c.formula);
        EXPECT_EQ(d.formulaY, c.formulaY);
    }
    // The new graph keeps everything of the old but its formulas.
    GraphRecord param = GraphOfKind(kParametric, "t^2", "exp(t)");
    param.Color = 12;
    param.Interval().Min = -3;
    const GraphRecord record = DerivativeRecord(param, DeriveGraph(param));
    EXPECT_EQ(record.Kind, kParametric);
    EXPECT_EQ(record.Formula().Text(), "2*t");
    EXPECT_EQ(record.FormulaY().Text(), "exp(t)");
    EXPECT_EQ(record.Color, 12);
    EXPECT_EQ(static_cast<long double>(record.Interval().Min), -3);
}

struct SampledDocument {
    Document doc{StandardOptions()};

    // A sampled graph; kinds 0 to 3 over min..max in the given steps.
    Graph& Add(std::uint8_t kind, const std::string& formula, long double min = -1,
               long double max = 1, int steps = 4, const char* formulaY = "t") {
        GraphRecord props = EmptyGraphRecord();
        props.Kind = kind;
        SetNewProps(props, doc.Options);
        props.Formula().SetText(formula);
        if (kind == kParametric) props.FormulaY().SetText(formulaY);
        if (kind <= kParametric) {
            GraphInterval& interval = props.Interval();
            interval.DefaultInterval = interval.DefaultSteps = false;
            interval.Min = min;
            interval.Max = max;
            interval.StepsNum = steps;
        }
        return Sample(doc.AddGraph(props));
    }
    Graph& Sample(Graph& graph) {
        doc.CalculateGraph(graph, doc.Options, 0);
        return graph;
    }
    TracedPoint Point(const Graph& graph, int p) const { return TracePoint(graph, doc.Options, p); }
    std::vector<long double> Xs(const Graph& graph) const {
        std::vector<long double> xs;
        for (int p = 1; p <= SetupTrace(graph, doc.Options).maximum; ++p)
            xs.push_back(Round12(Point(graph, p).x));
        return xs;
    }
};

TEST(SetupTrace, WhatEachGraphOffers) {
    SampledDocument d;
    Graph& changed = d.Add(kYOfX, "x");
    GraphRecord fewer = changed.Record();
    fewer.Interval().StepsNum = 100;  // since sampled: no more points than stored
    const std::vector<long double> values = changed.Values;
    d.doc.ReplaceRecord(d.doc.IndexOf(changed), fewer);
    changed.Values = values;
    const char* impossible = "The tracing is impossible";
    // clang-format off
    const struct { const Graph* graph; int maximum; const char* message; bool argument, radius; } cases[] = {  // maximum 0: disabled
        {&d.Add(kYOfX, "x"), 5, "", false, false},
        {&d.Add(kXOfY, "y", 0.3L, 1.3L), 4, "", false, false},  // the last sample is past the end
        {&d.Add(kPolarGraph, "1"), 5, "", true, true},
        {&d.Add(kParametric, "t"), 5, "", true, false}, {&changed, 5, "", false, false},
        {&d.Add(kYOfX, " "), 0, "There are no values", false, false},
        {&d.Add(kYOfX, "x", -30, -20), 0, "There are no values", false, false},
        {&d.Add(kEquation, "x*x+y*y-1"), 0, impossible, false, false},
        {&d.Add(kSlopeField, "x"), 0, impossible, false, false},
        {&d.Sample(d.doc.AddGraph(GraphOfKind(kTable))), 0, "The table is empty", false, false}};
    // clang-format on
    for (const auto& c : cases) {
        const TraceSetup s = SetupTrace(*c.graph, d.doc.Options);
        const auto name = &c - cases;
        EXPECT_EQ(s.enabled, c.maximum > 0) << name;
        EXPECT_EQ(s.maximum, c.maximum) << name;
        EXPECT_EQ(s.message, c.message) << name;
        EXPECT_EQ(s.showArgument, c.argument) << name;
        EXPECT_EQ(s.showRadius, c.radius) << name;
    }
}

TEST(TracePoint, ArgumentsAxesAndReadouts) {
    SampledDocument d;
    using V = std::vector<long double>;
    EXPECT_EQ(d.Xs(d.Add(kYOfX, "x", 0.3L, 1.3L)), V({0.5L, 0.75L, 1, 1.25L}));
    // The middle of the standard view shows as 0, not as what 100 added steps leave.
    EXPECT_EQ(d.Point(d.Add(kYOfX, "x", -10, 10, 200), 101).x, 0);
    d.doc.Options.PointsAlign = false;
    EXPECT_EQ(d.Xs(d.Add(kYOfX, "x", 0.3L, 1.3L)), V({0.3L, 0.55L, 0.8L, 1.05L, 1.3L}));
    // Tables: the complete rows, in drawing order (sorted by X); Y in axis units.
    d.doc.Options.CoeffY = 4;
    Graph& t =
        d.Sample(d.doc.AddGraph(testing_support::TableOf({{3, 1}, {1, 5}, {7, kNoPoint}, {2, 0}})));
    EXPECT_EQ(d.Xs(t), V({1, 2, 3}));
    EXPECT_EQ(d.Point(t, 1).y, 1.25L);
    // The formulas see x = 2 s; the readout shows axis values.
    d.doc.Options.CoeffX = 2;
    EXPECT_EQ(d.Point(d.Add(kYOfX, "x"), 5).y, 0.5L);
    EXPECT_EQ(d.Point(d.Add(kXOfY, "3*y"), 1).x, -6);
    const TracedPoint p = d.Point(d.Add(kParametric, "8", -1, 1, 4, "8"), 1);
    EXPECT_EQ(p.x, 4);
    EXPECT_EQ(p.y, 2);

    SampledDocument log;  // a view of 10^-2 .. 10^3
    log.doc.Options.LogX = true;
    log.doc.Options.MinX = -2;
    log.doc.Options.MaxX = 3;
    Graph& g = log.Add(kYOfX, "x", -2, 3, 5);
    EXPECT_EQ(Round12(log.Point(g, 1).x), 0.01L);
    EXPECT_EQ(Round12(log.Point(g, 1).y), 0.01L);
    EXPECT_EQ(Round12(log.Point(g, 6).x), 1000);

    SampledDocument plain;
    const auto texts = [&plain](const Graph& g, int p) {
        const TraceTexts r = TraceReadout(g.Record().Kind, plain.Point(g, p));
        return r.x + "|" + r.y + "|" + r.argument + "|" + r.radius;
    };
    EXPECT_EQ(texts(plain.Add(kPolarGraph, "ln(a)", 0, 1), 1), "X: Error|Y: Error|A=0 Pi|R: Error");
    EXPECT_EQ(texts(plain.Add(kParametric, "t", 0, 4, 2, "1/(t-2)"), 2), "X=2|Y: Error|T=2|");
}

TEST(TracePoint, PolarRadiusKeepsTheFormulasSign) {
    // About a quarter turn the cosine is nearly 0, and a recomputed angle may give it the
    // other sign than the sampled one.
    for (const long double r : {1.0L, -1.0L, -2.5L}) {
        SampledDocument d;
        Graph& g = d.Add(kPolarGraph, std::to_string(static_cast<double>(r)), -1, 1, 200);
        for (int p = 1; p <= 201; ++p) {
            const TracedPoint point = d.Point(g, p);
            ASSERT_EQ(Round12(point.radius), r) << "A=" << point.argument;
        }
    }
}

}  // namespace
}  // namespace plotwise
