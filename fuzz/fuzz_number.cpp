// Number fields on any text: CheckNumStr, and every valid number shown and read back as
// the same value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "formula/number_input.h"
#include "formula/number_text.h"

using namespace plotwise;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 400) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    long double value = 0;
    if (CheckNumStr(text, value) != 0) return 0;
    if (!std::isfinite(value)) __builtin_trap();
    // A shown number reads back as the value shown: fields filled from numbers never drift.
    // Plain digits reach beyond what the power-of-ten form writes (10^200); no field keeps
    // such a value as a number.
    if (std::fabs(value) >= 1e200L) return 0;
    const std::string shown = NumToStr(value);
    long double again = 0;
    if (CheckNumStr(shown, again) != 0) __builtin_trap();
    if (NumToStr(again) != shown) __builtin_trap();
    StrToNum(text);
    return 0;
}
