// The Calculator window's checks in their order, and its result text.
#include "calculator_tool.h"

#include <gtest/gtest.h>

#include <string>

namespace plotwise {
namespace {

TEST(CheckCalculatorInput, FirstFailureInOrder) {
    const std::string name = "The name of the variable must\rbe a letter of the latin alphabet";
    const std::string value = "The value of the variable must be a number";
    // clang-format off
    const struct {
        std::string formula, name, value;
        CalculatorField field;
        std::string message;
    } cases[] = {
        {"(", "", "x", CalculatorField::VariableName, name},
        {"x", "\xe9", "0", CalculatorField::VariableName, name},
        {"(", "x", "2*10^501", CalculatorField::VariableValue, value},
        {"(", "x", "2" + std::string(501, '0'), CalculatorField::VariableValue, "Too large value of the variable"},
        {"((x)", "X", "0", CalculatorField::Formula, "Error 3: not enough ')' "},
        {"   ", "X", "0", CalculatorField::Formula, "Empty formula"},
        {"sin(t)", "t", "1*10^200", CalculatorField::None, ""}};
    // clang-format on
    for (const auto& c : cases) {
        const CalculatorCheck check = CheckCalculatorInput(c.formula, c.name, c.value);
        EXPECT_EQ(check.field, c.field) << c.formula << " / " << c.name << " / " << c.value;
        EXPECT_EQ(check.message, c.message);
    }
    EXPECT_EQ(CheckCalculatorInput("x", "x", "1.23456789").value, 1.2345679L);
}

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
