// _wtoi and _wtof: the runtime's wide-text number parsing, the integer form
// saturating at the int range as the platform's runtime does.
#include "tchar.h"

#include <climits>
#include <cwchar>
#include <cwctype>

int _wtoi(const wchar_t* text) {
    if (text == nullptr)
        return 0;
    while (std::iswspace(static_cast<wint_t>(*text)))
        ++text;
    const bool negative = *text == L'-';
    if (*text == L'-' || *text == L'+')
        ++text;
    // Accumulate the magnitude and stop counting once it is past the range.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        if (magnitude <= limit)
            magnitude = magnitude * 10 + (*text - L'0');
    }
    if (magnitude > limit)
        return negative ? INT_MIN : INT_MAX;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

double _wtof(const wchar_t* text) {
    return text == nullptr ? 0.0 : std::wcstod(text, nullptr);
}
