// The Calculus tools without their windows: function analysis, integral, tangent, derivative,
// trace and regression, with their checks, results, texts and interruption.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "../plot/plot_test_support.h"
#include "formula/compiled_formula.h"
#include "formula/number_input.h"
#include "formula/round12.h"
#include "plot/document.h"
#include "plot/new_graph.h"
#include "tools/derivative_tool.h"
#include "tools/function_analysis.h"
#include "tools/integral_tool.h"
#include "tools/intersection_tool.h"
#include "tools/regression_tool.h"
#include "tools/tangent_tool.h"
#include "tools/trace_tool.h"

namespace plotwise {
namespace {

AnalysisParams Params(long double minX, long double maxX, int steps = 200, int digits = 2,
                      bool useDerivative = false) {
    return {minX, maxX, true, true, digits, steps, useDerivative};
}

// The zeros, then the extremums: "-1 1 | min 0 -1".
std::string Found(const FunctionAnalysis& analysis) {
    std::string text;
    for (const std::string& x : analysis.Zeros())
        text += x + " ";
    for (const ExtremumRow& row : analysis.Extremums())
        text += (row.isMax ? "| max " : "| min ") + row.x + " " + row.y + " ";
    return text;
}

std::string Nested(const char* function, int depth, std::string text = "x") {
    for (int i = 0; i < depth; ++i)
        text = function + ("(" + text + ")");
    return text;
}

// The dialog's order and messages are tested through the dialog; these are the edges.
TEST(CheckAnalysisInput, Edges) {
    const std::string deep = Nested("sin", 26);
    using F = AnalysisField;
    // clang-format off
    const struct { AnalysisInput input; AnalysisField field; } cases[] = {
        {{"x", "-1.1*10^100", "10", "200", "2"}, F::MinX},
        {{"x", "0", "1", "20001", "2"}, F::StepsNum}, {{"x", "0", "1", "150.0", "2"}, F::StepsNum},
        {{"x", "0", "1", "200", "-1"}, F::DigitsNum},
        {{deep, "0", "1", "200", "2", true, true, true}, F::UseDerivative},
        {{deep, "0", "1", "200", "2", true, false, true}, F::None},  // only extremums use it
        {{"x", "-1*10^100", " 1*10^100 ", " 20000 ", "5"}, F::None}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(CheckAnalysisInput(c.input).field, c.field) << c.input.formula;
    EXPECT_EQ(CheckAnalysisInput(cases[4].input).message,
              "It is impossible to calculate extremums with\rthe help of analytically obtained "
              "derivative\ras the formula is too long for derivation");
    // Bounds are kept as the field shows them: 8 significant digits.
    EXPECT_EQ(CheckAnalysisInput({"x", "0", "123456789", "200", "2"}).params.MaxX, 123456790.0L);
    EXPECT_EQ(AnalysisDerivativeLine(Nested("exp", 26)), "Too large expression for derivation");
}

TEST(FunctionAnalysis, KnownZerosAndExtremums) {
    const std::string sin = "-9.42 -6.28 -3.14 0 3.14 6.28 9.42 ";
    const std::string sinExtremums =
        "| min -7.85 -1 | max -4.71 1 | min -1.57 -1 | max 1.57 1 | min 4.71 -1 | max 7.85 1 ";
    const std::string quintic =
        "-2 -1 0 1 2 | max -1.6444 3.6314 | min -0.5439 -1.4187 | max 0.5439 1.4187 | min 1.6444 "
        "-3.6314 ";
    const std::string wave =
        "-2.356 -1.964 -0.393 0.785 1.178 2.749 | max -2.156 0.149 | min -1.098 -1.879 | max 0.113 "
        "1.056 | min 0.985 -0.149 | max 2.044 1.879 ";
    // clang-format off
    const struct { const char* formula; AnalysisParams params; std::string rows; } cases[] = {
        // Roots and the minimum exactly on grid points are reported once.
        {"x*x-1", Params(-4, 4, 128), "-1 1 | min 0 -1 "},
        {"x*x-1", Params(-4, 4, 128, 2, true), "-1 1 | min 0 -1 "},
        {"(x-1)*(x+2)*(x-3)", Params(-10, 10), "-2 1 3 | max -0.79 8.21 | min 2.12 -4.06 "},
        {"sin(x)", Params(-10, 10), sin + sinExtremums},
        {"sin(x)", Params(-10, 10, 200, 2, true), sin + sinExtremums},
        {"x*exp(-x^2)", Params(-3, 3, 100, 3), "0 | min -0.707 -0.429 | max 0.707 0.429 "},
        // Sign changes across poles are no zeros.
        {"tan(x)", Params(-10, 10, 200, 2, true), sin}, {"1/x", Params(-10, 10, 200, 2, true), ""},
        {"1/(x-0.05)", Params(-10, 10, 200, 2, true), ""}, {"x", Params(-4, 4, 128), "0 "},
        // A root at the left end has no point before it; at the right end it is found.
        {"x", Params(0, 8), ""}, {"x", Params(-8, 0, 128), "0 "},
        // The derivative touches 0 at a grid point without changing its sign.
        {"x^3", Params(-4, 4, 128), "0 "}, {"x^3", Params(-4, 4, 128, 2, true), "0 "},
        // A plateau is no extremum.
        {"abs(x-1)+abs(x+1)", Params(-5, 5), ""}, {"int(x/3)", Params(-10, 10), ""},
        // Undefined left of 0: the chain starts at the first point with a value.
        {"sqrt(x)-1", Params(-10, 10), "1 "},
        {"x*x-2", Params(-10, 10, 200, 5), "-1.41421 1.41421 | min 0 -2 "},
        {"x*x-2", Params(-10, 10, 200, 0), "-1 1 | min 0 -2 "},
        // Both scans agree.
        {"x^5-5*x^3+4*x", Params(-10, 10, 200, 4), quintic},
        {"x^5-5*x^3+4*x", Params(-10, 10, 200, 4, true), quintic},
        {"cos(3*x)+sin(x)", Params(-3, 3, 200, 3), wave},
        {"cos(3*x)+sin(x)", Params(-3, 3, 200, 3, true), wave},
        {"1/(1+x^2)", Params(-10, 10, 200, 1, true), "| max 0 1 "}};
    // clang-format on
    for (const auto& c : cases) {
        FunctionAnalysis analysis(c.formula, c.params);
        analysis.Run(nullptr);
        EXPECT_EQ(Found(analysis), c.rows) << c.formula << (c.params.UseDerivative ? " D" : "");
    }
}

TEST(FunctionAnalysis, RowsAreRoundedRepeatsDroppedAndAtMost2000Kept) {
    FunctionAnalysis analysis("x", Params(-10, 10));
    for (long double x : {-0.001L, 0.004L, 0.125L, -0.125L, 0.125L, 2.0L, 0.13L})
        analysis.AddZeroRow(x);
    analysis.AddExtremumRow(false, 1, -0.001L);
    analysis.AddExtremumRow(true, 1.004L, 5);  // the same X: dropped
    analysis.AddExtremumRow(true, 2.5L, 1234567.891L);
    // -0.001 shows as 0, not -0; 0.004 repeats it; halves round away from 0; only a repeat
    // of the row just before is dropped.
    EXPECT_EQ(Found(analysis) + analysis.ZeroesCaption() + ", " + analysis.ExtremumsCaption(),
              "0 0.13 -0.13 0.13 2 0.13 | min 1 0 | max 2.5 1.2345679*10^6 Zeroes of function: 6, "
              "Extremums: 2");

    // Over 6000 zeros and extremums: the scans go on, the tables stay full.
    FunctionAnalysis many("sin(1000*x)", Params(-10, 10, 20000));
    many.Run(nullptr);
    many.AddZeroRow(1e6L);
    EXPECT_EQ(std::make_tuple(many.Zeros().size(), many.ZeroesCaption(), many.Extremums().size(),
                              many.ExtremumsCaption()),
              std::make_tuple(2000u, "Zeroes of function: 2000", 2000u, "Extremums: 2000"));
}

TEST(FunctionAnalysis, EscStopsOneScanAndWhatWasFoundStays) {
    FunctionAnalysis late("sin(x)", Params(-10, 10, 200, 2, true));
    int polls = 0;
    late.Run([&polls](int) { return ++polls == 15; });
    EXPECT_EQ(
        std::make_tuple(late.ZeroesCaption(), late.ExtremumsCaption(), late.BuildReport().back()),
        std::make_tuple("Zeroes of function: 7", "Extremums: 3 (interrupted)",
                        "min  -1.57              -1                 "));
}

// Crossings as "x y", touching points as "t x y"; the X axis is the empty second formula.
TEST(Intersections, KnownPointsTouchesPolesAndNone) {
    const struct {
        const char* first;
        const char* second;
        long double min, max;
        const char* found;
    } cases[] = {
        {"x^2", "x+2", -10, 10, "-1 1 2 4 "},
        {"x^3-x", "", -10, 10, "-1 0 0 0 1 0 "},
        {"sin(x)", "cos(x)", -7, 7, "-5.5 0.71 -2.36 -0.71 0.79 0.71 3.93 -0.71 "},
        {"x^2", "", -10, 10, "t 0 0 "},                // touches the axis
        {"x^2+1", "2*x", -10, 10, "t 1 2 "},           // tangent line
        {"sin(x)", "1", 0, 10, "t 1.57 1 t 7.85 1 "},  // touches twice
        {"1/x", "-1/x", -10, 10, ""},                  // a pair of poles only
        {"tan(x)", "0", -1, 1, "0 0 "},                // the pole guard leaves the zero
        {"x^2+1", "", -10, 10, ""},                    // none
        {"ln(x)", "x-1", -10, 10, "t 1 0 "},           // a value only from 0 on
    };
    for (const auto& c : cases) {
        Intersections found(c.first, c.second, Params(c.min, c.max));
        found.Run(nullptr);
        std::string text;
        for (const IntersectionRow& row : found.Rows())
            text += (row.touching ? "t " : "") + row.x + " " + row.y + " ";
        EXPECT_EQ(text, c.found) << c.first << " and " << c.second;
        EXPECT_EQ(found.Caption(), found.Rows().empty()
                                       ? "Intersections: none"
                                       : "Intersections: " + std::to_string(found.Rows().size()));
    }
    // Against X(y)=y^2: where x = (x^2)^2, with Y from the Y(x) graph.
    Intersections ofY("x^2", "y^2", Params(-2, 2), true);
    ofY.Run(nullptr);
    ASSERT_EQ(ofY.Rows().size(), 2u);
    EXPECT_EQ(ofY.Rows()[1].x + " " + ofY.Rows()[1].y + " " + ofY.TitleLines()[1],
              "1 1 and X(y)=y^2");
    // Interruption keeps what was found and says so; the report lists the rows.
    Intersections sine("sin(x)", "", Params(-100, 100, 20000));
    sine.Run([](int percent) { return percent >= 50; });
    EXPECT_EQ(sine.Caption(), "Intersections: 31 (interrupted)");
    const std::vector<std::string> report = sine.BuildReport();
    ASSERT_EQ(report.size(), 9u + 31u);
    EXPECT_EQ(report[1], "and the X axis");
    EXPECT_EQ(report[9], "      -97.39             0                  ");
}

TEST(CheckIntersectionInput, ReadsTheScanFieldsAsAnalyseFunction) {
    AnalysisInput input{"", "pi", "1", "100", "5"};
    EXPECT_EQ(CheckIntersectionInput(input, Notation::Everyday).field, AnalysisField::MaxX);
    input.maxX = "2pi";
    const IntersectionCheck check = CheckIntersectionInput(input, Notation::Everyday);
    EXPECT_EQ(check.field, AnalysisField::None);
    EXPECT_NEAR(check.params.MaxX, 6.2831853L, 1e-15L);
    input.digitsNum = "6";
    EXPECT_EQ(CheckIntersectionInput(input, Notation::Everyday).message,
              "Decimal signs number must be\ran integer from 0 up to 5");
}

TEST(FunctionAnalysis, RefinementsEndWhereNumbersRunOut) {
    PostfixFunction parabola, pole, log;
    ASSERT_TRUE(parabola.CompileFormula("(x-9.90000005*10^99)^2") && pole.CompileFormula("1/x") &&
                log.CompileFormula("ln(x)"));
    bool failed = true;
    // Near 10^100 the numbers lie 9.5*10^80 apart, more than the tolerance of this interval,
    // 10^-12 of its width: probes eps apart would coincide. The subtraction in the formula
    // tells points apart to 12 digits.
    const long double left = StrToNum("9.9*10^99");
    const long double right = StrToNum("9.9000001*10^99");
    const long double eps = AnalysisTolerance(5, left, right);
    ASSERT_LT(eps, 9e80L);
    const long double c = StrToNum("9.90000005*10^99");
    for (long double end : {right, c + (right - c) / 7}) {
        EXPECT_LT(std::fabs(RefineExtremum(parabola, left, end, eps, failed) - c), 1e88L);
        EXPECT_FALSE(failed);
    }
    BisectRoot(pole, -1, 1, 1e-3L, failed);  // meets x = 0
    EXPECT_TRUE(failed);
    EXPECT_TRUE((RefineExtremum(log, -1, 1, 1e-3L, failed), failed));

    // Whole analyses there end, and find no flood of rows where the numbers run out.
    for (bool derivative : {false, true}) {
        FunctionAnalysis near("(x-9.90000005*10^99)^3-(x-9.90000005*10^99)",
                              Params(left, right, 20000, 5, derivative));
        near.Run(nullptr);
        EXPECT_EQ(near.Zeros(), std::vector<std::string>{"9.9000001*10^99"});
        for (const char* formula : {"x*x-1", "x^3-x", "1/x"}) {
            FunctionAnalysis wide(formula, Params(-1e100L, 1e100L, 20000, 5, derivative));
            wide.Run(nullptr);
            EXPECT_LE(wide.Zeros().size() + wide.Extremums().size(), 2u) << formula;
        }
    }
}

using testing_support::GraphOfKind;

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
    // Every point polls for Esc, and the first press stops the rule.
    for (const int escAt : {0, 5}) {
        int polls = 0;
        const IntegralResult r =
            IntegrateSimpson({"x", "0", 0, 1, 10}, [&] { return ++polls == escAt; });
        EXPECT_EQ(
            std::make_pair(polls, IntegralResultText(r)),
            std::make_pair(escAt ? 5 : 21, std::string(escAt ? "Calculation interrupted" : "0.5")));
    }
    // The shaded band: both curves on at least 401 points of the interval, gaps where none.
    const std::vector<ShadeSample> band = IntegralBand({"x^2", "1/x", -1, 3, 10});
    ASSERT_EQ(band.size(), 401u);
    EXPECT_EQ(std::make_tuple(band[0].x, band[0].y1, band[0].y2),
              std::make_tuple(-1.0L, 1.0L, -1.0L));
    EXPECT_EQ(std::make_tuple(band[400].x, band[400].y1), std::make_tuple(3.0L, 9.0L));
    EXPECT_TRUE(std::isnan(band[100].y2));  // x = 0
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
        EXPECT_EQ(std::tie(check.field, check.message), std::tie(c.field, c.message))
            << c.y1 << " " << c.y2 << " " << c.min << " " << c.max << " " << c.steps;
    }
}

TEST(TangentLine, LinesAndFailuresOfEachKind) {
    const std::string tangent = "Error of the determination of the equation of the tangent";
    const std::string normal = "Error of the determination of the equation of the normal";
    const std::string deep = Nested("sin", 26);
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
    ASSERT_EQ(std::make_pair(top.error, int(top.kind)), std::make_pair(0, int(kYOfX)));
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
        {GraphOfKind(kParametric, "t", Nested("sin", 26, "t")), "", "", "Too large expression for derivation"},
        {GraphOfKind(kYOfX, Nested("sin", 24)), "", "", "Too long formula of the derivative"},
        {GraphOfKind(kEquation, "x^2+y^2-1"), "", "", "Cannot calculate derivative for this graph type"}};
    // clang-format on
    for (const auto& c : cases) {
        const GraphDerivative d = DeriveGraph(c.graph);
        EXPECT_EQ(std::tie(d.message, d.formula, d.formulaY),
                  std::make_tuple(c.message, c.formula, c.formulaY));
    }
    // The new graph keeps everything of the old but its formulas (the window's test checks
    // the style).
    GraphRecord param = GraphOfKind(kParametric, "t^2", "exp(t)");
    param.Interval().Min = -3;
    const GraphRecord record = DerivativeRecord(param, DeriveGraph(param));
    EXPECT_EQ(std::make_tuple(record.Formula().Text(), record.FormulaY().Text(),
                              static_cast<long double>(record.Interval().Min)),
              std::make_tuple("2*t", "exp(t)", -3.0L));
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
    const auto first = [&d](const Graph& g) {  // the readout of the first point
        const TraceTexts r = TraceReadout(g.Record().Kind, d.Point(g, 1));
        return r.x + "|" + r.y + "|" + r.argument + "|" + r.radius;
    };
    // clang-format off
    const struct { const Graph* graph; int maximum; const char* message; bool argument, radius; const char* first; } cases[] = {
        {&d.Add(kYOfX, "x"), 5, "", false, false, "X=-1|Y=-1||"},
        {&d.Add(kXOfY, "y", 0.3L, 1.3L), 4, "", false, false, "X=0.5|Y=0.5||"},  // the last sample is past the end
        {&d.Add(kPolarGraph, "1", 0, 1), 5, "", true, true, "X=1|Y=0|A=0 Pi|R=1"},
        {&d.Add(kParametric, "t"), 5, "", true, false, "X=-1|Y=-1|T=-1|"},
        {&d.Add(kPolarGraph, "ln(a)", 0, 1), 5, "", true, true, "X: Error|Y: Error|A=0 Pi|R: Error"},
        {&d.Add(kParametric, "t", 2, 4, 2, "1/(t-2)"), 3, "", true, false, "X=2|Y: Error|T=2|"},
        {&changed, 5, "", false, false, "X=-1|Y=-1||"},
        {&d.Add(kYOfX, " "), 0, "There are no values", false, false, ""},
        {&d.Add(kYOfX, "x", -30, -20), 0, "There are no values", false, false, ""},
        {&d.Add(kEquation, "x*x+y*y-1"), 0, impossible, false, false, ""},
        {&d.Add(kSlopeField, "x"), 0, impossible, false, false, ""},
        {&d.Sample(d.doc.AddGraph(GraphOfKind(kTable))), 0, "The table is empty", false, false, ""}};
    // clang-format on
    for (const auto& c : cases) {  // maximum 0: the scroll bar is disabled
        const TraceSetup s = SetupTrace(*c.graph, d.doc.Options);
        EXPECT_EQ(
            std::make_tuple(s.enabled, s.maximum, s.message, s.showArgument, s.showRadius,
                            s.maximum > 0 ? first(*c.graph) : ""),
            std::make_tuple(c.maximum > 0, c.maximum, c.message, c.argument, c.radius, c.first))
            << &c - cases;
    }
}

