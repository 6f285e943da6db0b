// Regression fits recover the families' coefficients from their own data, and the window's
// texts for fits and failures.
#include "tools/regression_tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "../plot/plot_test_support.h"

namespace plotwise {
namespace {

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
        EXPECT_TRUE(d.fitted) << c.formula;
        EXPECT_EQ(d.formula, c.formula);
        EXPECT_EQ(d.rSquared, "R^2=1") << c.formula;
        const auto points = RegressionPointSet(Sampled(c.model, 12));
        RegressionFit fit;
        ASSERT_TRUE(FitModel(points, c.family, 2, fit));
        EXPECT_LT(RegressionRms(points, fit), 1e-15L) << c.formula;
        ASSERT_TRUE(FitBest(RegressionPointSet(Sampled(c.model, 30)), fit));
        EXPECT_EQ(c.best < 0 ? -1 : fit.family, c.best) << RegressionFormulaText(fit);
        // Higher degrees fit as well, up to rounding.
        EXPECT_GE(fit.degree, c.best == kPolynomial ? 2 : 0) << RegressionFormulaText(fit);
    }
    EXPECT_EQ(RecomputeRegression(Table({{1, 3}, {2, 5}, {3, 7}}), kLinear, 2).deviation,
              "Root-mean-square deviation=0");
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
        EXPECT_EQ(d.fitted, c.shown.fitted) << c.shown.formula << c.shown.deviation;
        EXPECT_EQ(d.formula, c.shown.formula);
        EXPECT_EQ(d.deviation, c.shown.deviation) << c.shown.formula;
        EXPECT_EQ(d.rSquared, c.shown.rSquared) << c.shown.formula;
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
    RegressionFit poly;
    poly.family = kPolynomial;
    poly.degree = 3;
    poly.c = {-2.5e-8L, 15000000, 0, -1};
    EXPECT_EQ(RegressionFormulaText(poly), "-1*x^3+0*x^2+(1.5*10^7)*x-(2.5*10^(-8))");
    // clang-format off
    const struct { int family; long double a, b; const char* text; } cases[] = {
        {kLinear, -3, -2e7L, "-3*x-(2*10^7)"}, {kHyperbolic, 1e-4L, 0, "(1*10^(-4))/x+0"},
        {kPowerLaw, 2, 1.5L, "2*x^1.5"}, {kExponential, 0.5L, -2e-5L, "0.5*exp(-(2*10^(-5))*x)"},
        {kExponentialII, 4, 0.25L, "4*0.25^x"}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RegressionFormulaText({c.family, 0, c.a, c.b, {}}), c.text);
}

}  // namespace
}  // namespace plotwise
