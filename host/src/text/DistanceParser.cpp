// acdbDisToF: the host's parser of distances in decimal and scientific units.
#include "acdbads.h"
#include "acedads.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Skips digits from i; returns how many there were.
size_t digits(const std::wstring& s, size_t& i) {
    const size_t start = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i - start;
}

// The number's text without blanks when it has the decimal form; empty
// otherwise.
std::string decimalText(const std::wstring& s) {
    size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    const size_t start = i;
    if (i < s.size() && (s[i] == L'+' || s[i] == L'-'))
        ++i;
    size_t mantissa = digits(s, i);
    if (i < s.size() && s[i] == L'.') {
        ++i;
        mantissa += digits(s, i);
    }
    if (mantissa == 0)
        return {};
    if (i < s.size() && (s[i] == L'e' || s[i] == L'E')) {
        ++i;
        if (i < s.size() && (s[i] == L'+' || s[i] == L'-'))
            ++i;
        if (digits(s, i) == 0)
            return {};
    }
    const size_t end = i;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    if (i != s.size())
        return {};
    return std::string(s.begin() + static_cast<long>(start), s.begin() + static_cast<long>(end));
}

} // namespace

int acdbDisToF(const ACHAR* str, int unit, ads_real* v) {
    if (str == nullptr || v == nullptr)
        return RTERROR;
    if (unit != -1 && unit != 1 && unit != 2)
        return RTERROR;
    const std::string text = decimalText(str);
    if (text.empty())
        return RTERROR;
    const double value = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(value))
        return RTERROR;
    *v = value;
    return RTNORM;
}
