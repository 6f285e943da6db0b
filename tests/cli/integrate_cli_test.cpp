// plotwise-cli integrate: the Definite Integral window's result and messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace plotwise {
namespace {

using testing_support::CliRun;
using testing_support::RunCli;

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

}  // namespace
}  // namespace plotwise