// By value: the point whose X, Y, A or T lies nearest; by pixel: the point drawn nearest.
TEST(NearestTracePoint, ByValueOnEveryTraceableKindAndByPixel) {
    SampledDocument d;
    const struct {
        const Graph* graph;
        const char* name;
        long double value;
        int point;
    } cases[] = {
        {&d.Add(kYOfX, "x^2"), "X", 0.2L, 3},  // -1 -0.5 0 0.5 1
        {&d.Add(kYOfX, "x^2"), "X", 0.3L, 4},
        {&d.Add(kXOfY, "y", -1, 1), "Y", 0.8L, 5},
        {&d.Add(kPolarGraph, "1", 0, 1), "A", 0.6L, 3},  // 0 .. 1 Pi in quarters
        {&d.Add(kParametric, "t"), "T", -2, 1},
        {&d.Add(kYOfX, "x"), "X", 5, 5},
        {&d.Sample(d.doc.AddGraph(testing_support::TableOf({{3, 1}, {1, 5}, {2, 0}}))), "X", 2.4L,
         2},
    };
    for (const auto& c : cases) {
        const int maximum = SetupTrace(*c.graph, d.doc.Options).maximum;
        EXPECT_EQ(TraceArgumentName(c.graph->Record().Kind), c.name);
        EXPECT_EQ(NearestTracePoint(*c.graph, d.doc.Options, maximum, c.value), c.point)
            << &c - cases;
    }
    d.doc.ClientRect = {0, 0, 400, 300};
    const Graph& line = *cases[5].graph;
    const ScreenMapping map = d.doc.ScreenMap();
    EXPECT_EQ(NearestTracePixel(line, d.doc, 5, map.X(0.6L) + 3, map.Y(0.4L)), 4);  // (0.5, 0.5)
    EXPECT_EQ(NearestTracePixel(line, d.doc, 5, map.X(-9), map.Y(9)), 1);
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
    EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(4.0L, 2.0L));

    SampledDocument log;  // a view of 10^-2 .. 10^3
    log.doc.Options.LogX = true;
    log.doc.Options.MinX = -2;
    log.doc.Options.MaxX = 3;
    Graph& g = log.Add(kYOfX, "x", -2, 3, 5);
    EXPECT_EQ(Round12(log.Point(g, 1).x), 0.01L);
    EXPECT_EQ(Round12(log.Point(g, 1).y), 0.01L);
    EXPECT_EQ(Round12(log.Point(g, 6).x), 1000);

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

