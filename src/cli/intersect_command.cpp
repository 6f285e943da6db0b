// plotwise-cli intersect FILE --graphs N M [--min A] [--max B] [--steps S] [--digits D]: the
// intersections report of the Y(x) graph N and the Y(x) or X(y) graph M (M = 0: the X axis)
// of a document.
#include <algorithm>
#include <iostream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "formula/number_input.h"
#include "plot/document_file.h"
#include "plot/graph.h"
#include "tools/intersection_tool.h"

namespace plotwise::cli {
namespace {

constexpr char kUsage[] =
    "usage: plotwise-cli intersect FILE --graphs N M [--min A] [--max B] [--steps S] "
    "[--digits D]";

// The formula of graph n (from 1, as text reads) when it is a Y(x) graph with one (or, with
// ofY allowed, an X(y) graph), else the message.
bool GraphFormula(const DocumentContents& document, const std::string& text, long long n,
                  std::string& formula, std::string& message, bool* ofY = nullptr) {
    if (n < 1 || static_cast<std::size_t>(n) > document.graphs.size()) {
        message = "the document has no graph " + text;
        return false;
    }
    const GraphRecord& graph = document.graphs[static_cast<std::size_t>(n - 1)];
    const bool xOfY = ofY != nullptr && graph.Kind == kXOfY;
    if ((graph.Kind != kYOfX && !xOfY) || IsEmptyRecord(graph)) {
        message = "graph " + text +
                  (ofY != nullptr ? " is no Y(x) or X(y) graph with a formula"
                                  : " is no Y(x) graph with a formula");
        return false;
    }
    if (ofY != nullptr) *ofY = xOfY;
    formula = graph.Formula().Text();
    return true;
}

}  // namespace

int RunIntersect(const std::vector<std::string>& args) {
    // --graphs takes two values, which the option reader does not know; they are taken out
    // first, before any "--".
    std::vector<std::string> rest = args;
    const auto end = std::find(rest.begin(), rest.end(), "--");
    const auto graphs = std::find(rest.begin(), end, "--graphs");
    if (graphs == end || end - graphs < 3) return Fail(kUsage);
    const std::string first = graphs[1];
    const std::string second = graphs[2];
    rest.erase(graphs, graphs + 3);
    const ParsedArgs parsed =
        ParseArgs(rest, {{"--min", true}, {"--max", true}, {"--steps", true}, {"--digits", true}});
    if (!parsed.error.empty()) return Fail(parsed.error);
    if (parsed.positional.size() != 1) return Fail(kUsage);
    // The defaults are those of a fresh settings file's analysis.
    AnalysisInput input;
    input.minX = parsed.Value("--min", "-10");
    input.maxX = parsed.Value("--max", "10");
    input.stepsNum = parsed.Value("--steps", "200");
    input.digitsNum = parsed.Value("--digits", "2");
    const IntersectionCheck check = CheckIntersectionInput(input, parsed.notation);
    if (check.field != AnalysisField::None) return Fail(check.message);
    DocumentContents document;
    const DocumentCheck loaded = LoadDocumentFile(parsed.positional[0], document);
    if (!loaded.valid) return Fail(loaded.Message(), loaded.formatError ? kExitInvalid : kExitIo);
    std::string firstFormula;
    std::string secondFormula;
    std::string message;
    // Numbers, not texts, name the graphs: "01" is graph 1, and 0 the X axis.
    long long firstIndex = 0;
    long long secondIndex = 0;
    if (!ReadInteger(first, firstIndex)) firstIndex = -1;
    if (!ReadInteger(second, secondIndex)) secondIndex = -1;
    if (!GraphFormula(document, first, firstIndex, firstFormula, message)) return Fail(message);
    bool ofY = false;
    if (secondIndex != 0 &&
        !GraphFormula(document, second, secondIndex, secondFormula, message, &ofY))
        return Fail(message);
    if (firstIndex == secondIndex) return Fail(kSameGraphs);
    Intersections intersections(firstFormula, secondFormula, check.params, ofY);
    intersections.Run(nullptr);
    for (const std::string& line : intersections.BuildReport())
        std::cout << line << '\n';
    return Printed();
}

}  // namespace plotwise::cli
