// plotwise-cli number TEXT: the text read as a number field reads it, shown as the
// program shows numbers.
#include <iostream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "formula/everyday_reader.h"
#include "formula/number_input.h"
#include "formula/number_text.h"

namespace plotwise::cli {

int RunNumber(const std::vector<std::string>& args) {
    const ParsedArgs parsed = ParseArgs(args, {});
    if (parsed.positional.size() != 1) return Fail("usage: plotwise-cli number TEXT");
    const std::string text = ReadNumberText(parsed.positional[0], parsed.notation);
    long double value = 0;
    if (CheckNumStr(text, value) != 0) return Fail("invalid number");
    std::cout << NumToStr(StrToNumRounded(text)) << '\n';
    return Printed();
}

}  // namespace plotwise::cli