using Rows = std::vector<std::pair<long double, long double>>;
using Model = long double (*)(long double);

GraphRecord Table(const Rows& rows, std::uint8_t sortType = 2) {
    GraphRecord props = testing_support::TableOf(rows);
    props.SortType = sortType;
    return props;
}

GraphRecord Sampled(Model f, int count) {
    Rows rows;
    for (int k = 1; k <= count; ++k)
        rows.push_back({k * 0.5L, f(k * 0.5L)});
    return Table(rows);
}

TEST(Regression, EachFamilyRecoversItsModelAndABestFitFindsIt) {
    // clang-format off
    const struct { int family; Model model; const char* formula; int best; } cases[] = {  // best -1: a tie
        {kLinear, [](long double x) { return 2 * x + 1; }, "2*x+1", -1},
        {kHyperbolic, [](long double x) { return 3 / x - 2; }, "3/x-2", kHyperbolic},
        {kLogarithmic, [](long double x) { return -2 * std::log(x) + 0.25L; }, "-2*ln(x)+0.25", kLogarithmic},
        {kPowerLaw, [](long double x) { return 3 / std::sqrt(x); }, "3*x^(-0.5)", kPowerLaw},
        {kExponential, [](long double x) { return 2 * std::exp(-0.5L * x); }, "2*exp(-0.5*x)", kExponential},
        {kExponentialII, [](long double x) { return 3 * std::pow(2.0L, x); }, "3*2^x", -1},
        {kPolynomial, [](long double x) { return 2 * x * x - 3 * x + 0.5L; }, "2*x^2-3*x+0.5", kPolynomial}};
    // clang-format on
    for (const auto& c : cases) {
        const RegressionDisplay d = RecomputeRegression(Sampled(c.model, 12), c.family, 2);
        EXPECT_EQ(std::tie(d.fitted, d.formula, d.rSquared),
                  std::make_tuple(true, std::string(c.formula), std::string("R^2=1")));
        const auto points = RegressionPointSet(Sampled(c.model, 12));
        RegressionFit fit;
        ASSERT_TRUE(FitModel(points, c.family, 2, fit));
        EXPECT_LT(RegressionRms(points, fit), 1e-15L) << c.formula;
        ASSERT_TRUE(FitBest(RegressionPointSet(Sampled(c.model, 30)), fit));
        EXPECT_EQ(c.best < 0 ? -1 : fit.family, c.best) << RegressionFormulaText(fit);
        // Higher degrees fit as well, up to rounding.
        EXPECT_GE(fit.degree, c.best == kPolynomial ? 2 : 0) << RegressionFormulaText(fit);
    }
}

