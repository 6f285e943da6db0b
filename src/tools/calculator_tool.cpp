#include "tools/calculator_tool.h"

#include <cmath>
#include <cstdint>

#include "formula/compiled_formula.h"
#include "formula/formula_errors.h"
#include "formula/number_input.h"
#include "formula/number_text.h"
#include "formula/text_utils.h"

namespace plotwise {

CalculatorCheck CheckCalculatorInput(const std::string& formula, const std::string& name,
                                     const std::string& valueText, Notation notation) {
    CalculatorCheck check;
    const char letter = name.size() == 1 ? UpperAscii(name[0]) : '\0';
    if (letter < 'A' || letter > 'Z') {
        check.field = CalculatorField::VariableName;
        check.message = "The name of the variable must\rbe a letter of the latin alphabet";
        return check;
    }
    long double value = 0;
    check.valueText = ReadNumberText(valueText, notation);
    if (CheckNumStr(check.valueText, value) != 0) {
        check.field = CalculatorField::VariableValue;
        check.message = "The value of the variable must be a number";
        return check;
    }
    if (std::fabs(value) > 1e500L) {
        check.field = CalculatorField::VariableValue;
        check.message = "Too large value of the variable";
        return check;
    }
    const FormulaReading read = ReadFormula(formula, {{name}}, notation);
    if (!read.Ok()) {
        check.field = CalculatorField::Formula;
        check.message = ReadingMessage(read);
        check.spot = read.spot;
        return check;
    }
    check.formula = read.text;
    if (RemoveSpaces(read.text).empty()) {
        check.field = CalculatorField::Formula;
        check.message = "Empty formula";
        return check;
    }
    check.value = value;
    return check;
}

std::string GetResultString(const std::string& formula, const std::string& name,
                            long double value) {
    CompiledFormula compiled;
    if (compiled.Compile(formula, name) != FormulaError::None) return "Error";
    const Evaluation result = compiled.Calculate(value);
    return result.Ok() ? NumToStrDecimals(result.value, 10) : "Error";
}

}  // namespace plotwise
