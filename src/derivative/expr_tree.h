// Expression trees of one-variable formulas: built from postfix programs, measured, and
// checked for functions that have no derivative.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "formula/formula_errors.h"
#include "formula/stack_list.h"
#include "formula/token_codes.h"

namespace plotwise {

// One operand or operation. Binary operators use both subtrees; unary minus and functions
// keep their argument in right.
struct ExprNode {
    std::uint8_t code = kNumber;
    long double value = 0;  // numbers only
    std::unique_ptr<ExprNode> left;
    std::unique_ptr<ExprNode> right;

    // Frees the subtrees without recursion, so a tree of any height can go.
    ~ExprNode();
};

// A tree owns its nodes; resetting it frees them all.
using ExprTree = std::unique_ptr<ExprNode>;

// Callers refuse to differentiate a formula whose depth reaches this.
inline constexpr int kMaxDerivationDepth = 26;

// No formula a field accepts (253 characters) has more nodes than this; larger trees are
// refused before the recursive steps, which keeps their recursion shallow and their
// output small.
inline constexpr std::size_t kMaxDerivableNodes = 300;

// The tree of a compiled program (first instruction on top); empty when the program does
// not form exactly one tree.
ExprTree BuildTree(const StackList& program);

// The complexity measure: a leaf is 1; "+", "-" and unary minus add no level; every other
// node is one more than its deepest operand.
int TreeDepth(const ExprNode& node);

// TreeDepth of "(" + text + ")", or the syntax error (1 to 4) and a depth of 0. A formula
// with more than kMaxDerivableNodes nodes reports a depth of at least kMaxDerivationDepth.
struct [[nodiscard]] DepthOrError {
    int depth = 0;
    FormulaError error = FormulaError::None;
};
DepthOrError FormulaDepth(const std::string& text, const std::string& varName);

// False when ABS, INT or FRAC occurs anywhere; an empty tree is differentiable.
bool IsDifferentiable(const ExprNode* node);

}  // namespace plotwise
