// Decimal text to and from long double, always with "." as the decimal point: the
// user's locale never reaches the program's numbers.
#pragma once

#include <string>

namespace plotwise {

// Reads the whole text as a decimal number (as strtold reads it, correctly rounded).
// False when anything is left over or the text is empty.
bool ParseDecimal(const std::string& text, long double& value);

// Digits, optionally one "." and more digits: the numbers of the formula language.
// False for any other text and for a number beyond the extended range.
bool ScanUnsignedDecimal(const std::string& text, long double& value);

// printf's "%.*Lf" and "%.*Le" in the C locale; decimals are clamped to 0..1000.
std::string FormatFixed(long double value, int decimals);
std::string FormatScientific(long double value, int decimals);

// v written with decimals + 1 significant digits ("%.*Le"), read back as its mantissa
// (1 <= |m| < 10, or 0) and its decimal exponent.
long double ScientificParts(long double v, int decimals, int& exponent);

}  // namespace plotwise
