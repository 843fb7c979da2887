// Host-internal: printf-style formatting with the framework's wide
// conventions, shared by CString::Format and acutPrintf.
//
// In a wide format %s and %c take a wide string and character, %S and %C (and
// %hs, %hc) a narrow one, which is converted from the ANSI code page; %ls,
// %lc, %ws and %wc are wide again. Integers take h, hh, l, ll, I64, I32, I, z,
// j and t sizes; %p prints the pointer as 16 upper-case hex digits. A null
// string argument prints "(null)". An unknown conversion is copied as it
// stands; %n takes its argument and writes nothing.
#pragma once

#include <cstdarg>
#include <string>

namespace hxhost::detail {

// The text of `format` with `args`; empty for a null format.
std::wstring formatWide(const wchar_t* format, va_list args);

} // namespace hxhost::detail
