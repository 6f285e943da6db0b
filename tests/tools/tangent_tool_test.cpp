// Tangent and normal lines of each graph kind, and the Derivative window's lines per kind.
#include "tools/tangent_tool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "../plot/plot_test_support.h"
#include "formula/compiled_formula.h"
#include "tools/derivative_tool.h"

namespace plotwise {
namespace {

using testing_support::GraphOfKind;

std::string Repeat(const std::string& text, int n) {
    std::string result;
    for (int i = 0; i < n; ++i)
        result += text;
    return result;
}

TEST(TangentLine, KnownLinesOfEachKind) {
    // clang-format off
    const struct {
        GraphRecord graph;
        long double at;
        bool normal;
        const char* formula;
        std::uint8_t kind;
    } cases[] = {
        {GraphOfKind(kYOfX, "x^2"), 1, false, "2*x-1", kYOfX},
        {GraphOfKind(kYOfX, "x^2"), 1, true, "-0.5*x+1.5", kYOfX},
        {GraphOfKind(kYOfX, "x^4"), 100, false, "(4*10^6)*x-(3*10^8)", kYOfX},
        {GraphOfKind(kXOfY, "y^2"), 1, false, "2*y-1", kXOfY},
        {GraphOfKind(kXOfY, "y^2"), 1, true, "-0.5*y+1.5", kXOfY},
        {GraphOfKind(kPolarGraph, "1"), 0, false, "0*y+1", kXOfY},
        {GraphOfKind(kPolarGraph, "a"), 0.5, false, "-0.6366198*x+1.5707963", kYOfX},
        {GraphOfKind(kParametric, "cos(t)", "sin(t)"), 0, false, "0*y+1", kXOfY},
        {GraphOfKind(kParametric, "cos(t)", "sin(t)"), 0, true, "0*x+0", kYOfX},
        {GraphOfKind(kParametric, "2*t", "-t"), 3, true, "2*x-15", kYOfX},
    };
    // clang-format on
    for (const auto& c : cases) {
        const TangentResult line = TangentLine(c.graph, c.at, c.normal);
        EXPECT_EQ(line.error, 0) << c.formula;
        EXPECT_EQ(line.formula, c.formula);
        EXPECT_EQ(line.kind, c.kind) << c.formula;
    }
}

TEST(TangentLine, TopOfThePolarCircleIsFlat) {
    const TangentResult line = TangentLine(GraphOfKind(kPolarGraph, "1"), 0.5, false);
    ASSERT_EQ(line.error, 0);
    EXPECT_EQ(line.kind, kYOfX);
    CompiledFormula f;
    ASSERT_EQ(ErrorCode(f.Compile(line.formula, "x")), 0);
    for (const long double x : {-5.0L, 0.0L, 5.0L})
        EXPECT_NEAR(static_cast<double>(f.Calculate(x).value), 1.0, 1e-12) << line.formula;
}

TEST(TangentLine, FailuresAndTheirMessages) {
    const std::string deep = Repeat("sin(", 26) + "x" + Repeat(")", 26);
    const struct {
        GraphRecord graph;
        long double at;
        bool normal;
        const char* message;
    } cases[] = {
        {GraphOfKind(kYOfX, "1/x"), 0, false,
         "Error of the determination of the equation of the tangent"},
        {GraphOfKind(kYOfX, deep), 0, false, "Too large expression for derivation"},
        {GraphOfKind(kYOfX, "abs(x)"), 1, true,
         "The expression contains nondifferentiable function"},
        {GraphOfKind(kParametric, "t^2", "t^3"), 0, false,
         "Error of the determination of the equation of the tangent"},
        // A flat point leaves the normal of a Y(x) or X(y) graph without an equation of its form.
        {GraphOfKind(kYOfX, "x^2"), 0, true,
         "Error of the determination of the equation of the normal"},
        {GraphOfKind(kXOfY, "5"), 7, true,
         "Error of the determination of the equation of the normal"},
    };
    for (const auto& c : cases) {
        const TangentResult line = TangentLine(c.graph, c.at, c.normal);
        EXPECT_NE(line.error, 0) << c.message;
        EXPECT_EQ(TangentErrorText(line.error, c.normal), c.message);
        EXPECT_EQ(line.formula, "");
    }
}

TEST(DeriveGraph, LinesAndMessagesPerKind) {
    const GraphRecord table = GraphOfKind(kTable);
    const std::string longest = Repeat("sin(", 24) + "x" + Repeat(")", 24);
    const struct {
        GraphRecord graph;
        const char* formula;
        const char* formulaY;
        const char* message;
    } cases[] = {
        {GraphOfKind(kYOfX, "x^2"), "2*x", "", ""},
        {GraphOfKind(kXOfY, "sin(y)"), "cos(y)", "", ""},
        {GraphOfKind(kPolarGraph, "a^3"), "3*a^2", "", ""},
        {GraphOfKind(kParametric, "t^2", "exp(t)"), "2*t", "exp(t)", ""},
        {GraphOfKind(kParametric, "t", " "), "", "", "Empty formula"},
        {GraphOfKind(kParametric, "abs(t)", "t"), "", "",
         "The expression contains nondifferentiable function"},
        {GraphOfKind(kParametric, "t", "t" + Repeat("^1", 25)), "", "",
         "Too large expression for derivation"},
        {GraphOfKind(kYOfX, longest), "", "", "Too long formula of the derivative"},
        {GraphOfKind(kEquation, "x^2+y^2-1"), "", "",
         "Cannot calculate derivative for this graph type"},
        {table, "", "", "Cannot calculate derivative for this graph type"},
    };
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

}  // namespace
}  // namespace plotwise
