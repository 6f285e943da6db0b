// The two entry points of symbolic differentiation. Callers check FormulaDepth first and
// refuse a depth of kMaxDerivationDepth or more; a formula that large gives no result here.
#pragma once

#include <cstdint>
#include <string>

#include "formula/stack_list.h"

namespace plotwise {

// The simplified derivative as formula text, the variable printed as varName. A blank text
// leaves every output untouched. err is the syntax error (1 to 4); notDifferentiable is set
// for ABS, INT or FRAC, and then resultText is empty.
void DerivativeText(const std::string& text, const std::string& varName, std::uint8_t& err,
                    std::string& resultText, bool& notDifferentiable);

// The simplified derivative as tokens in "(" and ")", last token on top, ready for
// Transform and evaluation. Outputs as above; tokens is cleared when there is no result.
void DerivativeTokens(const std::string& text, const std::string& varName, StackList& tokens,
                      bool& notDifferentiable, std::uint8_t& err);

}  // namespace plotwise
