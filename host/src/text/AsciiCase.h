// Host-internal: case folding of names the host matches without regard to
// case (commands, groups, system variables, module file names). Only A-Z and
// a-z fold, as in the host's C locale.
#pragma once

#include <string>

namespace hxhost::detail {

inline wchar_t upperAscii(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? wchar_t(c - L'a' + L'A') : c;
}

inline std::wstring upperAscii(const wchar_t* text) {
    std::wstring s = text != nullptr ? text : L"";
    for (wchar_t& c : s)
        c = upperAscii(c);
    return s;
}

// True when both are non-null and equal apart from the case of A-Z.
inline bool sameNameNoCase(const wchar_t* a, const wchar_t* b) {
    if (a == nullptr || b == nullptr)
        return false;
    for (; *a != L'\0' && upperAscii(*a) == upperAscii(*b); ++a, ++b) {
    }
    return upperAscii(*a) == upperAscii(*b);
}

} // namespace hxhost::detail
