// Numbers as the program shows them: plain up to 7 decimals, or mantissa "*10^" exponent.
#pragma once

#include <string>

namespace plotwise {

// Plain for 0.001 <= |v| <= 1000000 (and for values Round12 makes 0), else e.g.
// 1.2345678*10^7 or -5*10^(-4). Infinities and NaN show as "INF", "-INF" and "NAN".
std::string NumToStr(long double v);

// Always mantissa "*10^" exponent; 0 gives 0*10^0.
std::string NumToExpStr(long double v);

// A coordinate with about a thousandth of the visible range width: empty when width or
// span is 0; trailing zeros removed (RangeNumToStr) or kept (RangeNumToStrFixed).
std::string RangeNumToStr(long double v, long double width, long double span);
std::string RangeNumToStrFixed(long double v, long double width, long double span);

// NumToStr with the power-of-ten form in parentheses, the minus outside: -(2.5*10^(-8)).
std::string CoefToStr(long double v);

// NumToStr as formula text: eight significant digits below 1 too (0.00390625), the
// power-of-ten form in parentheses, e.g. (2*10^(-4)), and a mantissa that prints as 10 is
// kept as it is.
std::string NumToFormulaStr(long double v);

// Up to d decimals in the plain range; otherwise an 18-digit mantissa shown with up to d
// decimals, "*10^" and the exponent.
std::string NumToStrDecimals(long double v, int decimals);

}  // namespace plotwise
