// The Tangent or Normal window's computation: the straight line touching (or crossing at a
// right angle) a Y(x), X(y), R(a) or X(t), Y(t) graph at a value of its variable. The
// window and plotwise-cli tangent share it.
#pragma once

#include <cstdint>
#include <string>

#include "plot/graph_record.h"
#include "plot/options_record.h"
#include "tools/derivative_tool.h"

namespace plotwise {

// Error codes beside the formula engine's own (1 to 4 compiling, 7 and 8 evaluating).
inline constexpr int kNoLine = 5;            // no direction at the point
inline constexpr int kTangentTooLarge = 11;  // the formula is too deep to derive
inline constexpr int kTangentNotDifferentiable = 12;

inline constexpr char kTangentValueNotNumber[] = "The value of the variable must be a number";
inline constexpr char kTangentValueTooLarge[] = "Too large absolute value of variable";

struct TangentResult {
    int error = 0;              // 0: formula and kind hold the line
    std::string formula;        // e.g. 2*x-1 or 0*y+1
    std::uint8_t kind = kYOfX;  // kYOfX (explicit in x) or kXOfY (in y)
};

// The line at value v of the graph's variable (for R(a) in multiples of pi). The graph must
// be of a kind HasDerivativeKind accepts.
TangentResult TangentLine(const GraphRecord& graph, long double v, bool normal);

// The text the window shows for a failed TangentLine.
std::string TangentErrorText(int error, bool normal);

// Reads the value edit: empty message and the value, or the message to show.
std::string CheckTangentValue(const std::string& text, long double& value);

// The graph the window adds: the line's kind with the default style and standard interval
// of options.
GraphRecord TangentRecord(const TangentResult& line, const OptionsRecord& options);

}  // namespace plotwise
