// The formula language's codes, each operation's limits, evaluation, number fields read and
// numbers shown, and Round12 and the rounding helpers against their definitions.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "formula/apply_operation.h"
#include "formula/calculator.h"
#include "formula/check_formula.h"
#include "formula/compiled_formula.h"
#include "formula/decimal_io.h"
#include "formula/extended.h"
#include "formula/number_input.h"
#include "formula/number_text.h"
#include "formula/round12.h"
#include "formula/rounding.h"
#include "formula/token_codes.h"

namespace plotwise {
namespace {

TEST(CheckFormula, CodesOfTheLanguage) {
    std::string sum = "x";
    while (sum.size() < 255)
        sum += "+x";  // as long as a document may hold
    // clang-format off
    const struct { std::string text; std::string var; int code; } cases[] = {  // var: 1 or 2 names
        // Case and blanks do not matter, a blank formula passes; unary minus only right after "(";
        // no implicit multiplication; functions need their parentheses; numbers and words.
        {"x^2", "X", 0}, {"X ^ 2", "x", 0}, {"s i n(x)", "X", 0}, {"", "X", 0}, {"   ", "X", 0},
        {"-x^2", "X", 0}, {"2^(-1)", "X", 0}, {"x*(-2)", "X", 0}, {"2^-1", "X", 2},
        {"x*-2", "X", 2}, {"--x", "X", 2}, {"-", "X", 2}, {"(-)", "X", 2}, {"-*x", "X", 2},
        {"2x", "X", 2}, {"2(x)", "X", 2}, {"2pi", "X", 2}, {"x(2)", "X", 2}, {"sin(x)(2)", "X", 2},
        {"sin x", "X", 1}, {"sin(x)^2", "X", 0}, {"2^sin(x)", "X", 0}, {"sin", "X", 2},
        {"3.", "X", 0}, {"1e5", "X", 1}, {"1.5.2", "X", 1}, {"1,5", "X", 1}, {".5", "X", 1},
        {"1=2", "X", 1}, {"x2", "X", 1}, {"X", "x", 0}, {"y", "X", 1}, {"pi*PI*Pi", "X", 0},
        {"t", "t", 0}, {"x\t", "X", 1}, {"\xff", "X", 1}, {std::string("x\0y", 3), "X", 1},
        {std::string(5000, '9'), "X", 1},  // beyond the extended range
        {sum, "X", 0}, {std::string(20000, '(') + "x" + std::string(20000, ')'), "X", 0},
        {"sin(cos(tan(cot(frac(int(abs(exp(ln(lg(sqrt(atan(x))))))))))))", "X", 0},
        {"asin(acos(sinh(cosh(tanh(coth(asinh(acosh(atanh(acoth(x))))))))))", "X", 0},
        // Balance is checked after the pairs, and a bad word wins over a bad pair.
        {"((x)", "X", 3}, {"(x))", "X", 4}, {"()", "X", 2}, {")x(", "X", 2}, {"2x+foo", "X", 1},
        {"2x+(1", "X", 2},
        // Two variables.
        {"x^2+y^2-1", "XY", 0}, {"x*y", "XY", 0}, {"xy", "XY", 1}, {"x(y)", "XY", 2},
        {"y", "XY", 0}, {"5", "XY", 0}, {"", "XY", 0}, {"z", "XY", 1}, {"(y", "XY", 3}};
    // clang-format on
    for (const auto& c : cases) {
        const FormulaError error =
            c.var.size() == 1 ? CheckFormula(c.text, c.var)
                              : CheckFormula2Var(c.text, c.var.substr(0, 1), c.var.substr(1));
        EXPECT_EQ(ErrorCode(error), c.code) << c.text.substr(0, 80);
    }
}

constexpr long double kSkip = -12345.6789L;  // a result not worth comparing

TEST(ApplyOperation, ResultsAndCodes) {
    // clang-format off
    const struct { std::uint8_t code; long double a, b; int err; long double result; } cases[] = {
        // "^" for every base; sums that are only rounding residue are 0; products and quotients up
        // to the 1E500 limit; huge trigonometric arguments give 0, poles code 7; the domains of the
        // roots, logarithms and inverse functions, exact near 0; the 1000 limit of the hyperbolic
        // functions for both signs; codes that are no operation.
        {kPower, 2, 10, 0, 1024}, {kPower, 10, 1000, 7, 0}, {kPower, 10, -1000, 0, 0},
        {kPower, 0, 2, 0, 0}, {kPower, 0, 0, 8, 0}, {kPower, 0, -1, 8, 0}, {kPower, -8, 3, 0, -512},
        {kPower, -2, -3, 0, -0.125L}, {kPower, -2, 2, 0, 4}, {kPower, -8, 1.0L / 3, 8, 0},
        {kPower, -2, 1e30L, 7, 0}, {kPower, -10, -1000, 0, 0}, {kPower, NAN, 2, 8, 0},
        {kPlus, 0.1L + 0.2L, -0.3L, 0, 0}, {kMinus, 1, 1 - 1e-17L, 0, 0},
        {kMinus, 1, 1 - 1e-15L, 0, kSkip}, {kPlus, 1e-60L, -1e-60L, 0, 0}, {kPlus, 1, 1e-60L, 0, 1},
        {kPlus, NAN, 1, 8, 0}, {kMultiply, 1e300L, 1e300L, 8, 0},
        {kMultiply, 1e249L, 1e250L, 0, 1e499L}, {kDivide, 1, 0, 7, 0},
        {kDivide, 1e300L, 1e-300L, 8, 0}, {kDivide, 7, 2, 0, 3.5L}, {kUnaryMinus, 0, 5, 0, -5},
        {kSin, 0, 0x1p63L, 0, 0}, {kCos, 0, -0x1p64L, 0, 0}, {kSin, 0, kPiHalf, 0, 1},
        {kTan, 0, kPi / 4, 0, 1}, {kCot, 0, 0, 7, 0}, {kCot, 0, kPi / 4, 0, 1},
        {kSin, 0, NAN, 8, 0}, {kAtan, 0, 1, 0, kPi / 4}, {kAsin, 0, 0.5L, 0, kPi / 6},
        {kAsin, 0, 1, 7, 0}, {kAsin, 0, -1, 7, 0}, {kAsin, 0, -1.5L, 7, 0},
        {kAcos, 0, 0, 0, kPiHalf}, {kAcos, 0, 1, 7, 0}, {kAcos, 0, -1, 7, 0},
        {kSqrt, 0, -1e-300L, 8, 0}, {kSqrt, 0, 4, 0, 2}, {kLn, 0, 0, 8, 0}, {kLn, 0, NAN, 8, 0},
        {kLg, 0, -1, 8, 0}, {kLg, 0, 1000, 0, 3}, {kExp, 0, 1000, 7, 0}, {kExp, 0, -1000, 0, 0},
        {kExp, 0, 999, 0, kSkip}, {kAbs, 0, -3, 0, 3}, {kInt, 0, -2.5L, 0, -3},
        {kFrac, 0, -2.5L, 0, 0.5L}, {kFrac, 0, 3, 0, 0}, {kFrac, 0, 1e20L, 0, 0},
        {kSinh, 0, 1000, 7, 0}, {kSinh, 0, -1000, 7, 0}, {kCosh, 0, -1000, 7, 0},
        {kTanh, 0, 1000, 7, 0}, {kCoth, 0, -1000, 7, 0}, {kCoth, 0, 0, 7, 0},
        {kCoth, 0, 1e-30L, 0, 1e30L}, {kSinh, 0, 1e-12L, 0, 1e-12L}, {kTanh, 0, 1e-12L, 0, 1e-12L},
        {kCoth, 0, 1, 0, 1.3130352854993313036L}, {kAsinh, 0, -1e10L, 0, -23.718998110500402150L},
        {kAsinh, 0, 1e-12L, 0, 1e-12L}, {kAcosh, 0, 1, 0, 0}, {kAcosh, 0, 0.5L, 7, 0},
        {kAcosh, 0, -1, 7, 0}, {kAtanh, 0, 1, 7, 0}, {kAtanh, 0, -1, 7, 0}, {kAtanh, 0, 2, 7, 0},
        {kAtanh, 0, NAN, 7, 0}, {kAtanh, 0, 1e-15L, 0, 1e-15L}, {kAcoth, 0, 1, 7, 0},
        {kAcoth, 0, -1, 7, 0}, {kAcoth, 0, 0.5L, 7, 0}, {kAcoth, 0, 2, 0, 0.54930614433405484570L},
        {kAcoth, 0, 1e10L, 0, 1e-10L}, {kOpenBracket, 0, 1, 8, 0}, {40, 0, 1, 8, 0}};
    // clang-format on
    for (const auto& c : cases) {
        const Evaluation r = ApplyOperation(c.code, c.a, c.b);
        EXPECT_EQ(ErrorCode(r.error), c.err)
            << "code " << int(c.code) << " a=" << double(c.a) << " b=" << double(c.b);
        if (c.err == 0 && c.result != kSkip) {
            EXPECT_LE(std::fabs(r.value - c.result), 1e-15L * std::fabs(c.result)) << int(c.code);
        }
        EXPECT_TRUE(std::fabs(r.value) <= 1e500L) << int(c.code);
    }
}

TEST(ApplyOperation, SineAndCosineAfterRound12AsTheLibraryGivesThem) {
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    constexpr int kArguments = 10000000;
#else
    constexpr int kArguments = 500000;  // the same sweep, thinned where every call is checked
#endif
    std::mt19937_64 random(2026);
    std::uniform_real_distribution<double> exponent(-40.0, 65.0), moderate(-1.0, 31.0);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < kArguments; ++i) {
        // A random mantissa at every magnitude, two in three within the fast reduction's range.
        const long double mantissa =
            std::ldexp(static_cast<long double>(bits(random) | (1ULL << 63)), -64);
        const double e = i % 3 ? moderate(random) : exponent(random);
        long double x = (i & 1 ? -1 : 1) * std::ldexp(mantissa, static_cast<int>(e));
        if (i % 5 == 0 && std::fabs(x) < 0x1p40L)
            x = std::rint(x / kPiHalf) * kPiHalf;  // near a zero
        const bool sine = i & 2;
        const long double before = std::fabs(x) >= 0x1p63L ? 0.0L
                                   : sine                  ? std::sin(x)
                                                           : std::cos(x);
        const Evaluation now = ApplyOperation(sine ? kSin : kCos, 0, x);
        ASSERT_EQ(Round12(now.value), Round12(before))
            << (sine ? "sin " : "cos ") << FormatScientific(x, 21);
        long double s, c;  // the polar graphs' pair, without the limit
        if (i % 16 == 0) SineAndCosine(x, s, c);
        ASSERT_TRUE(i % 16 ||
                    (Round12(s) == Round12(std::sin(x)) && Round12(c) == Round12(std::cos(x))))
            << FormatScientific(x, 21);
    }
}

TEST(Calculator, FormulasAndWhatItCannotRun) {
    // clang-format off
    const struct { const char* formula; long double x; int err; long double result; } cases[] = {
        {"5", 123, 0, 5}, {"x^2+1", 3, 0, 10}, {"-x^2", 3, 0, -9}, {"-2^2", 0, 0, -4},
        {"2^3^2", 0, 0, 64}, {"-2*3+1", 0, 0, -5}, {"-x+1", 3, 0, -2}, {"8-4-2", 0, 0, 2},
        {"8/4/2", 0, 0, 1}, {"sin(x)^2", 0, 0, 0}, {"2/sqrt(x)*3", 4, 0, 3},
        // Round12 cleans what the arithmetic leaves.
        {"2^10", 0, 0, 1024}, {"1.1^2", 0, 0, 1.21L}, {"x^(-3)", -0.5L, 0, -8}, {"sin(x)^2+cos(x)^2", 0.7L, 0, 1}, {"0.1+0.2-0.3", 0, 0, 0},
        {"1/3", 0, 0, 0.333333333333L}, {"asin(0.5)", 0, 0, 0.523598775598L},
        {"pi", 0, 0, 3.14159265359L}, {"10^(-201)", 0, 0, 0}, {"lg(1000)-3", 0, 0, 0},
        {"asinh(-1000000)", 0, 0, -14.5086577385L}, {"atanh(x)", 1e-12L, 0, 1e-12L},
        // No value: the first failing operation decides, whatever follows it.
        {"(-8)^(1/3)", 0, 8, 0}, {"1/(x-x)", 12.5L, 7, 0}, {"x*x", 1e300L, 8, 0},
        {"x/0", 3, 7, 0}, {"x^(-2)", 0, 8, 0}, {"sqrt(x-5)", 3, 8, 0}, {"frac(x)+int(x)", -2.5L, 0, -2.5L},
        {"sqrt(-1)*0", 0, 8, 0}, {"exp(x)", 2000, 7, 0}, {"x", 1e600L, 8, 0},
        {"(-x)*0", 1e600L, 8, 0}, {"x", NAN, 8, 0}, {"x^2", INFINITY, 7, 0},
        // The second variable is 0.8; the one-variable calculator refuses it.
        {"x^2+y^2-1", 0.6L, 0, 0}, {"x-y", 5, 0, 4.2L}, {"y*pi", 1, 0, 2.51327412287L}};
    // clang-format on
    for (const auto& c : cases) {
        CompiledFormula2Var two;
        ASSERT_EQ(ErrorCode(two.Compile(c.formula, "X", "Y")), 0) << c.formula;
        const Evaluation v2 = two.Calculate(c.x, 0.8L);
        EXPECT_EQ(std::make_pair(ErrorCode(v2.error), v2.value), std::make_pair(c.err, c.result))
            << c.formula;
        CompiledFormula one;
        if (one.Compile(c.formula, "X") != FormulaError::None) continue;
        const Evaluation v = one.Calculate(c.x);
        EXPECT_EQ(std::make_pair(ErrorCode(v.error), v.value), std::make_pair(c.err, c.result))
            << c.formula;
    }
    StackList broken;  // an operator with nothing to work on
    broken.Push(kPlus);
    EXPECT_EQ(ErrorCode(Calculator(broken).Calculate(1).error), 8);
    CompiledFormula nothing;
    EXPECT_EQ(ErrorCode(nothing.Calculate(1).error), 8);
    EXPECT_EQ(ErrorCode(nothing.Compile("", "X")), 2);  // an empty formula has nothing to compute
}

// x as an exact rational: its 64-bit mantissa times a power of two.
mpq_class Exact(long double x) {
    int e = 0;
    const auto m = static_cast<std::uint64_t>(std::ldexp(std::fabs(std::frexp(x, &e)), 64));
    mpq_class q(mpz_class(static_cast<unsigned long>(m)));
    if (e >= 64)
        q *= mpq_class(mpz_class(1) << (e - 64));
    else
        q /= mpz_class(1) << (64 - e);
    return x < 0 ? mpq_class(-q) : q;
}

TEST(ApplyOperation, WholePowersNoFurtherFromTheTruthThanEToTheLog) {
    std::mt19937_64 random(31);
    std::uniform_real_distribution<double> decade(-8.0, 8.0);
    std::vector<long double> bases = {1.1L, 0.7L, 3.3L, 9.99L, 1e-5L, 123.456L, -2.5L, kPi};
    for (int i = 0; i < 150; ++i)
        bases.push_back((i % 3 ? 1 : -1) *
                        std::pow(10.0L, static_cast<long double>(decade(random))));
    int better = 0;
    for (long double x : bases) {
        for (int n = -64; n <= 64; ++n) {
            const Evaluation r = ApplyOperation(kPower, x, n);
            const long double old =
                std::exp(n * std::log(std::fabs(x))) * (x < 0 && n % 2 ? -1 : 1);
            if (std::fabs(n * std::log(std::fabs(x))) >= 1000) continue;
            ASSERT_TRUE(r.Ok());
            mpq_class truth = 1;
            for (int k = 0; k < std::abs(n); ++k)
                truth *= Exact(x);
            if (n < 0) truth = 1 / truth;
            const mpq_class ours = abs(Exact(r.value) - truth), theirs = abs(Exact(old) - truth);
            ASSERT_LE(ours, theirs) << double(x) << "^" << n;
            better += ours < theirs;
        }
    }
    EXPECT_GT(better, 10000);  // the logarithm's error grows with the power; this one does not
}

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
    EXPECT_EQ(std::make_tuple(err, value, shown), std::make_tuple(0, 1500.0L, std::string("0.25")));
}

