// lstrlenW and lstrcmpW.
//
// lstrcmpW on Windows compares by the user's locale (word sort). The stand-in
// keeps the part of that order callers meet with plain text: letters compare
// without regard to case first, and only when two strings differ in nothing
// but case does a lower-case letter sort before its upper-case form.
#include "windows.h"

#include <cwchar>

namespace {

wchar_t foldAscii(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c;
}

int sign(long d) {
    return d < 0 ? -1 : (d > 0 ? 1 : 0);
}

} // namespace

int lstrlenW(LPCWSTR s) {
    return s == nullptr ? 0 : static_cast<int>(std::wcslen(s));
}

int lstrcmpW(LPCWSTR a, LPCWSTR b) {
    if (a == nullptr || b == nullptr)
        return a == b ? 0 : (a == nullptr ? -1 : 1);
    int caseOrder = 0;
    for (;; ++a, ++b) {
        wchar_t fa = foldAscii(*a);
        wchar_t fb = foldAscii(*b);
        if (fa != fb)
            return sign(long(fa) - long(fb));
        if (*a == L'\0')
            return caseOrder;
        if (caseOrder == 0 && *a != *b)
            caseOrder = *a == fa ? -1 : 1; // the lower-case one first
    }
}
