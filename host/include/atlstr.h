// The framework's wide string class, CStringW (CString in a Unicode build).
//
// A value type over std::wstring: copies are independent, and every member
// keeps a terminating zero behind the text, so GetString() and the implicit
// const wchar_t* conversion stay valid until the string is next changed.
// Narrow text (the const char* constructor and assignment, %S in Format)
// converts through the ANSI code page in force.
//
// Positions and lengths are ints, as in the framework. Left, Mid and Right
// clamp out-of-range arguments instead of failing; GetAt, SetAt and
// operator[] outside the text throw std::out_of_range, where the framework
// throws its invalid-argument exception. A null const wchar_t* or const char*
// argument counts as the empty string everywhere.
//
// Cost: the framework shares buffers between copies; this class copies, which
// is linear in the length.
#pragma once

#include "acutads.h"

#include <cstdarg>
#include <string>
#include <type_traits>
#include <utility>

#include "windows.h"

class HX_HOST_API CStringW {
public:
    typedef wchar_t XCHAR;
    typedef wchar_t* PXSTR;
    typedef const wchar_t* PCXSTR;
    typedef char YCHAR;
    typedef const char* PCYSTR;

    CStringW() = default;
    CStringW(const wchar_t* text);
    // The first `length` characters of text, which must hold that many
    // (embedded zeros are kept). Null or length <= 0: empty.
    CStringW(const wchar_t* text, int length);
    // Narrow text converted from the ANSI code page.
    CStringW(const char* text);
    CStringW(const char* text, int length);
    // ch repeated `repeat` times; repeat <= 0 gives the empty string.
    explicit CStringW(wchar_t ch, int repeat = 1);
    CStringW(const CStringW&) = default;
    CStringW(CStringW&&) noexcept = default;
    CStringW& operator=(const CStringW&) = default;
    CStringW& operator=(CStringW&&) noexcept = default;
    CStringW& operator=(const wchar_t* text);
    CStringW& operator=(const char* text);
    CStringW& operator=(wchar_t ch);

    // --- Content
    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const wchar_t* GetString() const { return m_text.c_str(); }
    operator const wchar_t*() const { return m_text.c_str(); }
    wchar_t GetAt(int index) const;
    void SetAt(int index, wchar_t ch);
    wchar_t operator[](int index) const { return GetAt(index); }
    // Replaces the text by the first `length` characters of text.
    void SetString(const wchar_t* text, int length);

    // --- Appending
    CStringW& operator+=(const CStringW& text);
    CStringW& operator+=(const wchar_t* text);
    CStringW& operator+=(const char* text);
    CStringW& operator+=(wchar_t ch);
    void Append(const wchar_t* text) { *this += text; }
    void AppendChar(wchar_t ch) { *this += ch; }

    // --- Comparison: -1, 0 or 1, by character code (CompareNoCase folds A-Z).
    int Compare(const wchar_t* text) const;
    int CompareNoCase(const wchar_t* text) const;

    // --- Extraction: out-of-range counts and positions are clamped to the text.
    CStringW Left(int count) const;
    CStringW Mid(int first) const;
    CStringW Mid(int first, int count) const;
    CStringW Right(int count) const;
    // The leading characters that are (not) in `set`.
    CStringW SpanIncluding(const wchar_t* set) const;
    CStringW SpanExcluding(const wchar_t* set) const;
    // The next token after position `start`, skipping leading delimiters, and
    // moves `start` behind it; at the end returns empty and sets start to -1.
    // With no delimiters, returns the rest from start (start is not moved).
    CStringW Tokenize(const wchar_t* delimiters, int& start) const;

