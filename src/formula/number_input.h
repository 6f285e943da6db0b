// Number fields read: plain numbers and mantissa "*10^" exponent, "." as the point.
#pragma once

#include <cstdint>
#include <string>

namespace plotwise {

// Validates and converts a user's number. Returns 0 when valid, with value rounded to 8
// significant digits (below 1E-30 it is 0); any other result means invalid.
int CheckNumStr(const std::string& text, long double& value);

// A value rounded as number fields round what they read: 8 significant digits, 0 below
// 1E-30.
long double RoundFieldValue(long double v);

// Number fields take magnitudes up to 1E100 ("from -1*10^100 up to 1*10^100").
inline constexpr long double kMaxFieldNumber = 1e100L;

// CheckNumStr's number when it is valid and within kMaxFieldNumber.
bool ReadFieldNumber(const std::string& text, long double& value);

// Reads a text that passed CheckNumStr or that the program wrote; no validation (an
// unreadable text gives 0). Magnitudes below 1E-30 become 0.
long double StrToNum(const std::string& text);

// StrToNum rounded to 8 significant digits.
long double StrToNumRounded(const std::string& text);

// A value as the display shows it; infinities and NaN come back unchanged.
long double RoundTo8(long double v);

// A plain number after trimming blanks, for texts the program produced itself.
long double TrimVal(const std::string& text);

// A decimal integer after trimming blanks and control characters: an optional sign and
// digits only. False for anything else and beyond the range of long long.
bool ReadInteger(const std::string& text, long long& value);

// ReadInteger's value, within low..high.
bool ReadIntegerInRange(const std::string& text, long long low, long long high);
// The value of an integer field that passed its check (0 for anything else).
std::int32_t IntegerField(const std::string& text);

}  // namespace plotwise
