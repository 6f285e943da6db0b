// plotwise-cli eval FORMULA [--var NAME] [--value NUMBER]: the Calculator window's result.
#include <iostream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "tools/calculator_tool.h"

namespace plotwise::cli {

int RunEval(const std::vector<std::string>& args) {
    const ParsedArgs parsed = ParseArgs(args, {{"--var", true}, {"--value", true}});
    if (!parsed.error.empty()) return Fail(parsed.error);
    if (parsed.positional.size() != 1) {
        return Fail("usage: plotwise-cli eval FORMULA [--var NAME] [--value NUMBER]");
    }
    const std::string& formula = parsed.positional[0];
    const std::string name = parsed.Value("--var", "X");
    const CalculatorCheck check =
        CheckCalculatorInput(formula, name, parsed.Value("--value", "0"), parsed.notation);
    if (check.field != CalculatorField::None)
        return FailFormula(check.message, formula, check.spot);
    std::cout << GetResultString(check.formula, name, check.value) << '\n';
    return Printed();
}

}  // namespace plotwise::cli
