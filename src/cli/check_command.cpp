// plotwise-cli check FILE: whether the document opens, and how many graphs it holds.
#include <iostream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "plot/document_file.h"

namespace plotwise::cli {

int RunCheck(const std::vector<std::string>& args) {
    const ParsedArgs parsed = ParseArgs(args, {});
    if (!parsed.error.empty()) return Fail(parsed.error);
    if (parsed.positional.size() != 1) return Fail("usage: plotwise-cli check FILE");
    const DocumentCheck check = CheckDocumentFile(parsed.positional[0]);
    if (!check.valid) return Fail(check.Message(), check.formatError ? kExitInvalid : kExitIo);
    std::cout << "valid: " << check.graphs << " graphs\n";
    return Printed();
}

}  // namespace plotwise::cli
