// plotwise-cli analyse FORMULA [--min A] [--max B] [--steps N] [--digits D] [--no-zeroes]
// [--no-extremums] [--derivative]: the function analysis report as its text file has it.
#include <iostream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "tools/function_analysis.h"

namespace plotwise::cli {

int RunAnalyse(const std::vector<std::string>& args) {
    const ParsedArgs parsed = ParseArgs(args, {{"--min", true},
                                               {"--max", true},
                                               {"--steps", true},
                                               {"--digits", true},
                                               {"--no-zeroes", false},
                                               {"--no-extremums", false},
                                               {"--derivative", false}});
    if (!parsed.error.empty()) return Fail(parsed.error);
    if (parsed.positional.size() != 1) {
        return Fail(
            "usage: plotwise-cli analyse FORMULA [--min A] [--max B] [--steps N] [--digits D] "
            "[--no-zeroes] [--no-extremums] [--derivative]");
    }
    // The defaults are those of a fresh settings file.
    AnalysisInput input;
    input.formula = parsed.positional[0];
    input.minX = parsed.Value("--min", "-10");
    input.maxX = parsed.Value("--max", "10");
    input.stepsNum = parsed.Value("--steps", "200");
    input.digitsNum = parsed.Value("--digits", "2");
    input.findZeroes = !parsed.Has("--no-zeroes");
    input.findExtremums = !parsed.Has("--no-extremums");
    input.useDerivative = parsed.Has("--derivative");
    const AnalysisCheck check = CheckAnalysisInput(input, parsed.notation);
    if (check.field != AnalysisField::None)
        return FailFormula(check.message, input.formula, check.spot);
    FunctionAnalysis analysis(check.read.formula, check.params);
    analysis.Run(nullptr);
    for (const std::string& line : analysis.BuildReport())
        std::cout << line << '\n';
    return Printed();
}

}  // namespace plotwise::cli