TEST(Regression, FailuresAndEdges) {
    const RegressionDisplay notEnough{false, "", kNotEnoughNumbers, ""};
    const RegressionDisplay dataError{false, "", kRegressionDataError, ""};
    // clang-format off
    const struct { Rows rows; int family; RegressionDisplay shown; } cases[] = {
        {{{1, 1}, {1, 2}}, kLinear, notEnough}, {{{2, 1}}, kBestFit, notEnough},
        {{{0, 1}, {1, 2}, {2, 4}}, kHyperbolic, dataError},
        {{{0, 1}, {1, 2}, {2, 4}}, kLogarithmic, dataError},
        {{{1, -1}, {2, 2}}, kExponential, dataError},
        {{{1, 5}, {2, 5}, {3, 5}}, kPolynomial, {true, "0*x^2+0*x+5", "Root-mean-square deviation=0", "R^2=Error"}},
        // e^slope beyond the representable is no coefficient to write.
        {{{0, 1}, {0.001L, 1e10L}}, kExponentialII, dataError}};
    // clang-format on
    for (const auto& c : cases) {
        const RegressionDisplay d = RecomputeRegression(Table(c.rows), c.family, 2);
        EXPECT_EQ(std::tie(d.fitted, d.formula, d.deviation, d.rSquared),
                  std::tie(c.shown.fitted, c.shown.formula, c.shown.deviation, c.shown.rSquared));
    }
}

