#include "derivative_tool.h"

#include "derivative.h"
#include "expr_tree.h"
#include "formula_errors.h"
#include "text_utils.h"

namespace plotwise {

DerivativeDisplay DescribeDerivative(const std::string& formula, const std::string& varName) {
    DerivativeDisplay display;
    if (RemoveSpaces(formula).empty()) {
        display.message = "Empty formula";
        return display;
    }
    std::uint8_t err = kNoError;
    const int depth = FormulaDepth(formula, varName, err);
    if (err != kNoError) {
        display.message = FormulaErrorText(err);
        return display;
    }
    if (depth >= kMaxDerivationDepth) {
        display.message = kTooLargeForDerivation;
        return display;
    }
    bool notDifferentiable = false;
    DerivativeText(formula, varName, err, display.text, notDifferentiable);
    if (notDifferentiable) {
        display.message = kNotDifferentiable;
    } else if (err != kNoError) {
        display.message = FormulaErrorText(err);
    } else if (display.text.size() >= kMaxDerivativeText) {
        display.message = kDerivativeTooLong;
    }
    if (!display.message.empty()) display.text.clear();
    return display;
}

}  // namespace plotwise
