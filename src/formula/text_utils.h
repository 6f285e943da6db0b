// Small text helpers shared by the formula engine and its callers.
#pragma once

#include <string>

namespace plotwise {

// Upper-cases a-z only, whatever the locale.
inline char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}
std::string UpperAscii(const std::string& text);

// A copy of text without any blank (character 32).
std::string RemoveSpaces(const std::string& text);

// Removes blanks and control characters (codes 0 to 32) at both ends.
std::string TrimControls(const std::string& text);

}  // namespace plotwise
