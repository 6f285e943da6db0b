// The Definite Integral window's checks and Simpson's rule, and the Calculator window's
// result text (its checks are tested through plotwise-cli eval), without the windows.
#include "tools/integral_tool.h"

#include <gtest/gtest.h>

#include "tools/calculator_tool.h"

namespace plotwise {
namespace {

IntegralParams Params(const char* y1, const char* y2, long double min, long double max,
                      int steps = 10, bool abs = false) {
    return {y1, y2, min, max, steps, abs};
}

std::string Integrate(const IntegralParams& params) {
    return IntegralResultText(IntegrateSimpson(params, nullptr));
}

TEST(IntegrateSimpson, ResultTexts) {
    // clang-format off
    const struct {
        IntegralParams params;
        const char* text;
    } cases[] = {
        // Exact up to cubics, whatever the interval.
        {Params("x*x", "0", 0, 3), "9"},
        {Params("x^3-2*x", "0", -1, 2), "0.75"},
        {Params("x^3", "x^2", 0.5L, 7.25L, 13), "563.7041016"},
        // The order of the formulas sets the sign; the absolute value makes it an area.
        {Params("x", "0", 0, 2), "2"}, {Params("0", "x", 0, 2), "-2"},
        {Params("x", "0", -1, 1, 10, true), "1"},
        {Params("x", "x*x", -1, 1, 10, true), "1"},
        {Params("x*x", "x", -1, 1, 10, true), "1"},
        // A pole or a domain limit on a grid point, in either formula and at either end.
        {Params("1/x", "0", -1, 1), "Error at function evaluation"},
        {Params("0", "1/(x-3)", 0, 3), "Error at function evaluation"},
        {Params("sqrt(x)", "0", -1, 1), "Error at function evaluation"},
        // Past 1E500 in either direction.
        {Params("10^400", "0", -1e100L, 1e100L), "Too large value of the integral"},
        {Params("0", "10^400", -1e100L, 1e100L), "Too large value of the integral"},
        {Params("10^400", "0", 0, 1), "1*10^400"},
        {Params("10^400", "0", 0, 5e99L), "5*10^499"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(Integrate(c.params), c.text) << c.params.formula1 << " - " << c.params.formula2;
    }
}

TEST(IntegrateSimpson, PollsEveryPointAndStopsAtEsc) {
    int polls = 0;
    const IntegralResult whole = IntegrateSimpson(Params("x", "0", 0, 1), [&polls] {
        ++polls;
        return false;
    });
    EXPECT_EQ(whole.outcome, IntegralOutcome::Done);
    EXPECT_EQ(polls, 21);

    polls = 0;
    const IntegralResult stopped =
        IntegrateSimpson(Params("x", "0", 0, 1), [&polls] { return ++polls == 5; });
    EXPECT_EQ(polls, 5);
    EXPECT_EQ(IntegralResultText(stopped), "Calculation interrupted");
}

TEST(CheckIntegralInput, FirstFailure) {
    const std::string minMessage = "Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100";
    const std::string maxMessage = "Maximum of X must be a number\rfrom -1*10^100 up to 1*10^100";
    const std::string orderMessage = "Maximum of X must be more\rthan minimum of X";
    const std::string stepsMessage = "The number of steps must be\ran integer from 10 up to 2000";
    using F = IntegralField;
    // clang-format off
    const struct {
        const char* y1;
        const char* y2;
        const char* min;
        const char* max;
        const char* steps;
        IntegralField field;
        std::string message;
    } cases[] = {
        {"x", "0", "-10", "10", "200", F::None, ""},
        {"y", "(", "x", "x", "x", F::Formula1, "Error 1: syntax error"},
        {"  ", "(", "x", "x", "x", F::Formula1, "Empty formula"},
        {"x", "(x", "x", "x", "x", F::Formula2, "Error 3: not enough ')' "},
        {"x", " ", "x", "x", "x", F::Formula2, "Empty formula"},
        {"x", "0", "1e5", "x", "x", F::MinX, minMessage},
        {"x", "0", "-2*10^100", "x", "x", F::MinX, minMessage},
        {"x", "0", "-1*10^100", "1*10^100", "10", F::None, ""},
        {"x", "0", "0", "", "x", F::MaxX, maxMessage},
        {"x", "0", "5", "5", "x", F::MaxX, orderMessage},
        {"x", "0", "0", "1", "9", F::StepsNum, stepsMessage},
        {"x", "0", "0", "1", "2001", F::StepsNum, stepsMessage},
        {"x", "0", "0", "1", "1.5", F::StepsNum, stepsMessage},
        {"x", "0", "0", "1", " 2000 ", F::None, ""}};
    // clang-format on
    for (const auto& c : cases) {
        const IntegralCheck check = CheckIntegralInput(c.y1, c.y2, c.min, c.max, c.steps, false);
        EXPECT_EQ(check.field, c.field)
            << c.y1 << " " << c.y2 << " " << c.min << " " << c.max << " " << c.steps;
        EXPECT_EQ(check.message, c.message) << c.y1 << " " << c.min << " " << c.steps;
    }
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