template <int decimals>
std::string Decimals(long double v) {
    return NumToStrDecimals(v, decimals);
}

TEST(NumberText, EachFormAndRangeDecimals) {
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
        {Formula, -0.5L, "-0.5"}, {Formula, 1.0L / 3, "0.33333333"}, {Formula, 1e500L, "(1*10^500)"},
        // A mantissa that rounds up to 10 stays 10; then a given number of decimals.
        {Formula, 99999999.99L, "(10*10^7)"}, {Decimals<3>, 9999999.99999L, "10*10^6"},
        {Decimals<10>, 1.0L / 3, "0.3333333333"}, {Decimals<10>, 10, "10"},
        {Decimals<10>, -0.0L, "0"}, {Decimals<7>, -1e-300L, "0"}, {Decimals<0>, 2.5L, "2"},
        {Decimals<0>, 250, "250"}, {Decimals<10>, 123456789, "1.23456789*10^8"},
        {Decimals<10>, 1.0L / 3 * 1e-5L, "3.3333333333*10^(-6)"},
        {Decimals<3>, -1.0L / 3 * 1e-5L, "-3.333*10^(-6)"}, {Decimals<2>, 1e1000L, "1*10^1000"}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(c.show(c.value), c.text) << static_cast<double>(c.value);
    // Coordinates: decimals follow the range width.
    // clang-format off
    const struct { long double value, width; const char *plain, *fixed; } ranges[] = {
        {1.5L, 10, "1.5", "1.500"}, {1.5L, 1000, "1.5", "1.5"}, {2, 10, "2", "2.000"},
        {1.23456L, 0.5L, "1.2346", "1.2346"}, {-0.001L, 100, "0", "0.00"},
        {1e-250L, 10, "0", "0.000"}, {150, -20000, "150", "150"},
        {12345678, 10, "1.2345678*10^7", "1.2345678*10^7"}, {1.5L, NAN, "1.5", "1.5"},
        {1.5L, -HUGE_VALL, "1.5", "1.5"}};
    // clang-format on
    for (const auto& c : ranges) {
        EXPECT_EQ(RangeNumToStr(c.value, c.width, 1), c.plain) << double(c.value);
        EXPECT_EQ(RangeNumToStrFixed(c.value, c.width, 1), c.fixed) << double(c.value);
    }
    EXPECT_EQ(RangeNumToStr(0.5L, 1e-300L, 1), "0.5");
    EXPECT_EQ(RangeNumToStr(1.5L, 0, 1), "");
    EXPECT_EQ(RangeNumToStrFixed(1.5L, 10, 0), "");
}

