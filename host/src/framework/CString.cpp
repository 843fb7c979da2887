// CStringW members: construction, editing, search and buffer access.
#include "atlstr.h"
#include "framework/WideFormat.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <stdexcept>

namespace {

const wchar_t* orEmpty(const wchar_t* text) {
    return text != nullptr ? text : L"";
}

std::wstring fromAnsi(const char* text, int length) {
    if (text == nullptr || length <= 0)
        return std::wstring();
    int n = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, length, &wide[0], n);
    return wide;
}

int clamp(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

wchar_t upperAscii(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? wchar_t(c - L'a' + L'A') : c;
}
wchar_t lowerAscii(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c;
}

int order(wchar_t a, wchar_t b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

// Compares two zero-terminated texts, mapping each character through fold.
template <class Fold> int compareWith(const wchar_t* a, const wchar_t* b, Fold fold) {
    for (;; ++a, ++b) {
        int o = order(fold(*a), fold(*b));
        if (o != 0 || *a == L'\0')
            return o;
    }
}

bool inSet(const wchar_t* set, wchar_t c) {
    return c != L'\0' && std::wcschr(set, c) != nullptr;
}

} // namespace

CStringW::CStringW(const wchar_t* text) : m_text(orEmpty(text)) {}

CStringW::CStringW(const wchar_t* text, int length) {
    if (text != nullptr && length > 0)
        m_text.assign(text, static_cast<std::size_t>(length));
}

CStringW::CStringW(const char* text)
    : m_text(text != nullptr ? fromAnsi(text, int(std::strlen(text))) : std::wstring()) {}

CStringW::CStringW(const char* text, int length) : m_text(fromAnsi(text, length)) {}

CStringW::CStringW(wchar_t ch, int repeat) {
    if (repeat > 0)
        m_text.assign(static_cast<std::size_t>(repeat), ch);
}

CStringW& CStringW::operator=(const wchar_t* text) {
    m_text = orEmpty(text);
    return *this;
}

CStringW& CStringW::operator=(const char* text) {
    return *this = CStringW(text);
}

CStringW& CStringW::operator=(wchar_t ch) {
    m_text.assign(1, ch);
    return *this;
}

wchar_t CStringW::GetAt(int index) const {
    if (index < 0 || index >= GetLength())
        throw std::out_of_range("CString::GetAt: index outside the string");
    return m_text[static_cast<std::size_t>(index)];
}

void CStringW::SetAt(int index, wchar_t ch) {
    if (index < 0 || index >= GetLength())
        throw std::out_of_range("CString::SetAt: index outside the string");
    m_text[static_cast<std::size_t>(index)] = ch;
}

void CStringW::SetString(const wchar_t* text, int length) {
    *this = CStringW(text, length);
}

CStringW& CStringW::operator+=(const CStringW& text) {
    m_text += text.m_text;
    return *this;
}

CStringW& CStringW::operator+=(const wchar_t* text) {
    m_text += orEmpty(text);
    return *this;
}

CStringW& CStringW::operator+=(const char* text) {
    return *this += CStringW(text);
}

CStringW& CStringW::operator+=(wchar_t ch) {
    m_text += ch;
    return *this;
}

int CStringW::Compare(const wchar_t* text) const {
    return compareWith(GetString(), orEmpty(text), [](wchar_t c) { return c; });
}

int CStringW::CompareNoCase(const wchar_t* text) const {
    return compareWith(GetString(), orEmpty(text), lowerAscii);
}

CStringW CStringW::Left(int count) const {
    return Mid(0, count);
}

CStringW CStringW::Mid(int first) const {
    return Mid(first, GetLength());
}

CStringW CStringW::Mid(int first, int count) const {
    int from = clamp(first, 0, GetLength());
    int n = clamp(count, 0, GetLength() - from);
    return CStringW(m_text.data() + from, n);
}

CStringW CStringW::Right(int count) const {
    int n = clamp(count, 0, GetLength());
    return Mid(GetLength() - n, n);
}

CStringW CStringW::SpanIncluding(const wchar_t* set) const {
    const wchar_t* s = orEmpty(set);
    int n = 0;
    while (n < GetLength() && inSet(s, m_text[std::size_t(n)]))
        ++n;
    return Left(n);
}

CStringW CStringW::SpanExcluding(const wchar_t* set) const {
    const wchar_t* s = orEmpty(set);
    int n = 0;
    while (n < GetLength() && !inSet(s, m_text[std::size_t(n)]))
        ++n;
    return Left(n);
}

CStringW CStringW::Tokenize(const wchar_t* delimiters, int& start) const {
    if (start >= 0 && start < GetLength() && (delimiters == nullptr || *delimiters == L'\0'))
        return Mid(start);
    if (start >= 0 && start < GetLength()) {
        CStringW rest = Mid(start);
        int skip = rest.SpanIncluding(delimiters).GetLength();
        if (skip < rest.GetLength()) {
            int length = rest.Mid(skip).SpanExcluding(delimiters).GetLength();
            int from = start + skip;
            start = from + length + 1;
            return Mid(from, length);
        }
    }
    start = -1;
    return CStringW();
}

int CStringW::Find(wchar_t ch, int start) const {
    return Find(std::wstring(1, ch).c_str(), start);
}

int CStringW::Find(const wchar_t* needle, int start) const {
    if (needle == nullptr || start > GetLength())
        return -1;
    std::size_t at = m_text.find(needle, static_cast<std::size_t>(std::max(start, 0)));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CStringW::ReverseFind(wchar_t ch) const {
    std::size_t at = m_text.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CStringW::FindOneOf(const wchar_t* set) const {
    std::size_t at = m_text.find_first_of(orEmpty(set));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CStringW::Replace(wchar_t oldChar, wchar_t newChar) {
    int n = 0;
    for (wchar_t& c : m_text) {
        if (c == oldChar) {
            c = newChar;
            ++n;
        }
    }
    return n;
}

int CStringW::Replace(const wchar_t* oldText, const wchar_t* newText) {
    std::wstring from = orEmpty(oldText);
    std::wstring to = orEmpty(newText);
    if (from.empty())
        return 0;
    int n = 0;
    for (std::size_t at = m_text.find(from); at != std::wstring::npos;
         at = m_text.find(from, at + to.size())) {
        m_text.replace(at, from.size(), to);
        ++n;
    }
    return n;
}

int CStringW::Remove(wchar_t ch) {
    std::size_t before = m_text.size();
    m_text.erase(std::remove(m_text.begin(), m_text.end(), ch), m_text.end());
    return static_cast<int>(before - m_text.size());
}

int CStringW::Insert(int index, wchar_t ch) {
    return Insert(index, std::wstring(1, ch).c_str());
}

int CStringW::Insert(int index, const wchar_t* text) {
    m_text.insert(static_cast<std::size_t>(clamp(index, 0, GetLength())), orEmpty(text));
    return GetLength();
}

int CStringW::Delete(int index, int count) {
    int from = std::max(index, 0);
    if (count > 0 && from < GetLength())
        m_text.erase(std::size_t(from), std::size_t(std::min(count, GetLength() - from)));
    return GetLength();
}

CStringW& CStringW::Trim() {
    return TrimRight().TrimLeft();
}
CStringW& CStringW::Trim(wchar_t ch) {
    return TrimRight(ch).TrimLeft(ch);
}
CStringW& CStringW::Trim(const wchar_t* set) {
    return TrimRight(set).TrimLeft(set);
}

CStringW& CStringW::TrimLeft() {
    auto first = std::find_if(m_text.begin(), m_text.end(), [](wchar_t c) { return !iswspace(c); });
    m_text.erase(m_text.begin(), first);
    return *this;
}

CStringW& CStringW::TrimLeft(wchar_t ch) {
    return TrimLeft(std::wstring(1, ch).c_str());
}

CStringW& CStringW::TrimLeft(const wchar_t* set) {
    m_text.erase(0, std::size_t(SpanIncluding(set).GetLength()));
    return *this;
}

CStringW& CStringW::TrimRight() {
    while (!m_text.empty() && iswspace(m_text.back()))
        m_text.pop_back();
    return *this;
}

CStringW& CStringW::TrimRight(wchar_t ch) {
    return TrimRight(std::wstring(1, ch).c_str());
}

CStringW& CStringW::TrimRight(const wchar_t* set) {
    const wchar_t* s = orEmpty(set);
    while (!m_text.empty() && inSet(s, m_text.back()))
        m_text.pop_back();
    return *this;
}

CStringW& CStringW::MakeUpper() {
    std::transform(m_text.begin(), m_text.end(), m_text.begin(), upperAscii);
    return *this;
}

CStringW& CStringW::MakeLower() {
    std::transform(m_text.begin(), m_text.end(), m_text.begin(), lowerAscii);
    return *this;
}

CStringW& CStringW::MakeReverse() {
    std::reverse(m_text.begin(), m_text.end());
    return *this;
}

wchar_t* CStringW::GetBuffer() {
    return &m_text[0];
}

wchar_t* CStringW::GetBuffer(int minLength) {
    if (minLength > GetLength())
        m_text.resize(static_cast<std::size_t>(minLength));
    return &m_text[0];
}

wchar_t* CStringW::GetBufferSetLength(int length) {
    m_text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return &m_text[0];
}

void CStringW::ReleaseBuffer(int newLength) {
    std::size_t size = m_text.size();
    std::size_t length =
        newLength < 0 ? std::wcslen(m_text.c_str()) : std::min(std::size_t(newLength), size);
    m_text.resize(length);
}

void CStringW::FormatArgs(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CStringW::FormatV(const wchar_t* format, va_list args) {
    m_text = hxhost::detail::formatWide(format, args);
}

void CStringW::AppendFormatArgs(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

void CStringW::AppendFormatV(const wchar_t* format, va_list args) {
    m_text += hxhost::detail::formatWide(format, args);
}

CStringW operator+(const CStringW& a, const CStringW& b) {
    CStringW r(a);
    r += b;
    return r;
}

CStringW operator+(const CStringW& a, const wchar_t* b) {
    CStringW r(a);
    r += b;
    return r;
}

CStringW operator+(const wchar_t* a, const CStringW& b) {
    CStringW r(a);
    r += b;
    return r;
}

CStringW operator+(const CStringW& a, wchar_t b) {
    CStringW r(a);
    r += b;
    return r;
}

CStringW operator+(wchar_t a, const CStringW& b) {
    CStringW r(a);
    r += b;
    return r;
}
