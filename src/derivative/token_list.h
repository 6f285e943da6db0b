// Token lists: formulas in infix order with explicit "(" and ")" items, as the derivative
// rules and the tree printer produce them. Positions are 0-based.
#pragma once

#include <vector>

#include "formula/stack_list.h"

namespace plotwise {

using TokenList = std::vector<StackItem>;

// The list as the analyser leaves tokens (last item on top), ready for Transform.
StackList TokenListToStack(const TokenList& list);

}  // namespace plotwise
