#include "formula/check_formula.h"

#include "formula/compiled_formula.h"
#include "formula/text_utils.h"

namespace plotwise {

FormulaError CheckFormula(const std::string& text, const std::string& varName) {
    if (RemoveSpaces(text).empty()) return FormulaError::None;
    return CompileProgram(text, varName).error;
}

FormulaError CheckFieldFormula(const std::string& text, const std::string& varName) {
    if (text.size() > kMaxFormulaLength) return FormulaError::Syntax;
    return CheckFormula(text, varName);
}

FormulaError CheckFormula2Var(const std::string& text, const std::string& firstName,
                              const std::string& secondName) {
    if (RemoveSpaces(text).empty()) return FormulaError::None;
    return CompileProgram2Var(text, firstName, secondName).error;
}

}  // namespace plotwise
