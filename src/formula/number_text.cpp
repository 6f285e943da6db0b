#include "formula/number_text.h"

#include <cmath>

#include "formula/decimal_io.h"
#include "formula/round12.h"

namespace plotwise {
namespace {

bool InPlainRange(long double v) {
    const long double a = std::fabs(v);
    return (a >= 0.001L && a <= 1000000.0L) || Round12(v) == 0;
}

// Removes trailing zeros of the fraction, then a trailing ".". Texts without a decimal
// point are integers whose zeros count.
std::string StripFraction(std::string text, bool zeros) {
    if (text.find('.') == std::string::npos) return text;
    if (zeros) {
        while (!text.empty() && text.back() == '0')
            text.pop_back();
    }
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

// "-0" and its fixed-point forms ("-0.00") lose their sign.
std::string NoNegativeZero(std::string text) {
    if (!text.empty() && text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::string NonFinite(long double v) {
    if (std::isnan(v)) return "NAN";
    return v < 0 ? "-INF" : "INF";
}

std::string PlainText(long double v) {
    return StripFraction(FormatFixed(v, 7), true);
}

std::string ExponentText(int exponent) {
    const std::string digits = std::to_string(exponent);
    return exponent < 0 ? "(" + digits + ")" : digits;
}

std::string ExponentForm(long double v, bool carry = true) {
    if (v == 0) v = 0;  // no "-0*10^0"
    int exponent = 0;
    std::string text = PlainText(ScientificParts(v, 11, exponent));
    if (carry && (text == "10" || text == "-10")) {
        text.pop_back();  // "10" -> "1"
        ++exponent;
    }
    return text + "*10^" + ExponentText(exponent);
}

std::string RangeText(long double v, long double width, long double span, bool stripZeros) {
    if (width == 0 || span == 0) return std::string();
    if (!std::isfinite(v)) return NonFinite(v);
    if (!InPlainRange(v)) return NumToStr(v);
    long double decimals = 1;
    if (!(width > 100) && std::isfinite(width)) {
        decimals = std::trunc(-std::log10(std::fabs(width) / 1000)) + 1;
    }
    decimals = std::fmin(std::fmax(decimals, 0.0L), 400.0L);
    return NoNegativeZero(StripFraction(FormatFixed(v, static_cast<int>(decimals)), stripZeros));
}

}  // namespace

std::string NumToStr(long double v) {
    if (!std::isfinite(v)) return NonFinite(v);
    return NoNegativeZero(InPlainRange(v) ? PlainText(v) : ExponentForm(v));
}

std::string NumToExpStr(long double v) {
    if (!std::isfinite(v)) return NonFinite(v);
    return NoNegativeZero(ExponentForm(v));
}

std::string NumToFormulaStr(long double v) {
    if (!std::isfinite(v)) return NonFinite(v);
    if (std::fabs(v) >= 0.001L && std::fabs(v) < 1) {
        // Eight significant digits below 1 as above it: 0.00390625, not 0.0039062.
        const int decimals = 7 - static_cast<int>(std::floor(std::log10(std::fabs(v))));
        return NoNegativeZero(StripFraction(FormatFixed(v, decimals), true));
    }
    if (InPlainRange(v)) return NoNegativeZero(PlainText(v));
    std::string text = "(";  // appended: GCC 12 misreports "(" + temporary (-Wrestrict)
    text += ExponentForm(v, false);
    return text += ')';
}

std::string RangeNumToStr(long double v, long double width, long double span) {
    return RangeText(v, width, span, true);
}

std::string RangeNumToStrFixed(long double v, long double width, long double span) {
    return RangeText(v, width, span, false);
}

std::string CoefToStr(long double v) {
    const std::string text = NumToStr(v);
    if (text.find("*10^") == std::string::npos) return text;
    if (text[0] == '-') return "-(" + text.substr(1) + ")";
    return "(" + text + ")";
}

std::string NumToStrDecimals(long double v, int decimals) {
    if (!std::isfinite(v)) return NonFinite(v);
    if (InPlainRange(v)) return NoNegativeZero(StripFraction(FormatFixed(v, decimals), true));
    int exponent = 0;
    const long double mantissa = ScientificParts(v, 17, exponent);
    return NoNegativeZero(NumToStrDecimals(mantissa, decimals) + "*10^" + ExponentText(exponent));
}

}  // namespace plotwise
