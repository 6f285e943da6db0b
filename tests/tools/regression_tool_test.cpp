// Regression fits recover the families' coefficients from their own data, and the window's
// texts for fits and failures.
#include "tools/regression_tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "../plot/plot_test_support.h"

namespace plotwise {
namespace {

using Rows = std::vector<std::pair<long double, long double>>;

GraphRecord Table(const Rows& rows, std::uint8_t sortType = 2) {
    GraphRecord props = testing_support::TableOf(rows);
    props.SortType = sortType;
    return props;
}

Rows Sampled(const std::function<long double(long double)>& f, int count) {
    Rows rows;
    for (int k = 1; k <= count; ++k)
        rows.push_back({k * 0.5L, f(k * 0.5L)});
    return rows;
}

TEST(Regression, EachFamilyRecoversItsModel) {
    const struct {
        int family;
        std::function<long double(long double)> model;
        const char* formula;
    } cases[] = {
        {kLinear, [](long double x) { return 2 * x + 1; }, "2*x+1"},
        {kHyperbolic, [](long double x) { return 3 / x - 2; }, "3/x-2"},
        {kLogarithmic, [](long double x) { return -2 * std::log(x) + 0.25L; }, "-2*ln(x)+0.25"},
        {kPowerLaw, [](long double x) { return 3 / std::sqrt(x); }, "3*x^(-0.5)"},
        {kExponential, [](long double x) { return 2 * std::exp(-0.5L * x); }, "2*exp(-0.5*x)"},
        {kExponentialII, [](long double x) { return 3 * std::pow(2.0L, x); }, "3*2^x"},
        {kPolynomial, [](long double x) { return 2 * x * x - 3 * x + 0.5L; }, "2*x^2-3*x+0.5"},
    };
    for (const auto& c : cases) {
        const RegressionDisplay d = RecomputeRegression(Table(Sampled(c.model, 12)), c.family, 2);
        EXPECT_TRUE(d.fitted) << c.formula;
        EXPECT_EQ(d.formula, c.formula);
        const auto points = RegressionPointSet(Table(Sampled(c.model, 12)));
        RegressionFit fit;
        ASSERT_TRUE(FitModel(points, c.family, 2, fit));
        EXPECT_LT(RegressionRms(points, fit), 1e-15L) << c.formula;
        EXPECT_EQ(d.rSquared, "R^2=1") << c.formula;
    }
    const RegressionDisplay exact =
        RecomputeRegression(Table({{1, 3}, {2, 5}, {3, 7}}), kLinear, 2);
    EXPECT_EQ(exact.deviation, "Root-mean-square deviation=0");
}

TEST(Regression, BestFitChoosesTheGeneratingFamily) {
    const struct {
        std::function<long double(long double)> model;
        int family;
        int degree;
    } cases[] = {
        {[](long double x) { return 3 / x - 2; }, kHyperbolic, 0},
        {[](long double x) { return 2 * std::log(x) + 1; }, kLogarithmic, 0},
        {[](long double x) { return 3 / std::sqrt(x); }, kPowerLaw, 0},
        {[](long double x) { return 2 * std::exp(-1.5L * x); }, kExponential, 0},
        {[](long double x) { return x * x * x - x; }, kPolynomial, 3},
    };
    for (const auto& c : cases) {
        const auto points = RegressionPointSet(Table(Sampled(c.model, 30)));
        RegressionFit fit;
        ASSERT_TRUE(FitBest(points, fit));
        EXPECT_EQ(fit.family, c.family) << RegressionFormulaText(fit);
        // Higher degrees fit a cubic as well, up to rounding.
        if (c.family == kPolynomial) {
            EXPECT_GE(fit.degree, c.degree);
        }
    }
}

TEST(Regression, FailuresAndEdges) {
    const struct {
        Rows rows;
        int family;
        int power;
        RegressionDisplay shown;
    } cases[] = {
        {{{1, 1}, {1, 2}}, kLinear, 2, {false, "", kNotEnoughNumbers, ""}},
        {{{2, 1}}, kBestFit, 2, {false, "", kNotEnoughNumbers, ""}},
        {{{0, 1}, {1, 2}, {2, 4}}, kHyperbolic, 2, {false, "", kRegressionDataError, ""}},
        {{{0, 1}, {1, 2}, {2, 4}}, kLogarithmic, 2, {false, "", kRegressionDataError, ""}},
        {{{1, -1}, {2, 2}}, kExponential, 2, {false, "", kRegressionDataError, ""}},
        {{{1, 5}, {2, 5}, {3, 5}},
         kPolynomial,
         2,
         {true, "0*x^2+0*x+5", "Root-mean-square deviation=0", "R^2=Error"}},
        // e^slope beyond the representable is no coefficient to write.
        {{{0, 1}, {0.001L, 1e10L}}, kExponentialII, 2, {false, "", kRegressionDataError, ""}},
    };
    for (const auto& c : cases) {
        const RegressionDisplay d = RecomputeRegression(Table(c.rows), c.family, c.power);
        EXPECT_EQ(d.fitted, c.shown.fitted) << c.shown.formula << c.shown.deviation;
        EXPECT_EQ(d.formula, c.shown.formula);
        EXPECT_EQ(d.deviation, c.shown.deviation) << c.shown.formula;
        EXPECT_EQ(d.rSquared, c.shown.rSquared) << c.shown.formula;
    }
}

TEST(Regression, DegreeFallsToTheDistinctXLessOne) {
    // A repeated X is fitted but not counted: degree 9 becomes 2 on three distinct X.
    const auto points = RegressionPointSet(Table({{1, 2}, {2, 8}, {3, 18}, {3, 18}}));
    RegressionFit fit;
    ASSERT_TRUE(FitModel(points, kPolynomial, 9, fit));
    EXPECT_EQ(fit.degree, 2);
    EXPECT_NEAR(static_cast<double>(fit.c[2]), 2, 1e-12);
    EXPECT_NEAR(static_cast<double>(fit.c[1]), 0, 1e-12);
    EXPECT_NEAR(static_cast<double>(fit.c[0]), 0, 1e-12);
    const std::string text = RegressionFormulaText(fit);
    EXPECT_EQ(text.rfind("2*x^2", 0), 0u) << text;
    EXPECT_EQ(text.find("x^3"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), 'x'), 2) << text;
}

TEST(Regression, PointSetIgnoresTheGraphsSortingAndCountsDistinctX) {
    GraphRecord table = Table({{3, 1}, {1, 5}, {2, 0}, {1, 7}}, 1);
    table.Body.Table[10].X = 9;  // Y empty: not a point
    const auto points = RegressionPointSet(table);
    std::vector<long double> xs;
    for (const auto& p : points)
        if (p.valid) xs.push_back(p.x);
    EXPECT_EQ(xs, std::vector<long double>({1, 1, 2, 3}));
    EXPECT_EQ(DistinctXCount(points), 3);
    EXPECT_EQ(table.SortType, 1);
}

TEST(Regression, FormulaTexts) {
    RegressionFit poly;
    poly.family = kPolynomial;
    poly.degree = 3;
    poly.c = {-2.5e-8L, 15000000, 0, -1};
    EXPECT_EQ(RegressionFormulaText(poly), "-1*x^3+0*x^2+(1.5*10^7)*x-(2.5*10^(-8))");
    const struct {
        int family;
        long double a;
        long double b;
        const char* text;
    } cases[] = {
        {kLinear, -3, -2e7L, "-3*x-(2*10^7)"},
        {kHyperbolic, 1e-4L, 0, "(1*10^(-4))/x+0"},
        {kPowerLaw, 2, 1.5L, "2*x^1.5"},
        {kExponential, 0.5L, -2e-5L, "0.5*exp(-(2*10^(-5))*x)"},
        {kExponentialII, 4, 0.25L, "4*0.25^x"},
    };
    for (const auto& c : cases) {
        RegressionFit fit;
        fit.family = c.family;
        fit.a = c.a;
        fit.b = c.b;
        EXPECT_EQ(RegressionFormulaText(fit), c.text);
    }
}

}  // namespace
}  // namespace plotwise
