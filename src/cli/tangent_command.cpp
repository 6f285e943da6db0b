// plotwise-cli tangent FILE --graph N --at V [--normal]: the line the Tangent or Normal
// window adds for graph N of a document.
#include <iostream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "formula/everyday_reader.h"
#include "formula/number_input.h"
#include "plot/document_file.h"
#include "plot/graph.h"
#include "tools/tangent_tool.h"

namespace plotwise::cli {

int RunTangent(const std::vector<std::string>& args) {
    const ParsedArgs parsed =
        ParseArgs(args, {{"--graph", true}, {"--at", true}, {"--normal", false}});
    if (!parsed.error.empty()) return Fail(parsed.error);
    if (parsed.positional.size() != 1 || !parsed.Has("--graph") || !parsed.Has("--at"))
        return Fail("usage: plotwise-cli tangent FILE --graph N --at V [--normal]");
    DocumentContents document;
    const DocumentCheck check = LoadDocumentFile(parsed.positional[0], document);
    if (!check.valid) return Fail(check.Message(), check.formatError ? kExitInvalid : kExitIo);
    long long n = 0;
    const std::string graphText = parsed.Value("--graph", "");
    if (!ReadInteger(graphText, n) || n < 1 || static_cast<std::size_t>(n) > document.graphs.size())
        return Fail("the document has no graph " + graphText);
    const GraphRecord& graph = document.graphs[static_cast<std::size_t>(n - 1)];
    if (!HasDerivativeKind(graph.Kind)) return Fail("It is impossible to plot a tangent/normal");
    if (IsEmptyRecord(graph)) return Fail("Empty formula");
    long double value = 0;
    const std::string refused =
        CheckTangentValue(ReadNumberText(parsed.Value("--at", ""), parsed.notation), value);
    if (!refused.empty()) return Fail(refused);
    const bool normal = parsed.Has("--normal");
    const TangentResult line = TangentLine(graph, value, normal);
    if (line.error != 0) return Fail(TangentErrorText(line.error, normal));
    std::cout << line.formula << '\n';
    return Printed();
}

}  // namespace plotwise::cli
