#include "formula/check_formula.h"

#include "formula/compiled_formula.h"
#include "formula/formula_errors.h"
#include "formula/text_utils.h"

namespace plotwise {

bool CheckFormula(const std::string& text, const std::string& varName, std::uint8_t& err) {
    err = kNoError;
    if (RemoveSpaces(text).empty()) return true;
    StackList program;
    CompileProgram(text, varName, err, program);
    return err == kNoError;
}

bool CheckFormula2Var(const std::string& text, const std::string& firstName,
                      const std::string& secondName, std::uint8_t& err) {
    err = kNoError;
    if (RemoveSpaces(text).empty()) return true;
    StackList program;
    CompileProgram2Var(text, firstName, secondName, err, program);
    return err == kNoError;
}

}  // namespace plotwise
