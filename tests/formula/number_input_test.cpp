// Number fields read: what is accepted, its value, and hostile texts that must not hurt.
#include "number_input.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <random>
#include <string>

#include "number_text.h"

namespace plotwise {
namespace {

struct InputCase {
    std::string text;
    bool valid;
    long double value;  // checked when valid
};

class CheckNumStrTest : public testing::TestWithParam<InputCase> {};

TEST_P(CheckNumStrTest, ValidatesAndRounds) {
    const InputCase& c = GetParam();
    long double value = -1;
    const int err = CheckNumStr(c.text, value);
    EXPECT_EQ(err == 0, c.valid) << '"' << c.text << '"';
    if (c.valid) {
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CheckNumStrTest,
    testing::Values(
        InputCase{"1500", true, 1500}, InputCase{"1.5*10^3", true, 1500},
        InputCase{"1.5*10^(3)", true, 1500}, InputCase{"+1.5*10^+3", true, 1500},
        InputCase{"1.5*10^(-3)", true, 0.0015L}, InputCase{" \t-2.5\r\n", true, -2.5L},
        InputCase{"1.23456789", true, 1.2345679L}, InputCase{"5.", true, 5},
        InputCase{".5", true, 0.5L}, InputCase{"-0", true, 0}, InputCase{"1*10^200", true, 1e200L},
        InputCase{"1*10^(-201)", true, 0}, InputCase{"1*10^(-31)", true, 0},
        InputCase{"1*10^(-30)", true, 1e-30L}, InputCase{"0*10^5", true, 0},
        InputCase{"0*10^999999", true, 0}, InputCase{"123456789*10^190", true, 1.2345679e198L},
        InputCase{"0.000001*10^205", true, 1e199L},
        InputCase{"1" + std::string(600, '0'), true, 1e600L},
        InputCase{"1*10^(-99999999999999999999)", true, 0},
        // Refused.
        InputCase{"", false, 0}, InputCase{"   ", false, 0}, InputCase{"1e3", false, 0},
        InputCase{"1E3", false, 0}, InputCase{"1,5", false, 0}, InputCase{"1.5*10^2.5", false, 0},
        InputCase{"1*10^201", false, 0}, InputCase{"2*10^501", false, 0},
        InputCase{"10*10^200", false, 0}, InputCase{"1*10^99999999999999999999", false, 0},
        InputCase{"1*10^", false, 0}, InputCase{"1*10^()", false, 0},
        InputCase{"1*10^(5", false, 0}, InputCase{"1*10^(5]", false, 0},
        InputCase{"*10^5", false, 0}, InputCase{"1*10^5*10^2", false, 0}, InputCase{"pi", false, 0},
        InputCase{"inf", false, 0}, InputCase{"nan", false, 0}, InputCase{"0x10", false, 0},
        InputCase{"+", false, 0}, InputCase{".", false, 0}, InputCase{"1.2.3", false, 0},
        InputCase{"--1", false, 0}, InputCase{"1 000", false, 0},
        InputCase{"1" + std::string(5000, '0'), false, 0},  // beyond the extended range
        InputCase{std::string("1\0", 2), true, 1}));

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

TEST(NumberText, WhatIsShownReadsBackAsRoundTo8) {
    for (long double v : {0.0L, 1.0L, -2.5L, 1e-29L, 3.14159265358979L, 1e100L, -7.25e-100L,
                          123456.789L, 0.000999L, 1e6L, 1000001.0L, 9.87654321e199L}) {
        const std::string shown = NumToStr(v);
        long double back = 0;
        ASSERT_EQ(CheckNumStr(shown, back), 0) << shown;
        EXPECT_EQ(back, RoundTo8(v)) << shown;
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
