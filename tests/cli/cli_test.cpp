// plotwise-cli from the outside: output, messages and exit codes of every command (tangent,
// regress, check and render read the shipped example documents), and its limits: formulas no
// field could hold, a render that runs out of time or would replace its own document; everyday
// notation read as the windows read it, mistakes shown with a caret, and --strict.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "../plot/plot_test_support.h"
#include "plot/document_file.h"

namespace plotwise {
namespace {

using namespace testing_support;

struct CliRun {
    std::string out, err;
    int code;
};

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string TakeFile(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    std::remove(path.c_str());
    return text.str();
}

// The files are this process's own: CTest runs tests side by side.
CliRun RunCli(const std::vector<std::string>& args) {
    const std::string base = testing::TempDir() + "plotwise_cli_" + std::to_string(getpid());
    std::string command = PLOTWISE_CLI;
    for (const std::string& arg : args)
        command += ' ' + Quote(arg);
    const int status =
        std::system((command + " >" + Quote(base + ".out") + " 2>" + Quote(base + ".err")).c_str());
    return {TakeFile(base + ".out"), TakeFile(base + ".err"),
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(PlotwiseCli, Commands) {
    const std::string ex = std::string(PLOTWISE_EXAMPLES) + "/";
    std::string deep = "x";
    for (int i = 0; i < 24; ++i)
        deep = "sin(" + deep + ")";
    const std::string empty = testing::TempDir() + "plotwise_cli_empty.plw";
    std::ofstream(empty).close();
    const char* letter = "The name of the variable must\nbe a letter of the latin alphabet\n";
    const char* order = "Maximum of X must be more\nthan minimum of X\n";
    const std::string bitmap = testing::TempDir() + "plotwise_cli_bmp_" + std::to_string(getpid());
    const char* width = "The width of bitmap must be an integer\nfrom 100 up to 3000\n";
    // clang-format off
    const struct { std::vector<std::string> args; std::string out; const char* err; int code; } cases[] = {
        {{"eval", "x^2+1", "--value", "3"}, "10\n", "", 0},
        {{"eval", "sin(t)", "--var", "t"}, "0\n", "", 0}, {{"eval", "1/x"}, "Error\n", "", 0},
        {{"eval", "--value=2", "x*x"}, "4\n", "", 0},
        {{"eval", "--", "--value"}, "", "Error 1: syntax error\n--value\n  ^\n", 2},
        {{"eval", " "}, "", "Empty formula\n", 2}, {{"eval", "x", "--var", "1"}, "", letter, 2},
        {{"eval", "(", "--var", ""}, "", letter, 2},
        {{"eval", "(", "--value", "2*10^501"}, "", "The value of the variable must be a number\n", 2},
        {{"eval", "(", "--value", "2" + std::string(501, '0')}, "", "Too large value of the variable\n", 2},
        {{"eval", "x", "--value"}, "", "option --value needs a value\n", 2},
        {{"eval"}, "", "usage: plotwise-cli eval FORMULA [--var NAME] [--value NUMBER]\n", 2},
        {{"eval", "x", "--help"}, "Usage: plotwise-cli eval FORMULA [--var NAME] [--value NUMBER]\n", "", 0},
        {{"number", "1.23456789"}, "1.2345679\n", "", 0},
        {{"number", "-12345678"}, "-1.2345678*10^7\n", "", 0},
        {{"number", "1e5"}, "100000\n", "", 0},
        {{"derive", "sin(x^2)"}, "cos(x^2)*2*x\n", "", 0},
        {{"derive", "A^3", "--var", "a"}, "3*a^2\n", "", 0},
        {{"derive", "x^2", "--var", "t"}, "", "Error 1: syntax error\nx^2\n^\n", 2},
        {{"derive", deep}, "", "Too long formula of the derivative\n", 2},
        {{"frobnicate"}, "", "unknown command: frobnicate (see plotwise-cli --help)\n", 2},
        {{"check", ex + "equation.plw"}, "valid: 2 graphs\n", "", 0},
        {{"check", ex + "table.plw"}, "valid: 1 graphs\n", "", 0},
        {{"check", empty}, "", "Incorrect format of the file\n", 2},
        {{"check", ex + "missing.plw"}, "", "Input-output error\n", 3},
        {{"integrate", "0", "x", "--min=0", "--max=2"}, "-2\n", "", 0},
        {{"integrate", "x", "--abs", "--min", "-1", "--max", "1"}, "1\n", "", 0},
        {{"integrate", "1"}, "20\n", "", 0},  // -10..10 unless told
        {{"integrate", "1/x", "--steps", "10"}, "Error at function evaluation\n", "", 0},
        {{"integrate", "x", "--steps", "9"}, "", "The number of steps must be\nan integer from 10 up to 2000\n", 2},
        {{"integrate", "x", "--min", "5", "--max", "5"}, "", order, 2},
        {{"integrate", "x", "0", "x"}, "", "usage: plotwise-cli integrate FORMULA1 [FORMULA2] [--min A] [--max B] [--steps N] [--abs]\n", 2},
        {{"intersect", ex + "y_of_x.plw", "--max", "7", "--graphs", "1", "0", "--min=0", "--steps", "100", "--digits", "3"},
         "Intersections of Y(x)=x*sin(x)\nand the X axis\nMinimum of X = 0\nMaximum of X = 7\nAccuracy (decimal signs) = 3\nNumber of steps = 100\n\n"
         "Intersections: 2\n      X                  Y                  \n      3.142              0                  \n      6.283              0                  \n", "", 0},
        {{"intersect", ex + "gallery.plw", "--graphs", "1", "2", "--digits", "0"},
         "Intersections of Y(x)=3*sin(x)+4\nand X(y)=y^2/10-9\nMinimum of X = -10\nMaximum of X = 10\nAccuracy (decimal signs) = 0\nNumber of steps = 200\n\n"
         "Intersections: 3\n      X                  Y                  \n      -9                 2                  \n      -6                 6                  \n      -4                 7                  \n", "", 0},
        {{"intersect", ex + "gallery.plw", "--graphs", "2", "1"}, "", "graph 2 is no Y(x) graph with a formula\n", 2},
        {{"intersect", ex + "gallery.plw", "--graphs", "1", "3"}, "", "graph 3 is no Y(x) or X(y) graph with a formula\n", 2},
        {{"intersect", ex + "y_of_x.plw", "--graphs", "1", "01"}, "", "Choose two different graphs\n", 2},
        {{"intersect", ex + "y_of_x.plw", "--graphs", "1", "0", "--max", "-20"}, "", order, 2},
        {{"intersect", ex + "y_of_x.plw", "--graphs", "1"}, "", "usage: plotwise-cli intersect FILE --graphs N M [--min A] [--max B] [--steps S] [--digits D]\n", 2},
        {{"tangent", ex + "x_of_y.plw", "--graph", "1", "--at", "2"}, "1*y-6\n", "", 0},
        {{"tangent", ex + "parametric.plw", "--graph=1", "--at", "0"}, "0*y+8\n", "", 0},
        {{"tangent", ex + "polar.plw", "--graph", "1", "--at", "0", "--normal"}, "0*x+0\n", "", 0},
        {{"tangent", ex + "equation.plw", "--graph", "2", "--at", "0"}, "", "It is impossible to plot a tangent/normal\n", 2},
        {{"tangent", ex + "y_of_x.plw", "--graph", "2", "--at", "0"}, "", "the document has no graph 2\n", 2},
        {{"tangent", ex + "y_of_x.plw", "--graph", "1", "--at", "abc"}, "", "The value of the variable must be a number\n", 2},
        {{"tangent", ex + "y_of_x.plw", "--graph", "1"}, "", "usage: plotwise-cli tangent FILE --graph N --at V [--normal]\n", 2},
        {{"tangent", ex + "missing.plw", "--graph", "1", "--at", "0"}, "", "Input-output error\n", 3},
        {{"regress", ex + "table.plw", "--table", "1"}, "1.0588235*x+5.6666667\nRoot-mean-square deviation=4.8169092\nR^2=0.2149491\n", "", 0},
        {{"regress", ex + "table.plw", "--table", "2"}, "", "the document has no table 2\n", 2},
        {{"regress", ex + "y_of_x.plw", "--table", "1"}, "", "There is no graph determined by table\n", 2},
        {{"regress", ex + "table.plw", "--table", "1", "--type", "7", "--power", "10"}, "", "The power of polynomial must be\nan integer from 2 up to 9\n", 2},
        {{"regress", ex + "table.plw", "--table", "1", "--type", "9"}, "", "the regression type must be an integer from 1 up to 8\n", 2},
        // analyse prints the report as its text file has it.
        {{"analyse", "-x^2+2", "--min=-1", "--max", "1.5*10^3", "--steps", "20000", "--digits", "4", "--no-zeroes", "--derivative"},
         "Analysis of function Y(x)=-x^2+2\nMinimum of X = -1\nMaximum of X = 1500\nAccuracy (decimal signs) = 4\n"
         "Number of steps = 20000\nY'(x)=-2*x\n\nZeroes of function: not calculated\n\nExtremums: 1\n"
         "     X                  Y                  \nmax  0                  2                  \n", "", 0},
        {{"analyse", "sin(x)", "--no-extremums"},
         "Analysis of function Y(x)=sin(x)\nMinimum of X = -10\nMaximum of X = 10\nAccuracy (decimal signs) = 2\n"
         "Number of steps = 200\nY'(x)=cos(x)\n\nZeroes of function: 7\n-9.42\n-6.28\n-3.14\n0\n3.14\n6.28\n9.42\n\n"
         "Extremums: not calculated\n", "", 0},
        {{"analyse", "abs(x)-1", "--min=-1*10^100", "--max", "2.5*10^(-7)", "--steps", "100", "--digits", "5", "--no-extremums"},
         "Analysis of function Y(x)=abs(x)-1\nMinimum of X = -1*10^100\nMaximum of X = 2.5*10^(-7)\nAccuracy (decimal signs) = 5\n"
         "Number of steps = 100\nThe expression contains nondifferentiable function\n\nZeroes of function: none\n\n"
         "Extremums: not calculated\n", "", 0},
        {{"analyse", "x", "--min", "1", "--max", "1", "--steps", "99"}, "", order, 2},
        {{"analyse", "abs(x)", "--derivative"}, "", "It is impossible to calculate extremums with\nthe help of analytically obtained derivative\nas the formula contains nondifferentiable function\n", 2},
        {{"analyse", "x", "1"}, "", "usage: plotwise-cli analyse FORMULA [--min A] [--max B] [--steps N] [--digits D] [--no-zeroes] [--no-extremums] [--derivative]\n", 2},
        // render: what it prints, then the written file's first bytes.
        {{"render", ex + "gallery.plw", bitmap + ".bmp"}, "BM", "", 0},
        {{"render", ex + "polar.plw", bitmap + ".PNG", "--size", "100x3000"}, "\x89P", "", 0},
        {{"render", ex + "polar.plw", bitmap + ".bmp", "--size", "99x300"}, "", width, 2},
        {{"render", ex + "polar.plw", bitmap + ".bmp", "--size", "300"}, "", "The height of bitmap must be an integer\nfrom 100 up to 3000\n", 2},
        {{"render", ex + "missing.plw", bitmap + ".bmp"}, "", "Input-output error\n", 3},
        {{"render", ex + "polar.plw", "/nonexistent/dir/x.bmp"}, "", "File write error\n", 3}};
    // clang-format on
    for (const auto& c : cases) {
        CliRun run = RunCli(c.args);
        if (c.args[0] == "render") run.out += TakeFile(c.args[2]).substr(0, 2);
        EXPECT_EQ(std::tie(run.out, run.err, run.code), std::tie(c.out, c.err, c.code))
            << testing::PrintToString(c.args);
    }
    std::remove(empty.c_str());
}

TEST(PlotwiseCli, HelpAndUnwritableOutput) {
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* usage :
         {"eval FORMULA", "number TEXT", "derive FORMULA", "check FILE", "render FILE OUT",
          "analyse FORMULA", "tangent FILE", "regress FILE", "intersect FILE"})
        EXPECT_NE(help.out.find(usage), std::string::npos) << usage;
    EXPECT_EQ(RunCli({}).code, 2);
    const int status =
        std::system((std::string(PLOTWISE_CLI) + " eval 1 >/dev/full 2>/dev/null").c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
}

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

TEST(PlotwiseCliEveryday, ReadsPointsAndKeepsStrict) {
    const char* discordance = "Error 2: discordance of lexems\n";
    // clang-format off
    const struct {
        std::vector<std::string> args;
        std::string out;
        std::string err;
    } cases[] = {
        {{"eval", "2x^2-3x+1", "--value", "2"}, "3\n", ""},
        {{"eval", "e^(-x²)", "--value", "1e-20"}, "1\n", ""},
        {{"eval", "x", "--value", "pi/2"}, "1.5707963\n", ""},
        {{"derive", "y=x²sin x"}, "2*x*sin(x)+x^2*cos(x)\n", ""},
        {{"eval", "π+x2"}, "", std::string(discordance) + "π+x2\n  ^\n"},
        {{"integrate", "x", "2x+"}, "", std::string(discordance) + "2x+\n   ^\n"},
        {{"--strict", "eval", "2x"}, "", discordance},
        {{"number", "1e-3", "--strict"}, "", "invalid number\n"}};
    // clang-format on
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.out, c.out) << c.args[1];
        EXPECT_EQ(run.err, c.err) << c.args[1];
        EXPECT_EQ(run.code, c.err.empty() ? 0 : 2) << c.args[1];
    }
}

}  // namespace
}  // namespace plotwise
