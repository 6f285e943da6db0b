// plotwise-cli from the outside: output, messages and exit codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "cli_test_support.h"

namespace plotwise {
namespace {

using testing_support::CliRun;
using testing_support::RunCli;

std::string Repeat(const std::string& text, int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += text;
    return out;
}

TEST(PlotwiseCli, Commands) {
    // clang-format off
    const struct {
        std::vector<std::string> args;
        const char* out;
        const char* err;
        int code;
    } cases[] = {
        {{"eval", "x^2+1", "--value", "3"}, "10\n", "", 0},
        {{"eval", "sin(t)", "--var", "t"}, "0\n", "", 0},
        {{"eval", "1/x"}, "Error\n", "", 0},
        {{"eval", "--value=2", "x*x"}, "4\n", "", 0},
        {{"eval", "--", "--value"}, "", "Error 1: syntax error\n--value\n  ^\n", 2},
        {{"eval", " "}, "", "Empty formula\n", 2},
        {{"eval", "x", "--var", "1"}, "", "The name of the variable must\nbe a letter of the latin alphabet\n", 2},
        {{"eval", "(", "--var", ""}, "", "The name of the variable must\nbe a letter of the latin alphabet\n", 2},
        {{"eval", "(", "--value", "2*10^501"}, "", "The value of the variable must be a number\n", 2},
        {{"eval", "(", "--value", "2" + std::string(501, '0')}, "", "Too large value of the variable\n", 2},
        {{"eval", "x", "--value"}, "", "option --value needs a value\n", 2},
        {{"eval"}, "", "usage: plotwise-cli eval FORMULA [--var NAME] [--value NUMBER]\n", 2},
        {{"number", "1.23456789"}, "1.2345679\n", "", 0},
        {{"number", "-12345678"}, "-1.2345678*10^7\n", "", 0},
        {{"number", "1e5"}, "100000\n", "", 0},
        {{"derive", "sin(x^2)"}, "cos(x^2)*2*x\n", "", 0},
        {{"derive", "A^3", "--var", "a"}, "3*a^2\n", "", 0},
        {{"derive", "x^2", "--var", "t"}, "", "Error 1: syntax error\nx^2\n^\n", 2},
        {{"derive", "(x"}, "", "Error 3: not enough ')' \n(x\n  ^\n", 2},
        {{"derive", Repeat("sin(", 24) + "x" + Repeat(")", 24)}, "", "Too long formula of the derivative\n", 2},
        {{"frobnicate"}, "", "unknown command: frobnicate (see plotwise-cli --help)\n", 2}};
    // clang-format on
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.out, c.out) << c.args[0];
        EXPECT_EQ(run.err, c.err) << c.args[0];
        EXPECT_EQ(run.code, c.code) << c.args[0];
    }
}

TEST(PlotwiseCli, Check) {
    const std::string examples = PLOTWISE_EXAMPLES;
    const std::string empty = testing::TempDir() + "plotwise_cli_empty.plw";
    std::ofstream(empty).close();
    const struct {
        std::string file;
        const char* out;
        const char* err;
        int code;
    } cases[] = {
        {examples + "/equation.plw", "valid: 2 graphs\n", "", 0},
        {examples + "/table.plw", "valid: 1 graphs\n", "", 0},
        {empty, "", "Incorrect format of the file\n", 2},
        {examples + "/missing.plw", "", "Input-output error\n", 3},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli({"check", c.file});
        EXPECT_EQ(run.out, c.out) << c.file;
        EXPECT_EQ(run.err, c.err) << c.file;
        EXPECT_EQ(run.code, c.code) << c.file;
    }
    std::remove(empty.c_str());
}

TEST(PlotwiseCli, Render) {
    const std::string examples = PLOTWISE_EXAMPLES;
    const std::string out = testing::TempDir() + "plotwise_cli_render_" + std::to_string(getpid());
    const char* width = "The width of bitmap must be an integer\nfrom 100 up to 3000\n";
    const char* height = "The height of bitmap must be an integer\nfrom 100 up to 3000\n";
    const struct {
        std::vector<std::string> args;
        const char* err;
        int code;
        const char* magic;  // what the written file starts with
    } cases[] = {
        {{examples + "/gallery.plw", out + ".bmp"}, "", 0, "BM"},
        {{examples + "/polar.plw", out + ".PNG", "--size", "100x3000"}, "", 0, "\x89PNG"},
        {{examples + "/polar.plw", out + ".bmp", "--size", "99x300"}, width, 2, nullptr},
        {{examples + "/polar.plw", out + ".bmp", "--size", "300"}, height, 2, nullptr},
        {{examples + "/missing.plw", out + ".bmp"}, "Input-output error\n", 3, nullptr},
        {{examples + "/polar.plw", "/nonexistent/dir/x.bmp"}, "File write error\n", 3, nullptr},
    };
    for (const auto& c : cases) {
        std::remove((out + ".bmp").c_str());
        const CliRun run = RunCli([&] {
            std::vector<std::string> args = {"render"};
            args.insert(args.end(), c.args.begin(), c.args.end());
            return args;
        }());
        EXPECT_EQ(run.err, c.err) << c.args[1];
        EXPECT_EQ(run.code, c.code) << c.args[1];
        if (c.magic == nullptr) continue;
        std::ifstream file(c.args[1], std::ios::binary);
        std::string head(std::string(c.magic).size(), '\0');
        file.read(head.data(), static_cast<std::streamsize>(head.size()));
        EXPECT_EQ(head, c.magic) << c.args[1];
        std::remove(c.args[1].c_str());
    }
}

TEST(PlotwiseCli, OutputThatCannotBeWrittenIsAFailure) {
    const std::string command = std::string(PLOTWISE_CLI) + " eval 1 >/dev/full 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
}

TEST(PlotwiseCli, Help) {
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* usage :
         {"eval FORMULA", "number TEXT", "derive FORMULA", "check FILE", "render FILE OUT"})
        EXPECT_NE(help.out.find(usage), std::string::npos) << usage;
    EXPECT_EQ(RunCli({}).code, 2);
    EXPECT_EQ(RunCli({"eval", "--help"}).code, 0);
}

}  // namespace
}  // namespace plotwise
