// plotwise-cli integrate FORMULA1 [FORMULA2] [--min A] [--max B] [--steps N] [--abs]: the
// Definite Integral window's result.
#include <iostream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "tools/integral_tool.h"

namespace plotwise::cli {

int RunIntegrate(const std::vector<std::string>& args) {
    const ParsedArgs parsed =
        ParseArgs(args, {{"--min", true}, {"--max", true}, {"--steps", true}, {"--abs", false}});
    if (!parsed.error.empty()) return Fail(parsed.error);
    if (parsed.positional.empty() || parsed.positional.size() > 2) {
        return Fail(
            "usage: plotwise-cli integrate FORMULA1 [FORMULA2] [--min A] [--max B] [--steps N] "
            "[--abs]");
    }
    const std::string formula2 = parsed.positional.size() == 2 ? parsed.positional[1] : "0";
    // The defaults are those of a fresh settings file.
    const IntegralCheck check = CheckIntegralInput(
        parsed.positional[0], formula2, parsed.Value("--min", "-10"), parsed.Value("--max", "10"),
        parsed.Value("--steps", "200"), parsed.Has("--abs"), parsed.notation);
    if (check.field != IntegralField::None) {
        const bool second = check.field == IntegralField::Formula2;
        return FailFormula(check.message, second ? formula2 : parsed.positional[0], check.spot);
    }
    std::cout << IntegralResultText(IntegrateSimpson(check.params, nullptr)) << '\n';
    return Printed();
}

}  // namespace plotwise::cli