TEST(Regression, PointSetIgnoresSortingAndDegreeFallsToTheDistinctXLessOne) {
    GraphRecord table = Table({{3, 1}, {1, 5}, {2, 0}, {1, 7}}, 1);
    table.Body.Table[10].X = 9;  // Y empty: not a point
    const auto points = RegressionPointSet(table);
    std::vector<long double> xs;
    for (const auto& p : points)
        if (p.valid) xs.push_back(p.x);
    EXPECT_EQ(xs, std::vector<long double>({1, 1, 2, 3}));
    EXPECT_EQ(DistinctXCount(points), 3);
    EXPECT_EQ(table.SortType, 1);

    // A repeated X is fitted but not counted: degree 9 becomes 2 on three distinct X.
    RegressionFit fit;
    ASSERT_TRUE(FitModel(RegressionPointSet(Table({{1, 2}, {2, 8}, {3, 18}, {3, 18}})), kPolynomial,
                         9, fit));
    EXPECT_EQ(fit.degree, 2);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(static_cast<double>(fit.c[k]), k == 2 ? 2 : 0, 1e-12) << k;
    const std::string text = RegressionFormulaText(fit);
    EXPECT_EQ(text.rfind("2*x^2", 0), 0u) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), 'x'), 2) << text;
}

TEST(Regression, FormulaTexts) {
    // clang-format off
    const struct { RegressionFit fit; const char* text; } cases[] = {
        {{kPolynomial, 3, 0, 0, {-2.5e-8L, 15000000, 0, -1}}, "-1*x^3+0*x^2+(1.5*10^7)*x-(2.5*10^(-8))"},
        {{kLinear, 0, -3, -2e7L}, "-3*x-(2*10^7)"}, {{kHyperbolic, 0, 1e-4L, 0}, "(1*10^(-4))/x+0"},
        {{kPowerLaw, 0, 2, 1.5L}, "2*x^1.5"},
        {{kExponential, 0, 0.5L, -2e-5L}, "0.5*exp(-(2*10^(-5))*x)"},
        {{kExponentialII, 0, 4, 0.25L}, "4*0.25^x"}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RegressionFormulaText(c.fit), c.text);
}

}  // namespace
}  // namespace plotwise
