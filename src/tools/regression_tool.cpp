#include "tools/regression_tool.h"

#include <cmath>
#include <utility>

#include "formula/number_input.h"
#include "formula/number_text.h"
#include "formula/residue.h"
#include "formula/round12.h"
#include "plot/graph.h"
#include "plot/new_graph.h"
#include "plot/table_prepare.h"

namespace plotwise {
namespace {

constexpr long double kTiny = 1e-60L;

// x^k for an integer k through logarithms, with 0^0 = 1.
long double IntPower(long double x, int k) {
    if (k == 0) return 1;
    if (x == 0) return 0;
    const long double magnitude = std::exp(k * std::log(std::fabs(x)));
    return x < 0 && k % 2 != 0 ? -magnitude : magnitude;
}

bool CanInvert(long double v) {
    return std::fabs(v) >= kTiny;
}

bool CanTakeLog(long double v) {
    return std::fabs(v) >= kTiny && v >= 0;
}

// Replaces the rows by those the family's straight line is fitted to; false when a row
// is outside the transformation's domain.
bool Transform(std::vector<RegressionPoint>& rows, int family) {
    bool ok = true;
    for (RegressionPoint& p : rows) {
        if (!p.valid) continue;
        switch (family) {
            case kHyperbolic:
                if (CanInvert(p.x))
                    p.x = 1 / p.x;
                else
                    ok = false;
                break;
            case kLogarithmic:
                if (CanTakeLog(p.x))
                    p.x = std::log(p.x);
                else
                    ok = false;
                break;
            case kPowerLaw:
                if (CanTakeLog(p.x) && CanTakeLog(p.y)) {
                    p.x = std::log(p.x);
                    p.y = std::log(p.y);
                } else {
                    ok = false;
                }
                break;
            case kExponential:
            case kExponentialII:
                if (CanTakeLog(p.y))
                    p.y = std::log(p.y);
                else
                    ok = false;
                break;
            default:
                break;
        }
    }
    return ok;
}

// The part of the largest term over the table's X values below which a term is rounding
// residue of the elimination: its coefficient carries no digit of its own (an exact x^2
// table has no x term).
constexpr long double kTermResidue = 1e-15L;

bool FitStraightLine(const std::vector<RegressionPoint>& points, int family, RegressionFit& fit) {
    std::vector<RegressionPoint> rows = points;
    if (!Transform(rows, family)) return false;
    long double m = 0;
    long double sx = 0;
    long double sy = 0;
    long double sxx = 0;
    long double sxy = 0;
    for (const RegressionPoint& p : rows) {
        if (!p.valid) continue;
        m += 1;
        sx += p.x;
        sy += p.y;
        sxx += p.x * p.x;
        sxy += p.x * p.y;
    }
    const long double d = sx * sx - sxx * m;
    const long double numA = sy * sx - sxy * m;
    const long double numB = sx * sxy - sxx * sy;
    long double slope = 0;
    long double intercept = 0;
    if (std::fabs(d) >= kTiny) {
        slope = numA / d;
        intercept = numB / d;
    } else if (std::fabs(numA) >= kTiny || std::fabs(numB) >= kTiny) {
        return false;
    }
    long double slopeTerm = 0;
    for (const RegressionPoint& p : rows)
        if (p.valid) slopeTerm = std::fmax(slopeTerm, std::fabs(slope * p.x));
    const long double largest = std::fmax(slopeTerm, std::fabs(intercept));
    intercept = ZeroIfResidue(intercept, largest, kTermResidue);
    if (slopeTerm < kTermResidue * largest) slope = 0;
    fit = RegressionFit{};
    fit.family = family;
    switch (family) {
        case kPowerLaw:
        case kExponential:
            fit.a = std::exp(intercept);
            fit.b = slope;
            break;
        case kExponentialII:
            fit.a = std::exp(intercept);
            fit.b = std::exp(slope);
            break;
        default:
            fit.a = slope;
            fit.b = intercept;
            break;
    }
    // A coefficient beyond the representable would be written as INF in the formula.
    return std::isfinite(fit.a) && std::isfinite(fit.b);
}

long double Mean(long double sum, long double count) {
    return count > 0 ? sum / count : 0;
}

}  // namespace

std::vector<RegressionPoint> RegressionPointSet(const GraphRecord& table) {
    GraphRecord byX = table;
    byX.SortType = 0;
    Graph sorted(nullptr, byX);
    PrepareTable(sorted);
    std::vector<RegressionPoint> points;
    points.reserve(kTableRows);
    for (int k = 0; k < kTableRows; ++k) {
        const long double x = sorted.Values[2 * k];
        const long double y = sorted.Values[2 * k + 1];
        points.push_back({x, y, std::isfinite(x) && std::isfinite(y)});
    }
    return points;
}

int DistinctXCount(const std::vector<RegressionPoint>& points) {
    int count = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!points[i].valid) continue;
        const bool repeated =
            i + 1 < points.size() && points[i + 1].valid && points[i].x == points[i + 1].x;
        if (!repeated) ++count;
    }
    return count;
}

