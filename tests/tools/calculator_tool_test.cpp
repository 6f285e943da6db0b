// The Calculator window's result text (its checks are tested through plotwise-cli eval).
#include "calculator_tool.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

TEST(GetResultString, ResultTexts) {
    // clang-format off
    const struct {
        const char* formula;
        const char* name;
        long double value;
        const char* text;
    } cases[] = {
        {"x^2+1", "X", 3, "10"}, {"1/x", "X", 0, "Error"}, {"1/3", "X", 0, "0.3333333333"},
        {"2^40", "X", 0, "1.0995116278*10^12"}, {"1/7*10^(-5)", "X", 0, "1.4285714286*10^(-6)"},
        {"-a", "a", 0.25L, "-0.25"}, {"-x", "a", 0.25L, "Error"}, {"(", "X", 0, "Error"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(GetResultString(c.formula, c.name, c.value), c.text) << c.formula;
    }
}

}  // namespace
}  // namespace plotwise
