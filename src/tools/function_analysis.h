// The function analysis tool's computation: the zeros and local extremums of one Y(x)
// formula over an interval, found on a grid and refined, and the report of what was found.
// The results window and plotwise-cli analyse both run exactly this.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "formula/compiled_formula.h"
#include "formula/everyday_reader.h"

namespace plotwise {

struct AnalysisParams {
    long double MinX = -10;
    long double MaxX = 10;
    bool FindZeroes = true;
    bool FindExtremums = true;
    int DigitsNum = 2;  // decimals after the point, 0 to 5
    int StepsNum = 200;
    bool UseDerivative = false;
};

inline constexpr int kMinAnalysisSteps = 100;
inline constexpr int kMaxAnalysisSteps = 20000;
inline constexpr int kMaxAnalysisDigits = 5;
// A table holds at most this many results; later ones are neither added nor counted.
inline constexpr std::size_t kMaxAnalysisResults = 2000;

// The options dialog's fields as the user left them.
struct AnalysisInput {
    std::string formula;
    std::string minX;
    std::string maxX;
    std::string stepsNum;
    std::string digitsNum;
    bool findZeroes = true;
    bool findExtremums = true;
    bool useDerivative = false;
};

enum class AnalysisField { None, Formula, MinX, MaxX, StepsNum, DigitsNum, Nulls, UseDerivative };

struct AnalysisCheck {
    AnalysisField field = AnalysisField::None;    // None: every field is valid
    std::string message;                          // "\r" marks a line break
    std::optional<TextSpot> spot = std::nullopt;  // where in the formula its error is
    AnalysisParams params;                        // the fields read, when valid
    AnalysisInput read;  // the input as read: the formula in the language, numbers as numbers
};

// Checks the fields in the dialog's order and reports the first failure.
AnalysisCheck CheckAnalysisInput(const AnalysisInput& input, Notation notation = Notation::Strict);

// The interval, steps and decimals fields of input into p, in the dialog's order: the first
// failing field with its message, or None.
AnalysisField CheckScanFields(const AnalysisInput& input, AnalysisParams& p, std::string& message);

// Refinements stop at this width: a tenth of the last decimal shown, or a 10^12th of the
// interval when that is wider.
long double AnalysisTolerance(int digitsNum, long double minX, long double maxX);

// The derivative line of the results: "Y'(x)=" and the derivative, or why there is none.
std::string AnalysisDerivativeLine(const std::string& formula);

// One compiled postfix program with its evaluator: the formula or its derivative.
class PostfixFunction {
  public:
    // False when the formula does not compile (the function is then never defined).
    bool CompileFormula(const std::string& formula);
    // False when the formula is too large to derive, not differentiable or invalid.
    bool CompileDerivative(const std::string& formula);
    // The function whose zeros are where the Y(x) graph of formula meets the graph of other:
    // formula minus other for a Y(x) graph, other(formula(x)) - x for an X(y) graph (the
    // point (x, formula(x)) lies on it just then). False when either does not compile.
    bool CompileDifference(const std::string& formula, const std::string& other,
                           bool otherOfY = false);
    // False where the function has no value.
    bool Value(long double x, long double& y);

