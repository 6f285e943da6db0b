#include "stack_list.h"

#include <algorithm>

namespace plotwise {

void TStackList::Pop(std::uint8_t& code, long double& value, bool& empty) {
    empty = items_.empty();
    if (empty) return;
    code = items_.back().code;
    value = items_.back().value;
    items_.pop_back();
}

void TStackList::Peek(std::size_t index, std::uint8_t& code, long double& value,
                      bool& outOfRange) const {
    outOfRange = index >= items_.size();
    if (outOfRange) return;
    const TStackItem& item = items_[items_.size() - 1 - index];
    code = item.code;
    value = item.value;
}

void TStackList::Reverse() {
    std::reverse(items_.begin(), items_.end());
}

}  // namespace plotwise
