// The Calculator window's checks, in their order, and its result text.
#include "calculator_tool.h"

#include <gtest/gtest.h>

#include <string>

namespace plotwise {
namespace {

TEST(CheckCalculatorInput, FirstFailureInOrder) {
    const char* nameMessage = "The name of the variable must\rbe a letter of the latin alphabet";
    const struct {
        const char* formula;
        const char* name;
        std::string value;
        CalculatorField field;
        const char* message;
    } cases[] = {
        {"x^2", "", "0", CalculatorField::VariableName, nameMessage},
        {"x^2", "1", "0", CalculatorField::VariableName, nameMessage},
        {"x^2", "xy", "0", CalculatorField::VariableName, nameMessage},
        {"x^2", "\xe9", "0", CalculatorField::VariableName, nameMessage},
        {"(", "x", "abc", CalculatorField::VariableValue,
         "The value of the variable must be a number"},
        {"x", "x", "2*10^501", CalculatorField::VariableValue,
         "The value of the variable must be a number"},
        {"x", "x", "2" + std::string(501, '0'), CalculatorField::VariableValue,
         "Too large value of the variable"},
        {"y", "X", "0", CalculatorField::Formula, "Error 1: syntax error"},
        {"((x)", "X", "0", CalculatorField::Formula, "Error 3: not enough ')' "},
        {"   ", "X", "0", CalculatorField::Formula, "Empty formula"},
        {"sin(t)", "t", "1*10^200", CalculatorField::None, ""},
    };
    for (const auto& c : cases) {
        const CalculatorCheck check = CheckCalculatorInput(c.formula, c.name, c.value);
        EXPECT_EQ(check.field, c.field) << c.formula << " / " << c.name << " / " << c.value;
        EXPECT_EQ(check.message, c.message);
    }
}

TEST(CheckCalculatorInput, ValueIsRoundedToEightDigits) {
    EXPECT_EQ(CheckCalculatorInput("x", "x", "1.23456789").value, 1.2345679L);
}

TEST(GetResultString, ResultTexts) {
    const struct {
        const char* formula;
        const char* name;
        long double value;
        const char* text;
    } cases[] = {
        {"x^2+1", "X", 3, "10"},
        {"sin(t)", "t", 0, "0"},
        {"1/x", "X", 0, "Error"},
        {"1/3", "X", 0, "0.3333333333"},
        {"2^40", "X", 0, "1.0995116278*10^12"},
        {"1/7*10^(-5)", "X", 0, "1.4285714286*10^(-6)"},
        {"-a", "a", 0.25L, "-0.25"},
        {"-x", "a", 0.25L, "Error"},
        {"sqrt(x)", "X", -1, "Error"},
        {"(", "X", 0, "Error"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetResultString(c.formula, c.name, c.value), c.text) << c.formula;
    }
}

}  // namespace
}  // namespace plotwise