bool FitPolynomial(const std::vector<RegressionPoint>& points, int n, RegressionFit& fit) {
    fit = RegressionFit{};
    fit.family = kPolynomial;
    n = std::min(n, DistinctXCount(points) - 1);
    if (n < 0 || n > kMaxPolynomPower) return false;
    const int size = n + 1;
    // S(k) = sum of X^k (S(0) the row count), T(k) = sum of X^k * Y.
    std::array<long double, 2 * kMaxPolynomPower + 1> s{};
    std::array<long double, kMaxPolynomPower + 1> t{};
    for (const RegressionPoint& p : points) {
        if (!p.valid) continue;
        for (int k = 0; k <= 2 * n; ++k)
            s[k] += IntPower(p.x, k);
        for (int k = 0; k <= n; ++k)
            t[k] += IntPower(p.x, k) * p.y;
    }
    constexpr int kMax = kMaxPolynomPower + 1;
    std::array<std::array<long double, kMax>, kMax> matrix{};
    std::array<long double, kMax> right{};
    for (int i = 0; i < size; ++i) {
        for (int j = 0; j < size; ++j)
            matrix[i][j] = s[i + j];
        right[i] = t[i];
    }
    for (int k = 0; k + 1 < size; ++k) {
        int pivot = k;
        for (int p = k + 1; p < size; ++p)
            if (std::fabs(matrix[p][k]) > std::fabs(matrix[pivot][k])) pivot = p;
        if (pivot != k) {
            std::swap(matrix[k], matrix[pivot]);
            std::swap(right[k], right[pivot]);
        }
        if (std::fabs(matrix[k][k]) < kTiny) return false;
        for (int r = k + 1; r < size; ++r) {
            const long double f = matrix[r][k] / matrix[k][k];
            matrix[r][k] = 0;
            for (int j = k + 1; j < size; ++j)
                matrix[r][j] -= f * matrix[k][j];
            right[r] -= f * right[k];
        }
    }
    for (int i = size - 1; i >= 0; --i) {
        long double sum = 0;
        for (int j = i + 1; j < size; ++j)
            sum += matrix[i][j] * fit.c[j];
        if (std::fabs(matrix[i][i]) < kTiny) return false;
        fit.c[i] = (right[i] - sum) / matrix[i][i];
        if (!std::isfinite(fit.c[i])) return false;
    }
    std::array<long double, kMaxPolynomPower + 1> terms{};
    long double largest = 0;
    for (const RegressionPoint& p : points) {
        if (!p.valid) continue;
        for (int k = 0; k < size; ++k) {
            terms[k] = std::fmax(terms[k], std::fabs(fit.c[k] * IntPower(p.x, k)));
            largest = std::fmax(largest, terms[k]);
        }
    }
    for (int k = 0; k < size; ++k)
        if (terms[k] < kTermResidue * largest) fit.c[k] = 0;
    fit.degree = n;
    return true;
}

bool FitModel(const std::vector<RegressionPoint>& points, int family, int n, RegressionFit& fit) {
    if (family == kPolynomial) return FitPolynomial(points, n, fit);
    if (family < kLinear || family > kExponentialII) return false;
    return FitStraightLine(points, family, fit);
}

bool FitBest(const std::vector<RegressionPoint>& points, RegressionFit& fit) {
    bool found = false;
    bool judged = false;  // the fit found has an R^2 that shows as a number
    long double bestR = 0;
    // Candidates come simplest first: a later one must be better in the 12 digits R^2 is
    // known to, and one whose R^2 shows as an error is never better than one that shows.
    const auto consider = [&](int family, int n) {
        RegressionFit candidate;
        if (!FitModel(points, family, n, candidate)) return;
        const long double r = Round12(RegressionRSquared(points, candidate));
        const bool shown = r <= kMaxShownRSquared;
        if (!found || (shown && (!judged || r > bestR))) {
            found = true;
            judged = shown;
            bestR = r;
            fit = candidate;
        }
    };
    for (int family = kLinear; family <= kExponentialII; ++family)
        consider(family, 0);
    for (int n = kMinPolynomPower; n <= kMaxPolynomPower; ++n)
        consider(kPolynomial, n);
    return found;
}

