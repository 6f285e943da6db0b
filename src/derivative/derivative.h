// The two entry points of symbolic differentiation. Callers check FormulaDepth first and
// refuse a depth of kMaxDerivationDepth or more; a formula that large gives no result here.
#pragma once

#include <string>

#include "formula/formula_errors.h"
#include "formula/stack_list.h"

namespace plotwise {

// The simplified derivative as formula text, the variable printed as varName; or the
// syntax error (1 to 4), or notDifferentiable for ABS, INT or FRAC, and then no text. A
// blank text gives no text and no error.
struct [[nodiscard]] DerivedText {
    FormulaError error = FormulaError::None;
    bool notDifferentiable = false;
    std::string text;
};
DerivedText DerivativeText(const std::string& text, const std::string& varName);

// The simplified derivative as tokens in "(" and ")", last token on top, ready for
// Transform and evaluation; otherwise as above, with no tokens.
struct [[nodiscard]] DerivedTokens {
    FormulaError error = FormulaError::None;
    bool notDifferentiable = false;
    StackList tokens;
};
DerivedTokens DerivativeTokens(const std::string& text, const std::string& varName);

}  // namespace plotwise
