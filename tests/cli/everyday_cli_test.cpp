// plotwise-cli reads everyday notation as the windows do, points at mistakes with a caret,
// and with --strict (before or after the command) reads the formula language alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace plotwise {
namespace {

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
        const testing_support::CliRun run = testing_support::RunCli(c.args);
        EXPECT_EQ(run.out, c.out) << c.args[1];
        EXPECT_EQ(run.err, c.err) << c.args[1];
        EXPECT_EQ(run.code, c.err.empty() ? 0 : 2) << c.args[1];
    }
}

}  // namespace
}  // namespace plotwise
