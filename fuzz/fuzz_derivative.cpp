// The symbolic derivative on any text: analysis, differentiation, simplification and
// printing, as the Derivative window and the tangent tool reach them, and the derivative
// compiled back and evaluated.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "formula/check_formula.h"
#include "formula/compiled_formula.h"
#include "tools/derivative_tool.h"

using namespace plotwise;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 300) return 0;
    const char* const var = (data[0] & 1) ? "t" : "x";
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const DerivativeDisplay shown = DescribeDerivative(text, var);
    // No field holds more: a longer text is refused before any work on it.
    if (text.size() > kMaxFormulaLength && shown.message.empty()) __builtin_trap();
    if (shown.message.empty()) {
        // What the window shows must itself be a formula the program accepts.
        CompiledFormula derivative;
        if (derivative.Compile(shown.text, var) != FormulaError::None) __builtin_trap();
        for (long double x : {0.0L, 0.75L, -2.0L}) {
            if (!(std::fabs(derivative.Calculate(x).value) <= 1e500L)) __builtin_trap();
        }
    }
    return 0;
}
