// Byte codes of tokens, postfix instructions and (later) expression tree nodes.
#pragma once

#include <cstdint>

namespace plotwise {

enum TokenCode : std::uint8_t {
    kNumber = 0,
    kOpenBracket = 1,
    kCloseBracket = 2,
    kVariable = 3,
    kPower = 4,
    kMinus = 5,
    kPlus = 6,
    kMultiply = 7,
    kDivide = 8,
    kUnaryMinus = 9,
    kPiWord = 10,  // "PI" while recognised; stored as a number
    kSin = 14,
    kCos = 15,
    kSqrt = 16,
    kAtan = 17,
    kAbs = 18,
    kExp = 19,
    kInt = 20,
    kFrac = 21,
    kLn = 22,
    kLg = 23,
    kTan = 24,
    kCot = 25,
    kAsin = 26,
    kAcos = 27,
    kSinh = 28,
    kCosh = 29,
    kTanh = 30,
    kCoth = 31,
    kAsinh = 32,
    kAcosh = 33,
    kAtanh = 34,
    kAcoth = 35,
    kSecondVariable = 51,
};

inline constexpr bool IsOperand(std::uint8_t code) {
    return code == kNumber || code == kVariable || code == kSecondVariable;
}
inline constexpr bool IsBinaryOperator(std::uint8_t code) {
    return code >= kPower && code <= kDivide;
}
// The neighbour check and the transformer treat the whole unassigned range as functions.
inline constexpr bool IsFunction(std::uint8_t code) {
    return code >= 12 && code <= 50;
}

}  // namespace plotwise
