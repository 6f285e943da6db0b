// Removing the parentheses of a fully parenthesised token list that precedence makes
// redundant. Positions are 0-based.
#pragma once

#include <cstddef>

#include "derivative/token_list.h"

namespace plotwise {

// The position of the ")" that closes the "(" at open; list.size() when there is none.
std::size_t MatchingParen(const TokenList& list, std::size_t open);

// The lowest operator level at the top level of from..to (inclusive), parenthesised
// groups skipped: 0 "+", "-" or unary minus; 1 "*" or "/"; 2 "^"; 3 an atom or a call.
int MinPrecedence(const TokenList& list, std::size_t from, std::size_t to);

// Deletes every pair whose removal leaves the formula's meaning unchanged.
void RemoveParens(TokenList& list);

}  // namespace plotwise
