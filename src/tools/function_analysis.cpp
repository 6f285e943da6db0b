#include "tools/function_analysis.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>

#include "derivative/derivative.h"
#include "derivative/expr_tree.h"
#include "formula/compiled_formula.h"
#include "formula/formula_errors.h"
#include "formula/number_input.h"
#include "formula/number_text.h"
#include "formula/round12.h"
#include "formula/rounding.h"
#include "formula/text_utils.h"
#include "tools/derivative_tool.h"

namespace plotwise {
namespace {

constexpr char kVariableName[] = "X";
constexpr char kDerivativeVariableName[] = "x";
// Values beyond this break the chain of grid points of the numeric extremum scan.
constexpr long double kMaxExtremumValue = 1e1000L;
// More halvings than the exponent range of the 80-bit format allows: only a value that
// never settles (a NaN end) can reach it.
constexpr int kMaxHalvings = 20000;

constexpr char kTooLongForDerivative[] =
    "It is impossible to calculate extremums with\rthe help of analytically obtained "
    "derivative\ras the formula is too long for derivation";
constexpr char kNondifferentiableForDerivative[] =
    "It is impossible to calculate extremums with\rthe help of analytically obtained "
    "derivative\ras the formula contains nondifferentiable function";

enum class Derivability { Differentiable, TooLarge, NotDifferentiable };

// The depth check first: a formula that deep is never handed to the derivation.
Derivability DerivativeOf(const std::string& formula, std::string& text) {
    if (FormulaDepth(formula, kDerivativeVariableName).depth >= kMaxDerivationDepth)
        return Derivability::TooLarge;
    DerivedText derivative = DerivativeText(formula, kDerivativeVariableName);
    text = std::move(derivative.text);
    return derivative.notDifferentiable ? Derivability::NotDifferentiable
                                        : Derivability::Differentiable;
}

bool ReadIntegerIn(const std::string& text, int min, int max, int& value) {
    long long read = 0;
    if (!ReadInteger(text, read) || read < min || read > max) return false;
    value = static_cast<int>(read);
    return true;
}

// Left-aligned in a field of width characters, as "%-Ns" writes it.
std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

// Whether the function is continuous at x, where it has the value y: beside x the values
// come back to y as the distance shrinks (or never leave it beyond the 12 digits of y).
// Beside a pole or a jump, both distances being beyond the search's own accuracy, they stay
// as far away.
bool ContinuousAt(PostfixFunction& f, long double x, long double y, long double width) {
    const auto distance = [&](long double d, long double& r) {
        long double below = 0;
        long double above = 0;
        if (!f.Value(x - d, below) || !f.Value(x + d, above)) return false;
        r = std::fmax(std::fabs(below - y), std::fabs(above - y));
        return true;
    };
    long double near = 0;
    long double nearer = 0;
    if (!distance(width * 1e-3L, near)) return false;
    if (near <= 1e-10L * std::fabs(y)) return true;
    // A root-like cusp shrinks its distance more slowly than a kink, but still shrinks it.
    return distance(width * 1e-5L, nearer) && nearer <= 0.5L * near;
}

// A turn of the grid values is an extremum only where the function is continuous at its
// extreme value on [left, right], found to a millionth of it, and that value is bounded: a
// pole or a jump turns the grid values too. Across a pole the search may also end beside
// it, where the value is no longer beyond the middle's.
bool ExtremeIsContinuous(PostfixFunction& f, long double left, long double right) {
    long double leftValue = 0;
    long double middleValue = 0;
    long double rightValue = 0;
    if (!f.Value(left, leftValue) || !f.Value((left + right) * 0.5L, middleValue) ||
        !f.Value(right, rightValue))
        return false;
    const bool isMax = leftValue < middleValue;  // as RefineExtremum judges the bracket
    bool failed = false;
    // Finer steps would drown the slope in the 12 digits of the values.
    const long double x = RefineExtremum(f, left, right, (right - left) * 1e-6L, failed);
    long double y = 0;
    if (failed || !f.Value(x, y)) return false;
    // Where the values are flat to 12 digits the search ends a little off the extreme; a
    // bounded extreme lies within a few times the values' variation along the bracket.
    const long double variation =
        std::fabs(middleValue - leftValue) + std::fabs(middleValue - rightValue);
    const long double beyond = isMax ? y - middleValue : middleValue - y;
    return beyond >= -0.1L * variation && beyond <= 2 * variation &&
           ContinuousAt(f, x, y, right - left);
}

// Walks the grid MinX + k*h, k = 0..StepsNum, handing each pair of neighbouring points where
// the function has values to testPair. True when progress interrupted it.
bool ScanGrid(const AnalysisParams& params, PostfixFunction& scanned, bool limitValues,
              const std::function<void(long double px, long double py, long double x,
                                       long double y)>& testPair,
              const AnalysisProgress& progress) {
    const long n = params.StepsNum;
    const long double h = (params.MaxX - params.MinX) / n;
    // The last grid point carries the error of every addition: compared at 12 digits it
    // still counts as inside.
    const long double maxX = Round12(params.MaxX);
    long double x = params.MinX;
    bool hasPrevious = false;
    long double px = 0;
    long double py = 0;
    int shown = 0;
    for (long i = 1; i <= n + 1;) {
        long double y = 0;
        const bool valid = Round12(x) <= maxX && scanned.Value(x, y) &&
                           !(limitValues && std::fabs(y) > kMaxExtremumValue);
        if (valid) {
            if (hasPrevious) testPair(px, py, x, y);
            px = x;
            py = y;
        }
        hasPrevious = valid;
        ++i;
        x += h;
        const int p = static_cast<int>(std::nearbyintl(static_cast<long double>(i - 1) /
                                                       static_cast<long double>(n + 1) * 100));
        if (p / 10 > shown / 10) {
            shown = p;
            if (progress && progress(p)) return true;
        }
    }
    return false;
}

}  // namespace

std::string AnalysisReportRow(const std::string& type, const std::string& x, const std::string& y,
                              std::size_t typeWidth) {
    return Padded(TrimControls(type), typeWidth) + Padded(TrimControls(x), 19) +
           Padded(TrimControls(y), 19);
}

AnalysisField CheckScanFields(const AnalysisInput& input, AnalysisParams& p, std::string& message) {
    auto fail = [&message](AnalysisField field, std::string text) {
        message = std::move(text);
        return field;
    };
    if (!ReadFieldNumber(input.minX, p.MinX)) {
        return fail(AnalysisField::MinX,
                    "Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100");
    }
    if (!ReadFieldNumber(input.maxX, p.MaxX)) {
        return fail(AnalysisField::MaxX,
                    "Maximum of X must be a number\rfrom -1*10^100 up to 1*10^100");
    }
    if (p.MaxX <= p.MinX)
        return fail(AnalysisField::MaxX, "Maximum of X must be more\rthan minimum of X");
    if (!ReadIntegerIn(input.stepsNum, kMinAnalysisSteps, kMaxAnalysisSteps, p.StepsNum)) {
        return fail(AnalysisField::StepsNum, "Number of steps must be a\rpositive integer from " +
                                                 std::to_string(kMinAnalysisSteps) + " up to " +
                                                 std::to_string(kMaxAnalysisSteps));
    }
    if (!ReadIntegerIn(input.digitsNum, 0, kMaxAnalysisDigits, p.DigitsNum)) {
        return fail(AnalysisField::DigitsNum,
                    "Decimal signs number must be\ran integer from 0 up to 5");
    }
    return AnalysisField::None;
}

AnalysisCheck CheckAnalysisInput(const AnalysisInput& typed, Notation notation) {
    AnalysisCheck check;
    auto fail = [&check](AnalysisField field, std::string message) {
        check.field = field;
        check.message = std::move(message);
        return check;
    };
    const AnalysisInput& input = check.read = typed;
    const FormulaReading formula = ReadFormula(typed.formula, {{kVariableName}, 'y'}, notation);
    if (!formula.Ok()) {
        check.spot = formula.spot;
        return fail(AnalysisField::Formula, ReadingMessage(formula));
    }
    check.read.formula = formula.text;
    check.read.minX = ReadNumberText(typed.minX, notation);
    check.read.maxX = ReadNumberText(typed.maxX, notation);
    if (RemoveSpaces(input.formula).empty()) return fail(AnalysisField::Formula, "Empty formula");
    AnalysisParams& p = check.params;
    std::string message;
    const AnalysisField scanField = CheckScanFields(input, p, message);
    if (scanField != AnalysisField::None) return fail(scanField, message);
    if (!input.findZeroes && !input.findExtremums) {
        return fail(AnalysisField::Nulls,
                    "Not marked on an evaluation neither zeros\rnor extremums of function");
    }
    if (input.useDerivative && input.findExtremums) {
        std::string text;
        switch (DerivativeOf(input.formula, text)) {
            case Derivability::TooLarge:
                return fail(AnalysisField::UseDerivative, kTooLongForDerivative);
            case Derivability::NotDifferentiable:
                return fail(AnalysisField::UseDerivative, kNondifferentiableForDerivative);
            case Derivability::Differentiable:
                break;
        }
    }
    p.FindZeroes = input.findZeroes;
    p.FindExtremums = input.findExtremums;
    p.UseDerivative = input.useDerivative;
    return check;
}

long double AnalysisTolerance(int digitsNum, long double minX, long double maxX) {
    const long double eps = Power10(-(digitsNum + 1));
    const long double relative = 1e-12L * (maxX - minX);
    return eps < relative ? relative : eps;
}

std::string AnalysisDerivativeLine(const std::string& formula) {
    std::string text;
    switch (DerivativeOf(formula, text)) {
        case Derivability::TooLarge:
            return kTooLargeForDerivation;
        case Derivability::NotDifferentiable:
            return kNotDifferentiable;
        case Derivability::Differentiable:
            break;
    }
    return "Y'(x)=" + text;
}

bool PostfixFunction::CompileFormula(const std::string& formula) {
    return compiled_.Compile(formula, kVariableName) == FormulaError::None;
}

bool PostfixFunction::CompileDerivative(const std::string& formula) {
    if (FormulaDepth(formula, kDerivativeVariableName).depth >= kMaxDerivationDepth) return false;
    DerivedTokens derivative = DerivativeTokens(formula, kDerivativeVariableName);
    if (derivative.error != FormulaError::None || derivative.notDifferentiable ||
        derivative.tokens.Empty())
        return false;
    return compiled_.CompileTokens(std::move(derivative.tokens)) == FormulaError::None;
}

bool PostfixFunction::CompileDifference(const std::string& formula, const std::string& other,
                                        bool otherOfY) {
    subtracted_ = std::make_unique<CompiledFormula>();
    subtractedOfY_ = otherOfY;
    return CompileFormula(formula) &&
           subtracted_->Compile(other, otherOfY ? "Y" : kVariableName) == FormulaError::None;
}

bool PostfixFunction::Value(long double x, long double& y) {
    const Evaluation value = compiled_.Calculate(x);
    y = value.value;
    if (!value.Ok() || subtracted_ == nullptr) return value.Ok();
    if (subtractedOfY_) {
        const Evaluation back = subtracted_->Calculate(value.value);
        y = back.value - x;
        return back.Ok();
    }
    const Evaluation other = subtracted_->Calculate(x);
    y -= other.value;
    return other.Ok();
}

long double BisectRoot(PostfixFunction& f, long double left, long double right, long double eps,
                       bool& failed) {
    failed = true;
    long double leftValue = 0;
    long double rightValue = 0;
    if (!f.Value(left, leftValue) || !f.Value(right, rightValue)) return 0;
    long double middle = left;
    for (int k = 0; k < kMaxHalvings; ++k) {
        middle = (left + right) * 0.5L;
        // Far from 0 the representable numbers can lie farther apart than eps.
        if (middle == left || middle == right) break;
        long double value = 0;
        if (!f.Value(middle, value)) return 0;
        if (leftValue > 0 ? value > 0 : value < 0) {
            left = middle;
        } else {
            right = middle;
        }
        if (std::fabs(right - left) < eps) break;
    }
    failed = false;
    return middle;
}

long double RefineExtremum(PostfixFunction& f, long double left, long double right, long double eps,
                           bool& failed) {
    failed = true;
    long double leftValue = 0;
    long double rightValue = 0;
    long double middleValue = 0;
    if (!f.Value(left, leftValue) || !f.Value(right, rightValue) ||
        !f.Value((left + right) * 0.5L, middleValue))
        return 0;
    const bool isMax = leftValue < middleValue;
    for (int k = 0; k < kMaxHalvings && std::fabs(right - left) > 2 * eps; ++k) {
        // Far from 0 eps can be below the spacing of the numbers; two probes that coincide
        // would tell nothing, so they stay a few spacings apart.
        const long double middle = std::fabs((left + right) * 0.5L);
        const long double spacing = std::nextafterl(middle, HUGE_VALL) - middle;
        const long double offset = std::fmax(eps, 4 * spacing);
        const long double x1 = (left + right - offset) * 0.5L;
        const long double x2 = (left + right + offset) * 0.5L;
        if (!(left < x1 && x1 < x2 && x2 < right)) break;  // no narrower interval left
        long double y1 = 0;
        long double y2 = 0;
        if (!f.Value(x1, y1) || !f.Value(x2, y2)) return 0;
        if (isMax ? y2 >= y1 : y2 <= y1) {
            left = x1;
        } else {
            right = x2;
        }
    }
    const long double result = (left + right) * 0.5L;
    long double value = 0;
    if (!f.Value(result, value)) return 0;
    failed = false;
    return result;
}

FunctionAnalysis::FunctionAnalysis(std::string formula, const AnalysisParams& params)
    : formula_(std::move(formula)), params_(params) {
    derivativeLine_ = AnalysisDerivativeLine(formula_);
    if (!params_.FindZeroes) SetZeroesCaption(-1);
    SetExtremumsCaption(params_.FindExtremums ? -2 : -1);
}

void FunctionAnalysis::Run(const AnalysisProgress& progress) {
    if (params_.FindZeroes) ScanZeroes(progress);
    if (!params_.FindExtremums) return;
    if (params_.UseDerivative) {
        ScanExtremumsByDerivative(progress);
    } else {
        ScanExtremums(progress);
    }
}

bool ScanSignChanges(PostfixFunction& f, const AnalysisParams& params,
                     const std::function<void(long double root)>& found,
                     const AnalysisProgress& progress) {
    const long double eps = AnalysisTolerance(params.DigitsNum, params.MinX, params.MaxX);
    const auto testPair = [&](long double px, long double py, long double x, long double y) {
        // The value halfway must lie between the two: a sign change across a pole has
        // values of the wrong sign or size there.
        long double ym = 0;
        bool accept = false;
        if (py > 0 && y <= 0) {
            accept = f.Value((px + x) * 0.5L, ym) && py > ym && ym >= y;
        } else if (py < 0 && y >= 0) {
            accept = f.Value((px + x) * 0.5L, ym) && py < ym && ym <= y;
        }
        if (!accept) return;
        bool failed = false;
        const long double root = BisectRoot(f, px, x, eps, failed);
        if (!failed) found(root);
    };
    return ScanGrid(params, f, false, testPair, progress);
}

bool ScanTurns(PostfixFunction& f, const AnalysisParams& params,
               const std::function<void(bool isMax, long double x, long double y)>& found,
               const AnalysisProgress& progress) {
    const long double eps = AnalysisTolerance(params.DigitsNum, params.MinX, params.MaxX);
    const auto testPair = [&](long double px, long double py, long double x, long double y) {
        const long double xq = 2 * x - px;  // the next grid point
        long double yq = 0;
        if (!f.Value(xq, yq) || std::fabs(yq) > kMaxExtremumValue) return;
        // Strict comparisons: a plateau is no extremum.
        const bool isMin = py > y && yq > y;
        const bool isMax = py < y && yq < y;
        if (!isMin && !isMax) return;
        if (!ExtremeIsContinuous(f, px, xq)) return;
        bool failed = false;
        long double xe = RefineExtremum(f, px, xq, eps, failed);
        if (failed || xe > params.MaxX) return;
        xe = RoundTo8(xe);
        long double ye = 0;
        if (f.Value(xe, ye)) found(isMax, xe, ye);
    };
    return ScanGrid(params, f, true, testPair, progress);
}

void FunctionAnalysis::ScanZeroes(const AnalysisProgress& progress) {
    PostfixFunction f;
    if (!f.CompileFormula(formula_)) return;
    zeros_.clear();
    zeroValues_.clear();
    SetZeroesCaption(0);
    if (ScanSignChanges(
            f, params_, [this](long double root) { AddZeroRow(root); }, progress))
        zeroesCaption_ += " (interrupted)";
}

void FunctionAnalysis::ScanExtremums(const AnalysisProgress& progress) {
    PostfixFunction f;
    if (!f.CompileFormula(formula_)) return;
    extremums_.clear();
    SetExtremumsCaption(0);
    const auto found = [this](bool isMax, long double x, long double y) {
        AddExtremumRow(isMax, x, y);
    };
    if (ScanTurns(f, params_, found, progress)) extremumsCaption_ += " (interrupted)";
}

void FunctionAnalysis::ScanExtremumsByDerivative(const AnalysisProgress& progress) {
    PostfixFunction f;
    PostfixFunction d;
    if (!f.CompileFormula(formula_) || !d.CompileDerivative(formula_)) return;
    extremums_.clear();
    SetExtremumsCaption(0);
    const long double eps = AnalysisTolerance(params_.DigitsNum, params_.MinX, params_.MaxX);
    const auto testPair = [&](long double px, long double pd, long double x, long double dx) {
        const bool isMax = pd > 0 && dx <= 0;
        const bool isMin = pd < 0 && dx >= 0;
        if (!isMax && !isMin) return;
        long double dm = 0;
        long double dq = 0;
        if (!d.Value((px + x) * 0.5L, dm) || !d.Value(x + eps, dq)) return;
        // A derivative that only touches 0 at a grid point (an inflection) keeps its sign
        // beyond it.
        const bool accept = isMax ? pd > dm && dm >= dx && (dx != 0 || dq < 0)
                                  : pd < dm && dm <= dx && (dx != 0 || dq > 0);
        if (!accept) return;
        bool failed = false;
        const long double xe = BisectRoot(d, px, x, eps, failed);
        if (failed) return;
        // The derivative changes sign across a pole of the function too.
        long double ye = 0;
        if (f.Value(xe, ye) && std::fabs(ye) <= kMaxExtremumValue && ExtremeIsContinuous(f, px, x))
            AddExtremumRow(isMax, xe, ye);
    };
    if (ScanGrid(params_, d, false, testPair, progress)) extremumsCaption_ += " (interrupted)";
}

std::string AnalysisRowNumber(long double v, int digitsNum) {
    const long double scale = Power10(digitsNum);
    long double r = RoundHalfAway(v * scale) / scale;
    if (StrToNumRounded(NumToStr(r)) == 0) r = 0;  // no "-0"
    return NumToStr(r);
}

void FunctionAnalysis::AddZeroRow(long double x) {
    if (zeros_.size() >= kMaxAnalysisResults) return;
    std::string text = AnalysisRowNumber(x, params_.DigitsNum);
    if (!zeros_.empty() && zeros_.back() == text) return;
    zeros_.push_back(std::move(text));
    zeroValues_.push_back(x);
    SetZeroesCaption(static_cast<int>(zeros_.size()));
}

void FunctionAnalysis::AddExtremumRow(bool isMax, long double x, long double y) {
    if (extremums_.size() >= kMaxAnalysisResults) return;
    ExtremumRow row{isMax, AnalysisRowNumber(x, params_.DigitsNum),
                    AnalysisRowNumber(y, params_.DigitsNum), x, y};
    if (!extremums_.empty() && extremums_.back().x == row.x) return;
    extremums_.push_back(std::move(row));
    SetExtremumsCaption(static_cast<int>(extremums_.size()));
}

void FunctionAnalysis::SetZeroesCaption(int n) {
    if (n < 0) {
        zeroesCaption_ = "Zeroes of function: not calculated";
    } else if (n == 0) {
        zeroesCaption_ = "Zeroes of function: none";
    } else {
        zeroesCaption_ = "Zeroes of function: " + std::to_string(n);
    }
}

void FunctionAnalysis::SetExtremumsCaption(int n) {
    if (n == -1) {
        extremumsCaption_ = "Extremums: not calculated";
    } else if (n == -2) {
        extremumsCaption_ = "Extremums: ";
    } else if (n == 0) {
        extremumsCaption_ = "Extremums: none";
    } else {
        extremumsCaption_ = "Extremums: " + std::to_string(n);
    }
}

std::vector<std::string> AnalysisParamLines(const AnalysisParams& params) {
    return {"Minimum of X = " + NumToStr(params.MinX), "Maximum of X = " + NumToStr(params.MaxX),
            "Accuracy (decimal signs) = " + std::to_string(params.DigitsNum),
            "Number of steps = " + std::to_string(params.StepsNum)};
}

std::vector<std::string> FunctionAnalysis::BuildReport() const {
    std::vector<std::string> lines = {"Analysis of function Y(x)=" + formula_,
                                      MinXText(),
                                      MaxXText(),
                                      DigitsText(),
                                      StepsText(),
                                      derivativeLine_,
                                      "",
                                      zeroesCaption_};
    if (params_.FindZeroes) lines.insert(lines.end(), zeros_.begin(), zeros_.end());
    lines.push_back("");
    lines.push_back(extremumsCaption_);
    if (params_.FindExtremums && !extremums_.empty()) {
        lines.push_back(AnalysisReportRow("", " X", " Y"));
        for (const ExtremumRow& row : extremums_)
            lines.push_back(AnalysisReportRow(row.isMax ? "max" : "min", row.x, row.y));
    }
    return lines;
}

}  // namespace plotwise
