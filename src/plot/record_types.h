// The field types of the file records. Each is its bytes (alignment 1, no padding), so a
// record is a plain byte image that is copied, compared and written whole, unused bytes
// included.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "formula/extended.h"

static_assert(std::endian::native == std::endian::little, "records are little-endian images");

namespace plotwise {

// A one-byte boolean: any non-zero byte reads as true; the byte itself is kept.
struct Bool8 {
    std::uint8_t byte;

    operator bool() const { return byte != 0; }
    Bool8& operator=(bool value) {
        byte = value ? 1 : 0;
        return *this;
    }
};

// A little-endian 32-bit integer at any offset.
struct Int32 {
    std::uint8_t bytes[4];

    operator std::int32_t() const {
        std::int32_t value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    Int32& operator=(std::int32_t value) {
        std::memcpy(bytes, &value, sizeof bytes);
        return *this;
    }
};

// The 10-byte x87 extended format; long double holds the same bits in its first 10 bytes.
struct Extended80 {
    std::uint8_t bytes[10];

    operator long double() const {
        long double value = 0;
        std::memcpy(&value, bytes, sizeof bytes);
        return value;
    }
    Extended80& operator=(long double value) {
        std::memcpy(bytes, &value, sizeof bytes);
        return *this;
    }
};

// A length byte and Capacity single-byte characters. The text is read with the length
// clamped to the capacity; characters past the length are written as zero.
template <std::size_t Capacity>
struct ShortString {
    std::uint8_t length;
    char chars[Capacity];

    std::string Text() const { return std::string(chars, std::min<std::size_t>(length, Capacity)); }
    void SetText(const std::string& text) {
        const std::size_t n = std::min(text.size(), Capacity);
        std::memset(chars, 0, Capacity);
        std::memcpy(chars, text.data(), n);
        length = static_cast<std::uint8_t>(n);
    }
};

using String255 = ShortString<255>;
using String32 = ShortString<32>;

// Dialogs write a field only when its value changed: bytes a file left (string tails, true
// bytes other than 1, the sign of a zero) stay, so OK on an unchanged dialog changes nothing.
template <typename Field, typename Value>
void UpdateField(Field& field, Value value) {
    if (static_cast<Value>(field) != value) field = value;
}
template <std::size_t Capacity>
void UpdateField(ShortString<Capacity>& field, const std::string& text) {
    if (field.Text() != text) field.SetText(text);
}

static_assert(sizeof(Bool8) == 1 && sizeof(Int32) == 4 && sizeof(Extended80) == 10);
static_assert(sizeof(String255) == 256 && sizeof(String32) == 33);

// +Infinity, the value of an empty table cell and of a sample without a point.
inline constexpr long double kNoPoint = __builtin_infl();

}  // namespace plotwise
