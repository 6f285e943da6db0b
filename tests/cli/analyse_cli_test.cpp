// plotwise-cli analyse: the report as its text file has it, and the dialog's messages.
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

}  // namespace
}  // namespace plotwise
