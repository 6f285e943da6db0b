// Number fields read: what is accepted, its value, and hostile texts that must not hurt.
#include "formula/number_input.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <random>
#include <string>

#include "formula/number_text.h"

namespace plotwise {
namespace {

TEST(CheckNumStr, ValidatesAndRounds) {
    // clang-format off
    const struct {
        std::string text;
        bool valid;
        long double value;  // checked when valid
    } cases[] = {
        {"1500", true, 1500}, {"1.5*10^3", true, 1500}, {"1.5*10^(3)", true, 1500},
        {"+1.5*10^+3", true, 1500}, {"1.5*10^(-3)", true, 0.0015L}, {" \t-2.5\r\n", true, -2.5L},
        {"1.23456789", true, 1.2345679L}, {"5.", true, 5}, {".5", true, 0.5L}, {"-0", true, 0},
        {"1*10^200", true, 1e200L}, {"1*10^(-201)", true, 0}, {"1*10^(-31)", true, 0},
        {"1*10^(-30)", true, 1e-30L}, {"0*10^5", true, 0}, {"0*10^999999", true, 0},
        {"123456789*10^190", true, 1.2345679e198L}, {"0.000001*10^205", true, 1e199L},
        {"1" + std::string(600, '0'), true, 1e600L}, {"1*10^(-99999999999999999999)", true, 0},
        // Refused.
        {"", false, 0}, {"   ", false, 0}, {"1e3", false, 0}, {"1E3", false, 0}, {"1,5", false, 0},
        {"1.5*10^2.5", false, 0}, {"1*10^201", false, 0}, {"2*10^501", false, 0},
        {"10*10^200", false, 0}, {"1*10^99999999999999999999", false, 0}, {"1*10^", false, 0},
        {"1*10^()", false, 0}, {"1*10^(5", false, 0}, {"1*10^(5]", false, 0}, {"*10^5", false, 0},
        {"1*10^5*10^2", false, 0}, {"pi", false, 0}, {"inf", false, 0}, {"nan", false, 0},
        {"0x10", false, 0}, {"+", false, 0}, {".", false, 0}, {"1.2.3", false, 0},
        {"--1", false, 0}, {"1 000", false, 0}, {"1" + std::string(5000, '0'), false, 0},
        // beyond the extended range
        {std::string("1\0", 2), true, 1}};
    // clang-format on
    for (const auto& c : cases) {
        long double value = -1;
        EXPECT_EQ(CheckNumStr(c.text, value) == 0, c.valid) << '"' << c.text << '"';
        if (c.valid) {
            EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        }
    }
}

TEST(StrToNum, ReadsWithoutValidating) {
    EXPECT_EQ(StrToNum("1.5*10^3"), 1500);
    EXPECT_EQ(StrToNum(" 2.5 "), 2.5L);
    EXPECT_EQ(StrToNum("1*10^(-2)"), 0.01L);
    EXPECT_EQ(StrToNum("3*10^(2.6)"), 3000);  // the exponent is rounded
    EXPECT_EQ(StrToNum("1*10^(-31)"), 0);
    EXPECT_EQ(StrToNum("garbage"), 0);
    EXPECT_EQ(StrToNum("1*10^x"), 0);
    EXPECT_EQ(StrToNumRounded("1.23456789"), 1.2345679L);
    EXPECT_EQ(StrToNumRounded("-98765.4321*10^(-2)"), -987.65432L);
    EXPECT_EQ(TrimVal("  12.75 "), 12.75L);
    EXPECT_EQ(TrimVal("x"), 0);
}

TEST(RoundTo8, AsTheDisplayShowsIt) {
    EXPECT_EQ(RoundTo8(1.0L / 3), 0.3333333L);
    EXPECT_EQ(RoundTo8(123456789), 123456790);
    EXPECT_EQ(RoundTo8(1e-40L), 0);
    EXPECT_TRUE(std::isinf(RoundTo8(HUGE_VALL)));
    EXPECT_TRUE(std::isinf(RoundTo8(-HUGE_VALL)));
}

TEST(ReadInteger, DecimalIntegersOnly) {
    // clang-format off
    const struct {
        std::string text;
        bool valid;
        long long value;
    } cases[] = {
        {"20000", true, 20000}, {" \t+7\r\n", true, 7}, {"-0", true, 0}, {"007", true, 7},
        {"9223372036854775807", true, 9223372036854775807LL},
        {"-9223372036854775808", true, -9223372036854775807LL - 1},
        {"9223372036854775808", false, 0}, {"-9223372036854775809", false, 0},
        {"99999999999999999999", false, 0}, {"", false, 0}, {"  ", false, 0}, {"-", false, 0},
        {"2.5", false, 0}, {"1*10^3", false, 0}, {"1e3", false, 0}, {"$10", false, 0},
        {"0x10", false, 0}, {"1 0", false, 0}, {"--1", false, 0}, {"12a", false, 0}};
    // clang-format on
    for (const auto& c : cases) {
        long long value = -1;
        EXPECT_EQ(ReadInteger(c.text, value), c.valid) << '"' << c.text << '"';
        if (c.valid) {
            EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        }
    }
}

TEST(CheckNumStr, RandomTextsAreReadSafely) {
    const char* pieces[] = {
        "1", "0", "9",  ".", "*10^", "(", ")", "-", "+", " ", "e", "5", "00000000000000000000",
        "*", "^", "10", "\t"};
    std::mt19937 random(4242);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 10);
    int valid = 0;
    for (int i = 0; i < 40000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n)
            text += pieces[piece(random)];
        long double value = 0;
        if (CheckNumStr(text, value) != 0) continue;
        ++valid;
        ASSERT_TRUE(std::isfinite(value)) << text;
        ASSERT_TRUE(value == 0 || std::fabs(value) >= 1e-30L) << text;
        // What is shown reads back to a value that shows the same.
        const std::string shown = NumToStr(value);
        long double back = 0;
        if (std::fabs(value) < 1e199L) {
            ASSERT_EQ(CheckNumStr(shown, back), 0) << text << " shown as " << shown;
            ASSERT_EQ(NumToStr(back), shown) << text;
        }
    }
    EXPECT_GT(valid, 1000);
}

TEST(NumberText, DecimalPointIgnoresTheUserLocale) {
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"};
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const char* chosen = nullptr;
    for (const char* name : names) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
    long double value = 0;
    const int err = CheckNumStr("1.5*10^3", value);
    const std::string shown = NumToStr(0.25L);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(err, 0);
    EXPECT_EQ(value, 1500);
    EXPECT_EQ(shown, "0.25");
}

}  // namespace
}  // namespace plotwise
