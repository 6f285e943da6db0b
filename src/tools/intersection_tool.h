// The intersections tool's computation: where a Y(x) formula meets another, an X(y) formula
// or the X axis over an interval of X. The points are the zeros of the difference found by
// Analyse Function's zero scan (the same pole guard and refinement), together with the
// touching points: turns of the difference whose value is 0 at the decimals shown. The
// Intersections window and plotwise-cli intersect both run exactly this.
#pragma once

#include <string>
#include <vector>

#include "formula/everyday_reader.h"
#include "tools/function_analysis.h"

namespace plotwise {

inline constexpr char kNoFunctionGraph[] = "There is no graph of function Y(x)";
// A graph against itself meets everywhere; the tool asks for two.
inline constexpr char kSameGraphs[] = "Choose two different graphs";

struct IntersectionCheck {
    AnalysisField field = AnalysisField::None;  // None: every field is valid
    std::string message;                        // "\r" marks a line break
    AnalysisParams params;                      // the fields read, when valid
};

// The interval, steps and decimals of input (its formula and switches are not read), checked
// as Analyse Function checks them.
IntersectionCheck CheckIntersectionInput(const AnalysisInput& input,
                                         Notation notation = Notation::Strict);

struct IntersectionRow {
    bool touching = false;  // the graphs meet without crossing
    std::string x;          // as listed: rounded to the decimals asked for
    std::string y;
    long double xValue = 0;  // where the point was found, before rounding
    long double yValue = 0;
};

class Intersections {
  public:
    // first: a Y(x) formula; second: another, or with secondOfY an X(y) formula, or empty
    // for the X axis.
    Intersections(std::string first, std::string second, const AnalysisParams& params,
                  bool secondOfY = false);

    // The crossings, then the touching points; the rows end sorted by X.
    void Run(const AnalysisProgress& progress);

    const std::vector<IntersectionRow>& Rows() const { return rows_; }
    const AnalysisParams& Params() const { return params_; }
    const std::string& First() const { return first_; }
    const std::string& Second() const { return second_; }
    // "Intersections of Y(x)=..." and "and Y(x)=...", "and X(y)=..." or "and the X axis".
    std::vector<std::string> TitleLines() const;
    // "Intersections: N", "none", "(interrupted)" after either.
    const std::string& Caption() const { return caption_; }
    // The lines the clipboard and the text file get, without line ends.
    std::vector<std::string> BuildReport() const;

  private:
    void Add(bool touching, long double x, PostfixFunction& first);

    std::string first_;
    std::string second_;
    bool secondOfY_;
    AnalysisParams params_;
    std::vector<IntersectionRow> rows_;
    std::string caption_ = "Intersections: ";
};

}  // namespace plotwise
