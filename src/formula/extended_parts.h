// The parts of an x87 extended value and exact products of two of them. Reading exponents
// from the bits and building powers of two is exact and far cheaper than frexp and ldexp.
#pragma once

#include <cstdint>
#include <cstring>

namespace plotwise {

// 64-bit mantissa with explicit leading bit, then sign and a 15-bit exponent biased by 16383.
inline constexpr int kExponentBias = 16383;

inline long double PowerOfTwo(int e) {
    const std::uint64_t mantissa = std::uint64_t{1} << 63;
    const auto exponent = static_cast<std::uint16_t>(kExponentBias + e);
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &mantissa, sizeof mantissa);
    std::memcpy(bytes + sizeof mantissa, &exponent, sizeof exponent);
    long double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// e with v = m * 2^e and 0.5 <= |m| < 1, for normal non-zero v (frexp's exponent).
inline int FrexpExponent(long double v) {
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &v, sizeof v);
    std::uint16_t exponent;
    std::memcpy(&exponent, bytes + 8, sizeof exponent);
    return (exponent & 0x7FFF) - kExponentBias + 1;
}

// Veltkamp split into 32-bit halves of the 64-bit mantissa.
inline void Split(long double a, long double& hi, long double& lo) {
    const long double t = a * 0x1.00000001p32L;
    hi = t - (t - a);
    lo = a - hi;
}

// Exact product a * b = p + e (Dekker).
inline void TwoProduct(long double a, long double b, long double& p, long double& e) {
    p = a * b;
    long double ah, al, bh, bl;
    Split(a, ah, al);
    Split(b, bh, bl);
    e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
}

}  // namespace plotwise