  private:
    CompiledFormula compiled_;
    std::unique_ptr<CompiledFormula> subtracted_;  // set by CompileDifference
    bool subtractedOfY_ = false;
};

// A root of f between grid points left < right whose values differ in sign: halves the
// interval until it is narrower than eps, or until the midpoint is one of its ends.
// failed is set when f has no value at any point tried; the result then means nothing.
long double BisectRoot(PostfixFunction& f, long double left, long double right, long double eps,
                       bool& failed);

// The maximum (when f rises from left to the middle) or minimum of f in left..right, narrowed
// by comparing two points eps apart about the middle; stops as BisectRoot does.
long double RefineExtremum(PostfixFunction& f, long double left, long double right, long double eps,
                           bool& failed);

// Called at every tenth of a scan's progress (10, 20, ... 100); true interrupts the scan.
using AnalysisProgress = std::function<bool(int percent)>;

// The zero scan: each sign change between neighbouring grid points of params whose value
// halfway lies between theirs (a sign change across a pole does not), refined by BisectRoot,
// goes to found. True when progress interrupted it.
bool ScanSignChanges(PostfixFunction& f, const AnalysisParams& params,
                     const std::function<void(long double root)>& found,
                     const AnalysisProgress& progress);

// The numeric extremum scan: each strict turn of the grid values where the function is
// continuous and bounded, refined by RefineExtremum, goes to found. True when interrupted.
bool ScanTurns(PostfixFunction& f, const AnalysisParams& params,
               const std::function<void(bool isMax, long double x, long double y)>& found,
               const AnalysisProgress& progress);

// v rounded to digitsNum decimals as a results table shows it (a zero never negative).
std::string AnalysisRowNumber(long double v, int digitsNum);
// A report line of a type column and the X and Y columns, as "%-5s%-19s%-19s" writes it
// for the default width.
std::string AnalysisReportRow(const std::string& type, const std::string& x, const std::string& y,
                              std::size_t typeWidth = 5);

// The interval, decimals and steps lines of a report, in that order.
std::vector<std::string> AnalysisParamLines(const AnalysisParams& params);

struct ExtremumRow {
    bool isMax = false;
    std::string x;
    std::string y;
    long double xValue = 0;  // where it was found, before rounding
    long double yValue = 0;
};

// One analysis of one formula: the tables and captions the results window shows and the
// report built from them.
class FunctionAnalysis {
  public:
    // The captions start as "not calculated" for what params leave out, the extremums' as
    // pending ("Extremums: ") otherwise.
    FunctionAnalysis(std::string formula, const AnalysisParams& params);

    // The scans params ask for, in order: zeros, then extremums by the derivative or not.
    void Run(const AnalysisProgress& progress);

    void ScanZeroes(const AnalysisProgress& progress);
    void ScanExtremums(const AnalysisProgress& progress);
    void ScanExtremumsByDerivative(const AnalysisProgress& progress);

    // Rounded to DigitsNum decimals (a zero never negative); a row equal in X to the last
    // one is dropped and not counted, and so is any row beyond kMaxAnalysisResults.
    void AddZeroRow(long double x);
    void AddExtremumRow(bool isMax, long double x, long double y);

    // n < 0: not calculated; 0: none; else the count. Extremums: -2 is pending.
    void SetZeroesCaption(int n);
    void SetExtremumsCaption(int n);

    const std::string& Formula() const { return formula_; }
    const AnalysisParams& Params() const { return params_; }
    // "Minimum of X = ...", "Maximum of X = ...", "Accuracy (decimal signs) = ...",
    // "Number of steps = ...": the window's labels and the report's lines.
    std::string MinXText() const { return AnalysisParamLines(params_)[0]; }
    std::string MaxXText() const { return AnalysisParamLines(params_)[1]; }
    std::string DigitsText() const { return AnalysisParamLines(params_)[2]; }
    std::string StepsText() const { return AnalysisParamLines(params_)[3]; }
    const std::string& DerivativeLine() const { return derivativeLine_; }
    const std::string& ZeroesCaption() const { return zeroesCaption_; }
    const std::string& ExtremumsCaption() const { return extremumsCaption_; }
    const std::vector<std::string>& Zeros() const { return zeros_; }
    // Where each zero was found, before rounding.
    const std::vector<long double>& ZeroValues() const { return zeroValues_; }
    const std::vector<ExtremumRow>& Extremums() const { return extremums_; }

    // The lines the clipboard and the text file get, without line ends.
    std::vector<std::string> BuildReport() const;

  private:
    std::string formula_;
    AnalysisParams params_;
    std::string derivativeLine_;
    std::string zeroesCaption_;
    std::string extremumsCaption_;
    std::vector<std::string> zeros_;
    std::vector<long double> zeroValues_;
    std::vector<ExtremumRow> extremums_;
};

}  // namespace plotwise
