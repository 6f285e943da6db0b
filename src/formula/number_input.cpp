#include "formula/number_input.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "formula/decimal_io.h"
#include "formula/number_text.h"
#include "formula/text_utils.h"

namespace plotwise {
namespace {

constexpr const char* kPowerOfTen = "*10^";
constexpr long double kFlushBelow = 1e-30L;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipSign(const std::string& text) {
    return !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
}

// Optional sign, digits with an optional "." and fraction (5, 5., .5, -0.25).
bool IsPlainNumber(const std::string& text) {
    std::size_t i = SkipSign(text);
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            ++digits;
    }
    return digits > 0 && i == text.size();
}

bool IsInteger(const std::string& text) {
    const std::size_t start = SkipSign(text);
    return text.size() > start &&
           std::all_of(text.begin() + static_cast<long>(start), text.end(), IsDigit);
}

// An integer text of any length, saturated far beyond every exponent that matters.
long long SaturatedInteger(const std::string& text) {
    constexpr long long kLimit = 1000000000;
    const std::size_t start = SkipSign(text);
    long long value = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        value = std::min(kLimit, value * 10 + (text[i] - '0'));
    }
    return text[0] == '-' ? -value : value;
}

// mantissa * 10^exponent, correctly rounded, with no overflow on the way.
long double ScaledDecimal(const std::string& mantissa, long long exponent) {
    long double value = 0;
    ParseDecimal(mantissa + "e" + std::to_string(exponent), value);
    return value;
}

// The exponent text after "*10^", its parentheses dropped; false when they do not pair.
bool UnwrapExponent(std::string& text) {
    if (text.empty() || text[0] != '(') return true;
    if (text.size() < 2 || text.back() != ')') return false;
    text = text.substr(1, text.size() - 2);
    return true;
}

long double FlushTiny(long double v) {
    return std::fabs(v) < kFlushBelow ? 0.0L : v;
}

}  // namespace

long double StrToNum(const std::string& text) {
    const std::string t = TrimControls(text);
    const std::size_t at = t.find(kPowerOfTen);
    long double value = 0;
    if (at == std::string::npos) {
        if (!ParseDecimal(t, value)) return 0;
        return FlushTiny(value);
    }
    const std::string mantissa = t.substr(0, at);
    std::string exponentText = t.substr(at + 4);
    long double exponent = 0;
    if (!IsPlainNumber(mantissa) || !UnwrapExponent(exponentText) ||
        !ParseDecimal(exponentText, exponent) || !std::isfinite(exponent)) {
        return 0;
    }
    const long double rounded = std::fmax(std::fmin(std::round(exponent), 1e9L), -1e9L);
    return FlushTiny(ScaledDecimal(mantissa, static_cast<long long>(rounded)));
}

long double StrToNumRounded(const std::string& text) {
    return StrToNum(NumToExpStr(StrToNum(text)));
}

int CheckNumStr(const std::string& text, long double& value) {
    value = 0;
    if (text.find_first_of("Ee") != std::string::npos) return 1;
    const std::string t = TrimControls(text);
    long double read = 0;
    const std::size_t at = t.find(kPowerOfTen);
    if (at == std::string::npos) {
        if (!IsPlainNumber(t) || !ParseDecimal(t, read) || !std::isfinite(read)) return 2;
    } else {
        const std::string mantissaText = t.substr(0, at);
        std::string exponentText = t.substr(at + 4);
        if (!IsPlainNumber(mantissaText)) return 3;
        if (!UnwrapExponent(exponentText) || !IsInteger(exponentText)) return 4;
        long double mantissa = 0;
        ParseDecimal(mantissaText, mantissa);
        const long long exponent = SaturatedInteger(exponentText);
        // The order of magnitude decides before anything is scaled; a zero mantissa is 0.
        const long double order = std::log10(std::fabs(mantissa)) + exponent;
        if (order > 200) return 5;
        read = order < -200 ? 0.0L : ScaledDecimal(mantissaText, exponent);
    }
    value = RoundFieldValue(read);
    return 0;
}

long double RoundFieldValue(long double v) {
    return StrToNumRounded(NumToExpStr(v));
}

long double RoundTo8(long double v) {
    if (!std::isfinite(v)) return v;
    return StrToNumRounded(NumToStr(v));
}

long double TrimVal(const std::string& text) {
    long double value = 0;
    if (!ParseDecimal(TrimControls(text), value)) return 0;
    return value;
}

bool ReadInteger(const std::string& text, long long& value) {
    value = 0;
    const std::string t = TrimControls(text);
    const std::size_t start = SkipSign(t);
    if (!IsInteger(t)) return false;
    const bool negative = t[0] == '-';
    // Accumulated towards the sign, so the most negative value fits too.
    long long v = 0;
    for (std::size_t i = start; i < t.size(); ++i) {
        const int digit = t[i] - '0';
        if (negative) {
            if (v < (std::numeric_limits<long long>::min() + digit) / 10) return false;
            v = v * 10 - digit;
        } else {
            if (v > (std::numeric_limits<long long>::max() - digit) / 10) return false;
            v = v * 10 + digit;
        }
    }
    value = v;
    return true;
}

bool ReadFieldNumber(const std::string& text, long double& value) {
    return CheckNumStr(text, value) == 0 && fabsl(value) <= kMaxFieldNumber;
}

bool ReadIntegerInRange(const std::string& text, long long low, long long high) {
    long long value = 0;
    return ReadInteger(text, value) && value >= low && value <= high;
}

std::int32_t IntegerField(const std::string& text) {
    long long value = 0;
    if (!ReadInteger(text, value) || value < INT32_MIN || value > INT32_MAX) return 0;
    return static_cast<std::int32_t>(value);
}

}  // namespace plotwise
