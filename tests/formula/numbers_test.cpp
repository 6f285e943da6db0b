// Number fields read and numbers shown: what is accepted and its value, hostile texts, and
// the plain, power-of-ten, coefficient and decimal forms.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <random>
#include <string>

#include "formula/number_input.h"
#include "formula/number_text.h"

namespace plotwise {
namespace {

TEST(CheckNumStr, ValidatesAndRounds) {
    // clang-format off
    const struct { std::string text; bool valid; long double value; } cases[] = {
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
        {"--1", false, 0}, {"1 000", false, 0}, {std::string("1\0", 2), true, 1},
        {"1" + std::string(5000, '0'), false, 0}};  // beyond the extended range
    // clang-format on
    for (const auto& c : cases) {
        long double value = -1;
        const bool valid = CheckNumStr(c.text, value) == 0;
        EXPECT_EQ(std::make_pair(valid, valid ? value : 0), std::make_pair(c.valid, c.value))
            << '"' << c.text << '"';
    }
}

TEST(StrToNum, ReadsWithoutValidating) {
    // clang-format off
    const struct { long double (*read)(const std::string&); const char* text; long double value; } cases[] = {
        {StrToNum, "1.5*10^3", 1500}, {StrToNum, " 2.5 ", 2.5L}, {StrToNum, "1*10^(-2)", 0.01L},
        {StrToNum, "3*10^(2.6)", 3000},  // the exponent is rounded
        {StrToNum, "1*10^(-31)", 0}, {StrToNum, "garbage", 0}, {StrToNum, "1*10^x", 0},
        {StrToNumRounded, "1.23456789", 1.2345679L},
        {StrToNumRounded, "-98765.4321*10^(-2)", -987.65432L}, {TrimVal, "  12.75 ", 12.75L},
        {TrimVal, "x", 0}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(c.read(c.text), c.value) << c.text;
    EXPECT_EQ(RoundTo8(1.0L / 3), 0.3333333L);  // as the display shows it
    EXPECT_EQ(RoundTo8(123456789), 123456790);
    EXPECT_EQ(RoundTo8(1e-40L), 0);
    EXPECT_EQ(RoundTo8(-HUGE_VALL), -HUGE_VALL);
    EXPECT_EQ(RoundTo8(HUGE_VALL), HUGE_VALL);
}

TEST(ReadInteger, DecimalIntegersOnly) {
    // clang-format off
    const struct { std::string text; bool valid; long long value; } cases[] = {
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
        const bool valid = ReadInteger(c.text, value);
        EXPECT_EQ(std::make_pair(valid, valid ? value : 0), std::make_pair(c.valid, c.value))
            << '"' << c.text << '"';
    }
}

TEST(CheckNumStr, RandomTextsAreReadSafely) {
    const char* pieces[] = {
        "1", "0", "9",  ".", "*10^", "(", ")", "-", "+", " ", "e", "5", "00000000000000000000",
        "*", "^", "10", "\t"};
    std::mt19937 random(4242);
    int valid = 0;
    for (int i = 0; i < 40000; ++i) {
        std::string text;
        for (int n = random() % 11; n > 0; --n)
            text += pieces[random() % std::size(pieces)];
        long double value = 0;
        if (CheckNumStr(text, value) != 0) continue;
        ++valid;
        ASSERT_TRUE(std::isfinite(value)) << text;
        ASSERT_TRUE(value == 0 || std::fabs(value) >= 1e-30L) << text;
        // What is shown reads back to a value that shows the same.
        const std::string shown = NumToStr(value);
        long double back = 0;
        if (std::fabs(value) >= 1e199L) continue;
        ASSERT_EQ(CheckNumStr(shown, back), 0) << text << " shown as " << shown;
        ASSERT_EQ(NumToStr(back), shown) << text;
    }
    EXPECT_GT(valid, 1000);
}

TEST(NumberText, DecimalPointIgnoresTheUserLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    bool found = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"})
        found = found || std::setlocale(LC_ALL, name) != nullptr;
    if (!found) GTEST_SKIP() << "no locale with a decimal comma is installed";
    long double value = 0;
    const int err = CheckNumStr("1.5*10^3", value);
    const std::string shown = NumToStr(0.25L);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(err, 0);
    EXPECT_EQ(value, 1500);
    EXPECT_EQ(shown, "0.25");
}

template <int decimals>
std::string Decimals(long double v) {
    return NumToStrDecimals(v, decimals);
}

TEST(NumberText, EachForm) {
    using S = std::string (*)(long double);
    const S Num = NumToStr, Exp = NumToExpStr, Coef = CoefToStr, Formula = NumToFormulaStr;
    // clang-format off
    const struct { S show; long double value; const char* text; } cases[] = {
        {Num, 0, "0"}, {Num, -0.0L, "0"}, {Num, 1e-250L, "0"}, {Num, -1e-250L, "0"},
        {Num, 0.5L, "0.5"}, {Num, 100, "100"}, {Num, -2.5L, "-2.5"},
        {Num, 123.456789012L, "123.456789"}, {Num, 0.00123456789L, "0.0012346"},
        {Num, 1000000, "1000000"}, {Num, 1000001, "1.000001*10^6"}, {Num, 0.001L, "0.001"},
        {Num, 0.000999L, "9.99*10^(-4)"}, {Num, 1.0L / 3, "0.3333333"},
        {Num, 2.0L / 3 * 1e10L, "6.6666667*10^9"}, {Num, 9.999999999e7L, "1*10^8"},
        {Num, 99999999.9L, "1*10^8"}, {Num, 12345678, "1.2345678*10^7"},
        {Num, 0.0001L, "1*10^(-4)"}, {Num, -0.0005L, "-5*10^(-4)"}, {Num, -1e100L, "-1*10^100"},
        {Num, 1.5e-100L, "1.5*10^(-100)"}, {Num, 1e4000L, "1*10^4000"}, {Num, HUGE_VALL, "INF"},
        {Num, -HUGE_VALL, "-INF"}, {Num, NAN, "NAN"}, {Exp, 0, "0*10^0"}, {Exp, -0.0L, "0*10^0"},
        {Exp, 1500, "1.5*10^3"}, {Exp, -0.25L, "-2.5*10^(-1)"}, {Exp, 9.99999999e2L, "1*10^3"},
        {Exp, 1.23456789L, "1.2345679*10^0"},
        // Coefficients put a power of ten in parentheses.
        {Coef, 15000000, "(1.5*10^7)"}, {Coef, -0.000000025L, "-(2.5*10^(-8))"}, {Coef, 2, "2"},
        {Coef, -0.5L, "-0.5"}, {Coef, 1.0L / 7, "0.1428571"},
        {Formula, 12345678, "(1.2345678*10^7)"}, {Formula, 0.0002L, "(2*10^(-4))"},
        {Formula, -12345678, "(-1.2345678*10^7)"}, {Formula, -0.0L, "0"}, {Formula, 1e-250L, "0"},
        {Formula, -0.5L, "-0.5"}, {Formula, 1.0L / 3, "0.3333333"}, {Formula, 1e500L, "(1*10^500)"},
        // A mantissa that rounds up to 10 stays 10.
        {Formula, 99999999.99L, "(10*10^7)"}, {Decimals<3>, 9999999.99999L, "10*10^6"},
        {Decimals<10>, 1.0L / 3, "0.3333333333"}, {Decimals<10>, 10, "10"},
        {Decimals<10>, -0.0L, "0"}, {Decimals<7>, -1e-300L, "0"}, {Decimals<0>, 2.5L, "2"},
        {Decimals<0>, 250, "250"}, {Decimals<10>, 123456789, "1.23456789*10^8"},
        {Decimals<10>, 1.0L / 3 * 1e-5L, "3.3333333333*10^(-6)"},
        {Decimals<3>, -1.0L / 3 * 1e-5L, "-3.333*10^(-6)"}, {Decimals<2>, 1e1000L, "1*10^1000"}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(c.show(c.value), c.text) << static_cast<double>(c.value);
}

TEST(NumberText, DecimalsFollowTheRangeWidth) {
    // clang-format off
    const struct { long double value, width; const char *plain, *fixed; } cases[] = {
        {1.5L, 10, "1.5", "1.500"}, {1.5L, 1000, "1.5", "1.5"}, {2, 10, "2", "2.000"},
        {1.23456L, 0.5L, "1.2346", "1.2346"}, {-0.001L, 100, "0", "0.00"}, {1e-250L, 10, "0", "0.000"},
        {150, -20000, "150", "150"}, {12345678, 10, "1.2345678*10^7", "1.2345678*10^7"},
        {1.5L, NAN, "1.5", "1.5"}, {1.5L, -HUGE_VALL, "1.5", "1.5"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(RangeNumToStr(c.value, c.width, 1), c.plain) << double(c.value);
        EXPECT_EQ(RangeNumToStrFixed(c.value, c.width, 1), c.fixed) << double(c.value);
    }
    EXPECT_EQ(RangeNumToStr(0.5L, 1e-300L, 1), "0.5");
    EXPECT_EQ(RangeNumToStr(1.5L, 0, 1), "");
    EXPECT_EQ(RangeNumToStrFixed(1.5L, 10, 0), "");
}

}  // namespace
}  // namespace plotwise
