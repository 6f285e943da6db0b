// Token list to postfix program: operator-precedence conversion.
#pragma once

#include <cstdint>

#include "formula/stack_list.h"

namespace plotwise {

class PostfixConverter {
  public:
    // Consumes tokens (last token on top). program is always refilled, its first
    // instruction on top. err is 0, 3 (an "(" left open) or 4 (a ")" without "(").
    void Transform(StackList&& tokens, StackList& program, std::uint8_t& err) const;
};

}  // namespace plotwise
