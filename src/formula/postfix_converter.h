// Token list to postfix program: operator-precedence conversion.
#pragma once

#include "formula/formula_errors.h"
#include "formula/stack_list.h"

namespace plotwise {

// A postfix program, its first instruction on top, or error 1 to 4, and then the program
// is of no use.
struct [[nodiscard]] Compilation {
    FormulaError error = FormulaError::None;
    StackList program;
};

class PostfixConverter {
  public:
    // Consumes tokens (last token on top). The error is 3 (an "(" left open) or 4 (a ")"
    // without "(").
    Compilation Transform(StackList&& tokens) const;
};

}  // namespace plotwise
