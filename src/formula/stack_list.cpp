#include "formula/stack_list.h"

#include <algorithm>

namespace plotwise {

void StackList::Pop(std::uint8_t& code, long double& value, bool& empty) {
    empty = items_.empty();
    if (empty) return;
    code = items_.back().code;
    value = items_.back().value;
    items_.pop_back();
}

void StackList::Peek(std::size_t index, std::uint8_t& code, long double& value,
                     bool& outOfRange) const {
    outOfRange = index >= items_.size();
    if (outOfRange) return;
    const StackItem& item = items_[items_.size() - 1 - index];
    code = item.code;
    value = item.value;
}

void StackList::Reverse() {
    std::reverse(items_.begin(), items_.end());
}

}  // namespace plotwise
