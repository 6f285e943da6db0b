// The derivative rules: a tree to the infix token list of its derivative with respect to
// the formula's variable.
#pragma once

#include "derivative/expr_tree.h"
#include "derivative/token_list.h"

namespace plotwise {

// Operands appear in their fully parenthesised printing, so the list reads correctly with
// the language's precedence. The tree must not contain ABS, INT or FRAC
// (IsDifferentiable); such a node yields the number 0. Appends to out.
void Derive(const ExprNode& node, TokenList& out);
TokenList Derive(const ExprNode& node);

}  // namespace plotwise
