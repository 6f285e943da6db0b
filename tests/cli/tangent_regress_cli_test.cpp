// plotwise-cli tangent and regress on the shipped example documents.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace plotwise {
namespace {

using testing_support::CliRun;
using testing_support::RunCli;

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
        {{"tangent", ex + "y_of_x.plw", "--graph", "1", "--at", "0", "--normal"}, "", "Error of the determination of the equation of the normal\n", 2},
        {{"tangent", ex + "equation.plw", "--graph", "2", "--at", "0"}, "", "It is impossible to plot a tangent/normal\n", 2},
        {{"tangent", ex + "y_of_x.plw", "--graph", "2", "--at", "0"}, "", "the document has no graph 2\n", 2},
        {{"tangent", ex + "y_of_x.plw", "--graph", "1", "--at", "abc"}, "", "The value of the variable must be a number\n", 2},
        {{"tangent", ex + "y_of_x.plw", "--graph", "1"}, "", "usage: plotwise-cli tangent FILE --graph N --at V [--normal]\n", 2},
        {{"tangent", ex + "missing.plw", "--graph", "1", "--at", "0"}, "", "Input-output error\n", 3},
        {{"regress", ex + "table.plw", "--table", "1"}, "1.0588235*x+5.6666667\nRoot-mean-square deviation=4.8169092\nR^2=0.2149491\n", "", 0},
        {{"regress", ex + "table.plw", "--table", "1", "--type", "3"}, "", "Error data for this regression type\n", 2},
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
