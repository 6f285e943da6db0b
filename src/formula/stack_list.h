// StackList: the (code, value) sequence that holds token lists, postfix programs and the
// transformer's operator stack. Items live in one contiguous array, bottom first, so a
// calculator can walk a program without chasing links.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace plotwise {

struct StackItem {
    long double value;
    std::uint8_t code;
};

class StackList {
  public:
    void Push(std::uint8_t code, long double value = 0) { items_.push_back({value, code}); }

    // Removes the top item; on an empty list sets empty and changes nothing.
    void Pop(std::uint8_t& code, long double& value, bool& empty);

    // Reads the item index places below the top (0 = top).
    void Peek(std::size_t index, std::uint8_t& code, long double& value, bool& outOfRange) const;

    // Turns the list upside down: the former bottom item ends on top.
    void Reverse();

    void Clear() { items_.clear(); }
    std::size_t Size() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }

    // Bottom-to-top view; the top item is the last one.
    const StackItem* Data() const { return items_.data(); }

  private:
    std::vector<StackItem> items_;
};

}  // namespace plotwise