    // --- Search: position, or -1. A start beyond the text finds nothing; a
    // negative start counts as 0; an empty needle is found at start.
    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* needle, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* set) const;

    // --- Editing. Replace and Remove return how many were replaced/removed;
    // Insert and Delete return the new length. An empty `old` replaces nothing.
    int Replace(wchar_t oldChar, wchar_t newChar);
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    int Remove(wchar_t ch);
    int Insert(int index, wchar_t ch);
    int Insert(int index, const wchar_t* text);
    int Delete(int index, int count = 1);
    // Trimming without arguments removes white space.
    CStringW& Trim();
    CStringW& Trim(wchar_t ch);
    CStringW& Trim(const wchar_t* set);
    CStringW& TrimLeft();
    CStringW& TrimLeft(wchar_t ch);
    CStringW& TrimLeft(const wchar_t* set);
    CStringW& TrimRight();
    CStringW& TrimRight(wchar_t ch);
    CStringW& TrimRight(const wchar_t* set);
    // Case mapping of A-Z / a-z (the C locale's), other characters unchanged.
    CStringW& MakeUpper();
    CStringW& MakeLower();
    CStringW& MakeReverse();

    // --- Direct buffer access. GetBuffer(n) makes room for n characters plus
    // a terminating zero and returns the buffer; after writing to it, call
    // ReleaseBuffer (the length is then that of the zero-terminated text, or
    // `newLength` when given, at most the buffer's size). GetBufferSetLength
    // sets the length to n at once. GetBuffer() returns the buffer as it is.
    wchar_t* GetBuffer();
    wchar_t* GetBuffer(int minLength);
    wchar_t* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // --- Formatting, printf style with the framework's wide conventions: %s
    // and %c take wide text, %S and %C narrow text (ANSI code page), %I64d a
    // 64-bit integer, %p a pointer as 16 hex digits. A CString argument is
    // passed as its text, as the framework allows; other class objects must
    // not be passed. A null format gives the empty string.
    template <class... Args> void Format(const wchar_t* format, Args&&... args) {
        FormatArgs(format, FormatArg(std::forward<Args>(args))...);
    }
    template <class... Args> void AppendFormat(const wchar_t* format, Args&&... args) {
        AppendFormatArgs(format, FormatArg(std::forward<Args>(args))...);
    }
    void FormatV(const wchar_t* format, va_list args);
    void AppendFormatV(const wchar_t* format, va_list args);

    // A CString argument of a variadic call becomes its text; anything else
    // passes through unchanged (the C rules of variadic calls then apply).
    template <class T> static decltype(auto) FormatArg(T&& arg) {
        if constexpr (std::is_same_v<std::decay_t<T>, CStringW>)
            return static_cast<const wchar_t*>(arg.GetString());
        else
            return std::forward<T>(arg);
    }
private:
    void FormatArgs(const wchar_t* format, ...);
    void AppendFormatArgs(const wchar_t* format, ...);

    std::wstring m_text;
};

typedef CStringW CString;

// acutPrintf given framework strings passes their text, as the framework's
// strings do in variadic calls on the host's own platform. Chosen only when a
// CString is among the arguments; otherwise the C function is called directly.
template <class... Args,
          std::enable_if_t<(std::is_same_v<std::decay_t<Args>, CStringW> || ...), int> = 0>
int acutPrintf(const ACHAR* format, Args&&... args) {
    return acutPrintf(format, CStringW::FormatArg(std::forward<Args>(args))...);
}

HX_HOST_API CStringW operator+(const CStringW& a, const CStringW& b);
HX_HOST_API CStringW operator+(const CStringW& a, const wchar_t* b);
HX_HOST_API CStringW operator+(const wchar_t* a, const CStringW& b);
HX_HOST_API CStringW operator+(const CStringW& a, wchar_t b);
HX_HOST_API CStringW operator+(wchar_t a, const CStringW& b);

inline bool operator==(const CStringW& a, const CStringW& b) {
    return a.Compare(b) == 0;
}
inline bool operator==(const CStringW& a, const wchar_t* b) {
    return a.Compare(b) == 0;
}
inline bool operator==(const wchar_t* a, const CStringW& b) {
    return b.Compare(a) == 0;
}
inline bool operator!=(const CStringW& a, const CStringW& b) {
    return a.Compare(b) != 0;
}
inline bool operator!=(const CStringW& a, const wchar_t* b) {
    return a.Compare(b) != 0;
}
inline bool operator!=(const wchar_t* a, const CStringW& b) {
    return b.Compare(a) != 0;
}
inline bool operator<(const CStringW& a, const CStringW& b) {
    return a.Compare(b) < 0;
}
inline bool operator<(const CStringW& a, const wchar_t* b) {
    return a.Compare(b) < 0;
}
inline bool operator<(const wchar_t* a, const CStringW& b) {
    return b.Compare(a) > 0;
}
inline bool operator>(const CStringW& a, const CStringW& b) {
    return a.Compare(b) > 0;
}
inline bool operator>(const CStringW& a, const wchar_t* b) {
    return a.Compare(b) > 0;
}
inline bool operator>(const wchar_t* a, const CStringW& b) {
    return b.Compare(a) < 0;
}
inline bool operator<=(const CStringW& a, const CStringW& b) {
    return a.Compare(b) <= 0;
}
inline bool operator>=(const CStringW& a, const CStringW& b) {
    return a.Compare(b) >= 0;
}
