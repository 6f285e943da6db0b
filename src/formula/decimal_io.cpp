#include "formula/decimal_io.h"

#include <locale.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace plotwise {
namespace {

locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// printf has no locale argument, so the C locale is switched in for the calling thread.
class CLocaleScope {
  public:
    CLocaleScope() : previous_(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    locale_t previous_;
};

std::string Format(const char* format, int decimals, long double value) {
    decimals = std::clamp(decimals, 0, 1000);
    CLocaleScope scope;
    char small[128];
    const int length = std::snprintf(small, sizeof small, format, decimals, value);
    if (length < 0) return std::string();
    if (static_cast<std::size_t>(length) < sizeof small) return std::string(small, length);
    std::string big(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(big.data(), big.size(), format, decimals, value);
    big.resize(static_cast<std::size_t>(length));
    return big;
}

}  // namespace

bool ParseDecimal(const std::string& text, long double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = strtold_l(text.c_str(), &end, CLocale());
    return end == text.c_str() + text.size();
}

bool ScanUnsignedDecimal(const std::string& text, long double& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == 0) return false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
    }
    if (i != text.size()) return false;
    return ParseDecimal(text, value) && std::isfinite(value);
}

std::string FormatFixed(long double value, int decimals) {
    return Format("%.*Lf", decimals, value);
}

std::string FormatScientific(long double value, int decimals) {
    return Format("%.*Le", decimals, value);
}

long double ScientificParts(long double v, int decimals, int& exponent) {
    const std::string text = FormatScientific(v, decimals);
    const std::size_t e = text.find('e');
    exponent = e == std::string::npos ? 0 : std::atoi(text.c_str() + e + 1);
    long double mantissa = 0;
    ParseDecimal(text.substr(0, e), mantissa);
    return mantissa;
}

}  // namespace plotwise
