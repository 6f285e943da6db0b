#include "token_list.h"

namespace plotwise {

TStackList TokenListToStack(const TokenList& list) {
    TStackList stack;
    for (const TStackItem& item : list)
        stack.Push(item.code, item.value);
    return stack;
}

}  // namespace plotwise
