#include "derivative/token_list.h"

namespace plotwise {

StackList TokenListToStack(const TokenList& list) {
    StackList stack;
    for (const StackItem& item : list)
        stack.Push(item.code, item.value);
    return stack;
}

}  // namespace plotwise
