// plotwise-cli analyse, integrate, tangent and regress: the tool windows' results and
// messages (analyse prints the report as its text file has it; tangent and regress read
// the shipped example documents).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace plotwise {
namespace {

using testing_support::CliRun;
using testing_support::RunCli;

TEST(PlotwiseCliAnalyse, PrintsTheReport) {
    CliRun run = RunCli({"analyse", "x*x-1"});
    EXPECT_EQ(run.out,
              "Analysis of function Y(x)=x*x-1\nMinimum of X = -10\nMaximum of X = 10\n"
              "Accuracy (decimal signs) = 2\nNumber of steps = 200\nY'(x)=x+x\n\n"
              "Zeroes of function: 2\n-1\n1\n\nExtremums: 1\n"
              "     X                  Y                  \n"
              "min  0                  -1                 \n");
    EXPECT_EQ(run.code, 0);

    run = RunCli({"analyse", "-x^2+2", "--min=-1", "--max", "1.5*10^3", "--steps", "20000",
                  "--digits", "4", "--no-zeroes", "--derivative"});
    EXPECT_EQ(run.out,
              "Analysis of function Y(x)=-x^2+2\nMinimum of X = -1\nMaximum of X = 1500\n"
              "Accuracy (decimal signs) = 4\nNumber of steps = 20000\nY'(x)=-2*x\n\n"
              "Zeroes of function: not calculated\n\nExtremums: 1\n"
              "     X                  Y                  \n"
              "max  0                  2                  \n");
    const std::string out = RunCli({"analyse", "sin(x)", "--no-extremums"}).out;
    EXPECT_EQ(out.substr(out.find("Zeroes")),
              "Zeroes of function: 7\n-9.42\n-6.28\n-3.14\n0\n3.14\n6.28\n9.42\n\n"
              "Extremums: not calculated\n");
}

TEST(PlotwiseCliAnalyse, RefusesWhatTheDialogRefuses) {
    const struct {
        std::vector<std::string> args;
        const char* err;
    } cases[] = {
        {{"analyse", "x", "--min", "1", "--max", "1", "--steps", "99"},
         "Maximum of X must be more\nthan minimum of X\n"},
        {{"analyse", "abs(x)", "--derivative"},
         "It is impossible to calculate extremums with\nthe help of analytically obtained "
         "derivative\nas the formula contains nondifferentiable function\n"},
        {{"analyse", "x", "1"},
         "usage: plotwise-cli analyse FORMULA [--min A] [--max B] [--steps N] [--digits D] "
         "[--no-zeroes] [--no-extremums] [--derivative]\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.out, "") << c.err;
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.code, 2) << c.err;
    }
}

std::string Joined(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& arg : args)
        text += "[" + arg + "]";
    return text;
}

TEST(PlotwiseCliIntegrate, ResultsAndMessages) {
    // clang-format off
    const struct {
        std::vector<std::string> args;
        const char* out;
        const char* err;
        int code;
    } cases[] = {
        {{"integrate", "x*x", "--min", "0", "--max", "3", "--steps", "10"}, "9\n", "", 0},
        {{"integrate", "0", "x", "--min=0", "--max=2"}, "-2\n", "", 0},
        {{"integrate", "x", "--abs", "--min", "-1", "--max", "1"}, "1\n", "", 0},
        {{"integrate", "1"}, "20\n", "", 0},  // -10..10 unless told
        {{"integrate", "1/x", "--steps", "10"}, "Error at function evaluation\n", "", 0},
        {{"integrate", "x", "--steps", "9"}, "", "The number of steps must be\nan integer from 10 up to 2000\n", 2},
        {{"integrate", "x", "--min", "5", "--max", "5"}, "", "Maximum of X must be more\nthan minimum of X\n", 2},
        {{"integrate", "x", "0", "x"}, "", "usage: plotwise-cli integrate FORMULA1 [FORMULA2] [--min A] [--max B] [--steps N] [--abs]\n", 2}};
    // clang-format on
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.out, c.out) << Joined(c.args);
        EXPECT_EQ(run.err, c.err) << Joined(c.args);
        EXPECT_EQ(run.code, c.code) << Joined(c.args);
    }
}

TEST(PlotwiseCliTangentRegress, ResultsAndMessages) {
    const std::string ex = std::string(PLOTWISE_EXAMPLES) + "/";
    // clang-format off
    const struct {
        std::vector<std::string> args;
        const char* out;
        const char* err;
        int code;
    } cases[] = {
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
        {{"regress", ex + "table.plw", "--table", "1", "--type", "9"}, "", "the regression type must be an integer from 1 up to 8\n", 2}};
    // clang-format on
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.out, c.out) << c.args[0] << ' ' << c.args[1];
        EXPECT_EQ(run.err, c.err) << c.args[0] << ' ' << c.args[1];
        EXPECT_EQ(run.code, c.code) << c.args[0] << ' ' << c.args[1];
    }
    // The table holds y = x^2: a polynomial wins, exactly, with higher terms of rounding size.
    const CliRun quadratic = RunCli({"regress", ex + "table.plw", "--table", "1", "--type", "8"});
    EXPECT_EQ(quadratic.code, 0);
    EXPECT_NE(quadratic.out.find("1*x^2"), std::string::npos) << quadratic.out;
    EXPECT_NE(quadratic.out.find("\nR^2=1\n"), std::string::npos) << quadratic.out;
}

}  // namespace
}  // namespace plotwise