TEST(Round12, MatchesTheTextRoundTripOnAMillionValues) {
    // Bit for bit, also the sign of zero.
    const auto same = [](long double v) {
        const long double fast = Round12(v), slow = Round12ByText(v);
        return fast == slow && std::signbit(fast) == std::signbit(slow);
    };
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> decade(-210.0, 2010.0);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 700000; ++i) {
        // A random 64-bit mantissa at a random magnitude over the whole range and a bit beyond.
        const long double scale = std::pow(10.0L, static_cast<long double>(decade(random)));
        const long double mantissa =
            std::ldexp(static_cast<long double>(bits(random) | (1ULL << 63)), -63);
        const long double v = (i % 2 ? -1 : 1) * scale * mantissa;
        ASSERT_TRUE(same(v)) << FormatScientific(v, 20);
    }
    // The nearest extended values to 12-digit rounding ties, and their neighbours.
    std::uniform_int_distribution<long long> digits(100000000000LL, 999999999999LL);
    std::uniform_int_distribution<int> exponent(-205, 2005);
    for (int i = 0; i < 100000; ++i) {
        long double v = 0;
        ParseDecimal(std::to_string(digits(random)) + "5e" + std::to_string(exponent(random) - 12),
                     v);
        for (long double w : {v, std::nextafter(v, 0.0L), std::nextafter(v, HUGE_VALL)})
            ASSERT_TRUE(same(w)) << FormatScientific(w, 20);
    }
    // Values that come out of arithmetic: small integers and simple fractions.
    for (int n = 1; n <= 2000; ++n) {
        for (int d = 1; d <= 50; ++d)
            ASSERT_TRUE(same(static_cast<long double>(n) / d)) << n << "/" << d;
    }
}

