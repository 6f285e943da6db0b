// Trees and token lists back to formula text that the analyser accepts again.
#pragma once

#include <string>

#include "derivative/expr_tree.h"
#include "derivative/token_list.h"

namespace plotwise {

// Fully parenthesised infix: every operator node in "(" and ")", function arguments in
// their own pair, leaves as single items. Appends to out.
void TreeToInfix(const ExprNode& node, TokenList& out);
TokenList TreeToInfix(const ExprNode& node);

// The text of one item; functions in lower case, the variable as varName, negative
// numbers in parentheses.
std::string TokenText(const StackItem& item, const std::string& varName);
std::string TokenListToText(const TokenList& list, const std::string& varName);

}  // namespace plotwise