long double RegressionModelValue(const RegressionFit& fit, long double x) {
    switch (fit.family) {
        case kLinear:
            return fit.a * x + fit.b;
        case kHyperbolic:
            return fit.a / x + fit.b;
        case kLogarithmic:
            return fit.a * std::log(x) + fit.b;
        case kPowerLaw:
            return fit.a * std::exp(fit.b * std::log(x));
        case kExponential:
            return fit.a * std::exp(fit.b * x);
        case kExponentialII:
            return fit.a * std::exp(x * std::log(fit.b));
        default: {
            long double value = 0;
            for (int k = fit.degree; k >= 0; --k)
                value = value * x + fit.c[k];
            return value;
        }
    }
}

long double RegressionRms(const std::vector<RegressionPoint>& points, const RegressionFit& fit) {
    long double sum = 0;
    long double m = 0;
    for (const RegressionPoint& p : points) {
        if (!p.valid) continue;
        const long double d = RegressionModelValue(fit, p.x) - p.y;
        sum += d * d;
        m += 1;
    }
    return std::sqrt(Mean(sum, m));
}

long double RegressionRSquared(const std::vector<RegressionPoint>& points,
                               const RegressionFit& fit) {
    // The exponential families are fitted on logarithms, and judged on them.
    const bool onLogs =
        fit.family == kPowerLaw || fit.family == kExponential || fit.family == kExponentialII;
    const auto measured = [onLogs](long double y) { return onLogs ? std::log(y) : y; };
    long double sum = 0;
    long double m = 0;
    for (const RegressionPoint& p : points) {
        if (!p.valid) continue;
        sum += measured(p.y);
        m += 1;
    }
    const long double mean = Mean(sum, m);
    long double explained = 0;
    long double total = 0;
    for (const RegressionPoint& p : points) {
        if (!p.valid) continue;
        const long double model = measured(RegressionModelValue(fit, p.x)) - mean;
        const long double data = measured(p.y) - mean;
        explained += model * model;
        total += data * data;
    }
    if (total == 0) return 10;
    return explained / total;
}

std::string RegressionFormulaText(const RegressionFit& fit) {
    const std::string a = CoefToStr(fit.a);
    const std::string b = CoefToStr(fit.b);
    const bool bPositive = Round12(fit.b) >= 0;
    const std::string signedB = bPositive ? "+" + b : b;
    switch (fit.family) {
        case kLinear:
            return a + "*x" + signedB;
        case kHyperbolic:
            return a + "/x" + signedB;
        case kLogarithmic:
            return a + "*ln(x)" + signedB;
        case kPowerLaw:
            return a + "*x^" + (bPositive ? b : "(" + b + ")");
        case kExponential:
            return a + "*exp(" + b + "*x)";
        case kExponentialII:
            return a + "*" + (bPositive ? b : "(" + b + ")") + "^x";
        default:
            break;
    }
    std::string text;
    for (int k = fit.degree; k >= 0; --k) {
        if (k != fit.degree && Round12(fit.c[k]) >= 0) text += '+';
        text += CoefToStr(fit.c[k]);
        if (k == 1)
            text += "*x";
        else if (k > 1)
            text += "*x^" + std::to_string(k);
    }
    return text;
}

RegressionDisplay RecomputeRegression(const GraphRecord& table, int family, int power) {
    RegressionDisplay display;
    const std::vector<RegressionPoint> points = RegressionPointSet(table);
    if (DistinctXCount(points) < 2) {
        display.deviation = kNotEnoughNumbers;
        return display;
    }
    RegressionFit fit;
    const bool ok =
        family == kBestFit ? FitBest(points, fit) : FitModel(points, family, power, fit);
    if (!ok) {
        display.deviation = kRegressionDataError;
        return display;
    }
    display.fitted = true;
    display.formula = RegressionFormulaText(fit);
    display.deviation =
        "Root-mean-square deviation=" + NumToStrDecimals(RegressionRms(points, fit), 7);
    const long double r = RegressionRSquared(points, fit);
    display.rSquared = r <= kMaxShownRSquared ? "R^2=" + NumToStrDecimals(r, 7) : "R^2=Error";
    return display;
}

bool ReadPolynomPower(const std::string& text, int& power) {
    long long value = 0;
    if (!ReadInteger(text, value) || value < kMinPolynomPower || value > kMaxPolynomPower)
        return false;
    power = static_cast<int>(value);
    return true;
}

GraphRecord RegressionRecord(const std::string& formula, const OptionsRecord& options) {
    return NewGraphRecordOfKind(kYOfX, formula, options);
}

}  // namespace plotwise