TEST(Rounding, KnownValues) {
    using R = long double (*)(long double);
    const long double huge = 1.234567890123456789e2001L;
    // clang-format off
    const R r12 = Round12, mantissa = RoundMantissa, to8 = RoundTo8;  // to8: as the display shows it
    const R toInt = [](long double v) -> long double { return RoundToInt(v); };
    const R pow10 = [](long double n) { return Power10(static_cast<int>(n)); };
    const struct { R round; long double v, rounded; } cases[] = {
        {r12, 0, 0}, {r12, 9.99e-201L, 0}, {r12, -1e-201L, 0}, {r12, 1e-200L, 1e-200L},
        {r12, 1e2000L, 1e2000L}, {r12, huge, huge}, {r12, HUGE_VALL, HUGE_VALL},
        {r12, 1.0L / 3, 0.333333333333L},
        {r12, -2.0L / 3, -0.666666666667L}, {r12, 999999999999.5L, 1e12L},  // ties go to the even digit
        {r12, 999999999998.5L, 999999999998.0L}, {mantissa, 1e-201L, 0},
        {mantissa, 1e2001L, 1e2001L}, {mantissa, 0.1L + 0.2L, RoundMantissa(0.3L)},
        // The residue below the 11th decimal of the binary mantissa is dropped.
        {mantissa, 99.5L - 1e-10L, 99.5L}, {mantissa, -99.5L + 1e-10L, -99.5L},
        // Pixels: ties to even, clamped; RoundMantissa first, which makes a tie of the last.
        {toInt, 2.5L, 2}, {toInt, 3.5L, 4}, {toInt, -2.5L, -2}, {toInt, 2.4999999999999L, 2},
        {toInt, 2.49999999999999999L, 2}, {toInt, 1e30L, 1000000000},
        {toInt, -HUGE_VALL, -1000000000}, {toInt, NAN, 0}, {pow10, -3, 0.001L},
        {pow10, -4000, 1e-4000L}, {pow10, 6000, HUGE_VALL}, {pow10, -6000, 0},
        {to8, 1.0L / 3, 0.3333333L}, {to8, 123456789, 123456790}, {to8, 1e-40L, 0},
        {to8, -HUGE_VALL, -HUGE_VALL}, {to8, HUGE_VALL, HUGE_VALL}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(c.round(c.v), c.rounded) << static_cast<double>(c.v);
    EXPECT_TRUE(std::isnan(Round12(NAN)));
}

// The fast forms must give exactly what the library's frexp, ldexp, round and nearbyint
// give, on random values, ties and values a hair from a half.
TEST(Rounding, SameAsTheLibraryForms) {
    const auto mantissa = [](long double v) {
        if (std::fabs(v) < 1e-200L) return 0.0L;
        if (!(std::fabs(v) <= 1e2000L)) return v;
        int e = 0;
        const long double m = std::frexp(v, &e);
        return std::ldexp(std::round(m * 1e11L) / 1e11L, e);
    };
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int i = 0; i < 100000; ++i) {
        const long double n = std::floor(unit(random) * 2e6);
        long double v = unit(random) * 3e9;
        if (i % 4 == 0) v = unit(random) * std::pow(10.0L, static_cast<int>(random() % 440) - 210);
        if (i % 4 == 1) v = n + 0.5L;  // ties
        if (i % 4 == 2)                // a hair from a half, within and beyond the mantissa's reach
            v = n + 0.5L + unit(random) * std::pow(10.0L, -static_cast<int>(random() % 18)) * n;
        ASSERT_EQ(RoundHalfAway(v), std::round(v)) << static_cast<double>(v);
        ASSERT_EQ(RoundMantissa(v), mantissa(v)) << static_cast<double>(v);
        const long double r = std::nearbyint(mantissa(v));
        ASSERT_EQ(RoundToInt(v), static_cast<int>(std::fmax(-1e9L, std::fmin(1e9L, r))))
            << static_cast<double>(v);
    }
    EXPECT_TRUE(std::signbit(RoundHalfAway(-0.3L)));
}

}  // namespace
}  // namespace plotwise
