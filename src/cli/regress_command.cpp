// plotwise-cli regress FILE --table K [--type T] [--power P]: what the Regression window
// shows for the K-th table graph of a document.
#include <iostream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "formula/number_input.h"
#include "plot/document_file.h"
#include "tools/regression_tool.h"

namespace plotwise::cli {

int RunRegress(const std::vector<std::string>& args) {
    const ParsedArgs parsed =
        ParseArgs(args, {{"--table", true}, {"--type", true}, {"--power", true}});
    if (!parsed.error.empty()) return Fail(parsed.error);
    if (parsed.positional.size() != 1 || !parsed.Has("--table"))
        return Fail("usage: plotwise-cli regress FILE --table K [--type T] [--power P]");
    // The defaults are those of a fresh settings file.
    long long family = 0;
    if (!ReadInteger(parsed.Value("--type", "1"), family) || family < kLinear || family > kBestFit)
        return Fail("the regression type must be an integer from 1 up to 8");
    int power = 0;
    if (!ReadPolynomPower(parsed.Value("--power", "2"), power)) return Fail(kPolynomPowerMessage);
    DocumentContents document;
    const DocumentCheck check = LoadDocumentFile(parsed.positional[0], document);
    if (!check.valid) return Fail(check.Message(), check.formatError ? kExitInvalid : kExitIo);
    std::vector<const GraphRecord*> tables;
    for (const GraphRecord& graph : document.graphs)
        if (graph.Kind == kTable) tables.push_back(&graph);
    if (tables.empty()) return Fail("There is no graph determined by table");
    long long k = 0;
    const std::string tableText = parsed.Value("--table", "");
    if (!ReadInteger(tableText, k) || k < 1 || static_cast<std::size_t>(k) > tables.size())
        return Fail("the document has no table " + tableText);
    const RegressionDisplay shown = RecomputeRegression(*tables[static_cast<std::size_t>(k - 1)],
                                                        static_cast<int>(family), power);
    if (!shown.fitted) return Fail(shown.deviation);
    std::cout << shown.formula << '\n' << shown.deviation << '\n' << shown.rSquared << '\n';
    return Printed();
}

}  // namespace plotwise::cli
