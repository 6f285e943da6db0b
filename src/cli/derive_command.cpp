// plotwise-cli derive FORMULA [--var NAME]: the Derivative window's line for a formula.
#include <iostream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "formula/everyday_reader.h"
#include "tools/derivative_tool.h"

namespace plotwise::cli {

int RunDerive(const std::vector<std::string>& args) {
    const ParsedArgs parsed = ParseArgs(args, {{"--var", true}});
    if (!parsed.error.empty()) return Fail(parsed.error);
    if (parsed.positional.size() != 1)
        return Fail("usage: plotwise-cli derive FORMULA [--var NAME]");
    const std::string& typed = parsed.positional[0];
    const std::string name = parsed.Value("--var", "x");
    const FormulaReading read = ReadFormula(typed, {{name}, 'y'}, parsed.notation);
    if (!read.Ok()) return FailFormula(ReadingMessage(read), typed, read.spot);
    const DerivativeDisplay display = DescribeDerivative(read.text, name);
    if (!display.message.empty()) return Fail(display.message);
    std::cout << display.text << '\n';
    return Printed();
}

}  // namespace plotwise::cli
