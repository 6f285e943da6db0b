// What the Derivative window shows for one formula: its derivative text or the message
// that replaces it.
#pragma once

#include <cstddef>
#include <string>

namespace plotwise {

inline constexpr char kTooLargeForDerivation[] = "Too large expression for derivation";
inline constexpr char kNotDifferentiable[] = "The expression contains nondifferentiable function";
inline constexpr char kDerivativeTooLong[] = "Too long formula of the derivative";

// A derivative text of this many characters does not fit the derivative lines.
inline constexpr std::size_t kMaxDerivativeText = 251;

struct DerivativeDisplay {
    std::string text;     // the derivative when message is empty
    std::string message;  // "Empty formula", "Error N: ..." or one of the texts above
};

// Checks in the window's order: blank, syntax, depth, differentiability, length.
DerivativeDisplay DescribeDerivative(const std::string& formula, const std::string& varName);

}  // namespace plotwise
