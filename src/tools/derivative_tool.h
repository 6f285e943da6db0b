// What the Derivative window shows for one formula: its derivative text or the message
// that replaces it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "plot/graph_record.h"

namespace plotwise {

inline constexpr char kTooLargeForDerivation[] = "Too large expression for derivation";
inline constexpr char kNotDifferentiable[] = "The expression contains nondifferentiable function";
inline constexpr char kDerivativeTooLong[] = "Too long formula of the derivative";

// A derivative text of this many characters does not fit the derivative lines.
inline constexpr std::size_t kMaxDerivativeText = 251;

struct DerivativeDisplay {
    std::string text;     // the derivative when message is empty
    std::string message;  // "Empty formula", "Error N: ..." or one of the texts above
};

// Checks in the window's order: blank, syntax, depth, differentiability, length.
DerivativeDisplay DescribeDerivative(const std::string& formula, const std::string& varName);

inline constexpr char kNoDerivativeForKind[] = "Cannot calculate derivative for this graph type";

// Whether the Derivative and Tangent windows work on a graph of this kind: Y(x), X(y),
// R(a), X(t) and Y(t).
bool HasDerivativeKind(std::uint8_t kind);
// The variable a kind's formulas are written in, lower case as derivatives print it.
std::string FormulaVariable(std::uint8_t kind);

struct GraphDerivative {
    std::string formula;   // the derivative of Formula (of X(t) for a parametric graph)
    std::string formulaY;  // parametric graphs: of Y(t)
    std::string message;   // non-empty: shown instead of the derivative lines
};

// The Derivative window's lines for a graph, or the first message: the kind, an empty
// formula, then each formula in turn as DescribeDerivative judges it.
GraphDerivative DeriveGraph(const GraphRecord& graph);

// The graph the Derivative window adds: a copy of graph with its formulas replaced.
GraphRecord DerivativeRecord(const GraphRecord& graph, const GraphDerivative& derivative);

}  // namespace plotwise
