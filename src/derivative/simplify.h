// Tree simplification: constant folding and the identities of 0, 1 and -1, bottom-up.
#pragma once

#include "derivative/expr_tree.h"

namespace plotwise {

// Rewrites the tree in place; nodes that disappear are freed. Folding goes through
// ApplyOperation, without Round12, and an operation it refuses stays unfolded.
void Simplify(ExprTree& node);

}  // namespace plotwise
