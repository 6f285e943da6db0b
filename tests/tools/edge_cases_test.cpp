// The tools at the edges: poles and jumps are no extremums, rounding residue is 0, the grid's
// own arguments are exact, and derivative texts keep their digits. Each table holds the
// ordinary neighbours that must not change beside the edge cases.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "../plot/plot_test_support.h"
#include "formula/compiled_formula.h"
#include "plot/document.h"
#include "tools/derivative_tool.h"
#include "tools/function_analysis.h"
#include "tools/integral_tool.h"
#include "tools/regression_tool.h"
#include "tools/tangent_tool.h"
#include "tools/trace_tool.h"

namespace plotwise {
namespace {

using testing_support::GraphOfKind;
using testing_support::TableOf;
using Strings = std::vector<std::string>;

TEST(EdgeCases, PolesAndJumpsAreNoExtremums) {
    // Both scans agree; abs and frac are scanned without a derivative only.
    // clang-format off
    const struct { const char* formula; long double min, max; int digits; Strings extremums; } cases[] = {
        {"tan(x)", -2, 2, 3, {}}, {"1/x", -10, 10, 2, {}}, {"1/(x-0.05)", -10, 10, 2, {}},
        {"x/(x^2-1)", -10, 10, 2, {}},
        {"1/x^2", -1, 1.05L, 2, {}},  // the grid misses the pole
        {"1/x^2", -1, 1, 2, {}},      // the grid meets it
        {"ln(x^2)", -1, 1.05L, 2, {}}, {"x+1/x", -3, 3, 2, {"max -1 -2", "min 1 2"}},
        {"x^3-3*x", -3, 3, 3, {"max -1 2", "min 1 -2"}}, {"1/(x^2+1)", -5, 5.3L, 2, {"max 0 1"}},
        {"abs(x-0.33)", -1, 1, 2, {"min 0.33 0"}}, {"frac(x)", -2, 2, 2, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        for (const bool derivative : {false, true}) {
            if (derivative && (c.formula[0] == 'a' || c.formula[0] == 'f')) continue;
            FunctionAnalysis analysis(c.formula,
                                      {c.min, c.max, true, true, c.digits, 200, derivative});
            analysis.Run({});
            Strings found;
            for (const ExtremumRow& row : analysis.Extremums())
                found.push_back((row.isMax ? "max " : "min ") + row.x + " " + row.y);
            EXPECT_EQ(found, c.extremums) << c.formula << (derivative ? " by derivative" : "");
        }
    }
}

TEST(EdgeCases, TangentsCarryNoResidue) {
    // clang-format off
    const struct { GraphRecord graph; long double at; bool normal; const char* line; } cases[] = {
        {GraphOfKind(kPolarGraph, "2"), 0.5L, false, "0*x+2"},
        {GraphOfKind(kPolarGraph, "1"), 0.5L, false, "0*x+1"},
        {GraphOfKind(kPolarGraph, "6*cos(3*a)"), 2, true, "0*x+0"},
        {GraphOfKind(kParametric, "cos(t)", "sin(t)"), 0, false, "0*y+1"},
        {GraphOfKind(kYOfX, "10^(-9)*x"), 1, false, "(1*10^(-9))*x+0"},
        {GraphOfKind(kPolarGraph, "a"), 0.25L, false, "8.3195847*x-4.0650073"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const TangentResult line = TangentLine(c.graph, c.at, c.normal);
        EXPECT_EQ(line.error, 0) << c.graph.Formula().Text();
        EXPECT_EQ(line.formula, c.line) << c.graph.Formula().Text() << " at " << double(c.at);
    }
}

TEST(EdgeCases, IntegralsThatCancelAreZero) {
    // clang-format off
    const struct { const char* formula; long double min, max; const char* result; } cases[] = {
        {"x", -10, 10, "0"}, {"x", -1, 1, "0"}, {"sin(x)", -3.1415927L, 3.1415927L, "0"},
        {"x^3", 0, 1e-3L, "2.5*10^(-13)"},
    };
    // clang-format on
    for (const auto& c : cases) {
        IntegralParams p{c.formula, "0", c.min, c.max, 200, false};
        EXPECT_EQ(IntegralResultText(IntegrateSimpson(p, {})), c.result) << c.formula;
    }
}

TEST(EdgeCases, RegressionDropsResidueTermsAndPrefersTheSimplestFit) {
    std::vector<std::pair<long double, long double>> square, cubic, quadratic, steep;
    for (int i = 1; i <= 10; ++i) {
        const long double x = i - 5;
        square.emplace_back(i, i * i);
        cubic.emplace_back(x, x * x * x - 2 * x);
        quadratic.emplace_back(i, 1e-8L * i * i * i + i);
        steep.emplace_back(std::pow(10.0L, 20 * (i % 5)), 3 * std::pow(10.0L, 20 * (i % 5)) + 2);
    }
    // clang-format off
    const struct { GraphRecord table; int family, power; const char* formula; } cases[] = {
        {TableOf(square), kPolynomial, 2, "1*x^2+0*x+0"}, {TableOf(square), kBestFit, 2, "1*x^2"},
        {TableOf(cubic), kBestFit, 2, "1*x^3+0*x^2-2*x+0"},
        {TableOf(quadratic), kPolynomial, 3, "(1*10^(-8))*x^3+0*x^2+1*x+0"},
        {TableOf(steep), kBestFit, 2, "3*x+0"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RecomputeRegression(c.table, c.family, c.power).formula, c.formula);
}

TEST(EdgeCases, GridArgumentsAreTheGridsOwnNumbers) {
    Document doc(StandardOptions());
    Graph& graph = doc.AddGraph(GraphOfKind(kYOfX, "1/x"));
    doc.CalculateGraph(graph, doc.Options, 0);
    EXPECT_EQ(graph.Value(101), kNoPoint);  // 1/0, not 1/1.7E-18
    const auto readout = TraceReadout(kYOfX, TracePoint(graph, doc.Options, 101));
    EXPECT_EQ(readout.x + " " + readout.y, "X=0 Y: Error");
}

TEST(EdgeCases, DerivativeTextsKeepEightDigits) {
    // clang-format off
    const struct { const char* formula; const char* derivative; } cases[] = {
        {"x*0.00390625", "0.00390625"}, {"x*0.123456789", "0.12345679"}, 
        {"x*1.23456789", "1.2345679"},  {"x^2*0.001", "2*x*0.001"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(DescribeDerivative(c.formula, "x").text, c.derivative) << c.formula;
}

}  // namespace
}  // namespace plotwise
