// The Regression window's computation: least-squares fits of eight families to the points
// of a table graph, their goodness of fit and formula text. The window and plotwise-cli
// regress share it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "plot/graph_record.h"
#include "plot/options_record.h"

namespace plotwise {

enum RegressionFamily {
    kLinear = 1,         // y = a*x+b
    kHyperbolic = 2,     // y = a/x+b
    kLogarithmic = 3,    // y = a*ln(x)+b
    kPowerLaw = 4,       // y = a*x^b
    kExponential = 5,    // y = a*exp(b*x)
    kExponentialII = 6,  // y = a*b^x
    kPolynomial = 7,     // y = c0+c1*x+...+cn*x^n
    kBestFit = 8,        // the best of 1 to 6 and of the polynomials of degree 2 to 9
};

inline constexpr int kMinPolynomPower = 2;
inline constexpr int kMaxPolynomPower = 9;

inline constexpr char kPolynomPowerMessage[] =
    "The power of polynomial must be\ran integer from 2 up to 9";
inline constexpr char kNotEnoughNumbers[] = "Not enough numbers for regression";
inline constexpr char kRegressionDataError[] = "Error data for this regression type";

struct RegressionPoint {
    long double x;
    long double y;
    bool valid;  // both cells filled
};

// The table's 100 rows sorted by X as a table graph sorts them (empty rows first), whatever
// the graph's own sorting.
std::vector<RegressionPoint> RegressionPointSet(const GraphRecord& table);

// Valid rows with distinct X: a row whose X repeats in the valid row after it is not counted.
int DistinctXCount(const std::vector<RegressionPoint>& points);

struct RegressionFit {
    int family = kLinear;  // after a best fit, the family chosen
    int degree = 0;        // family 7: the degree actually used
    long double a = 0;     // families 1 to 6
    long double b = 0;
    std::array<long double, kMaxPolynomPower + 1> c{};  // family 7: c0..c9
};

// Families 1 to 7 (n: the polynomial degree wanted). False when the data do not suit the
// family: a row outside its transformation's domain, a singular system, or coefficients
// beyond the representable.
bool FitModel(const std::vector<RegressionPoint>& points, int family, int n, RegressionFit& fit);
// Gaussian elimination with partial pivoting; n is lowered to the distinct X count less one.
bool FitPolynomial(const std::vector<RegressionPoint>& points, int n, RegressionFit& fit);
// The candidate with the largest R^2 to 12 digits, the simplest on a tie (families 1 to 6
// in order, then the polynomials by degree); one whose R^2 shows as an error only when no
// other is fitted.
bool FitBest(const std::vector<RegressionPoint>& points, RegressionFit& fit);

// An R^2 above this (no spread in the data, or no finite value) shows as "R^2=Error".
inline constexpr long double kMaxShownRSquared = 2;

long double RegressionModelValue(const RegressionFit& fit, long double x);
long double RegressionRms(const std::vector<RegressionPoint>& points, const RegressionFit& fit);
// 10 when the data have no spread (shown as an error).
long double RegressionRSquared(const std::vector<RegressionPoint>& points,
                               const RegressionFit& fit);
std::string RegressionFormulaText(const RegressionFit& fit);

// What the window shows for a table, family and degree.
struct RegressionDisplay {
    bool fitted = false;    // "Add Graph" is enabled
    std::string formula;    // empty when not fitted
    std::string deviation;  // "Root-mean-square deviation=..." or the failure
    std::string rSquared;   // "R^2=..." or empty
};
RegressionDisplay RecomputeRegression(const GraphRecord& table, int family, int power);

// The degree edit's text when it is an integer from 2 to 9.
bool ReadPolynomPower(const std::string& text, int& power);

// The Y(x) graph the window adds, with the default style and standard interval of options.
GraphRecord RegressionRecord(const std::string& formula, const OptionsRecord& options);

}  // namespace plotwise
