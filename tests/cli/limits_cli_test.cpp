// plotwise-cli at its limits: formulas no field could hold, a render that runs out of time,
// and an output that would replace its own document.
#include <gtest/gtest.h>

#include <filesystem>

#include "../plot/plot_test_support.h"
#include "cli_test_support.h"
#include "plot/document_file.h"

namespace plotwise {
namespace {

using namespace testing_support;

TEST(CliLimits, FormulasLongerThanAFieldAreSyntaxErrorsForEveryCommand) {
    std::string sum = "x";
    while (sum.size() < 255)
        sum += "+x";
    for (const char* command : {"eval", "derive", "analyse", "integrate"}) {
        for (const std::string& formula : {sum, sum + " "}) {
            const CliRun run = RunCli({command, formula});
            const bool refused = formula.size() > 255;
            EXPECT_EQ(run.err == "Error 1: syntax error\n", refused) << command << formula.size();
            EXPECT_EQ(run.code == 2, refused) << command << " " << run.err;
        }
    }
}

TEST(CliLimits, RenderOutOfTimeOrOverItsOwnDocumentWritesNothing) {
    ScratchFolder folder;
    const std::string doc = folder.File("doc.plw");
    Document document(StandardOptions());
    GraphRecord slow = GraphOfKind(kEquation, "sin(x*y)-cos(x^2-y^2)");
    slow.Relation() = 1;
    slow.Area().StepsNumX = slow.Area().StepsNumY = 400;
    for (int k = 0; k < 30; ++k)
        document.AddGraph(slow);
    ASSERT_TRUE(WriteDocument(document, doc));
    std::filesystem::create_symlink(doc, folder.File("link.bmp"));
    std::filesystem::create_hard_link(doc, folder.File("hard.bmp"));
    const std::vector<unsigned char> bytes = FileBytes(doc);
    const std::string out = folder.File("out.bmp");
    const std::string same = "the output file is the document itself\n";
    // clang-format off
    const struct { std::vector<std::string> args; std::string err; int code; } cases[] = {
        {{"render", doc, out, "--timeout", "0.2"}, "Calculation interrupted\n", 3},
        {{"render", doc, out, "--timeout", "0"}, "The timeout must be a number of seconds\nfrom 0.001 up to 1000000\n", 2},
        {{"render", doc, doc}, same, 2},
        {{"render", doc, folder.File("link.bmp")}, same, 2},
        {{"render", doc, folder.File("hard.bmp")}, same, 2},
    };
    // clang-format on
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.err, c.err) << c.args[2];
        EXPECT_EQ(run.code, c.code) << c.args[2];
    }
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(FileBytes(doc), bytes);
}

}  // namespace
}  // namespace plotwise
