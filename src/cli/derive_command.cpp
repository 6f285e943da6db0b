// plotwise-cli derive FORMULA [--var NAME]: the Derivative window's line for a formula.
#include <iostream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "tools/derivative_tool.h"

namespace plotwise::cli {

int RunDerive(const std::vector<std::string>& args) {
    const ParsedArgs parsed = ParseArgs(args, {{"--var", true}});
    if (!parsed.error.empty()) return Fail(parsed.error);
    if (parsed.positional.size() != 1)
        return Fail("usage: plotwise-cli derive FORMULA [--var NAME]");
    const DerivativeDisplay display =
        DescribeDerivative(parsed.positional[0], parsed.Value("--var", "x"));
    if (!display.message.empty()) return Fail(display.message);
    std::cout << display.text << '\n';
    return Printed();
}

}  // namespace plotwise::cli
