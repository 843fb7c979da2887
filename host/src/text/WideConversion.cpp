// WideCharToMultiByte and MultiByteToWideChar with Windows semantics over
// iconv, and the thread's last-error code that they set.
//
// Differences from Windows that callers may notice: no best-fit mapping (a
// character the code page lacks always becomes the default character), and
// wchar_t holds UTF-32, so a character outside the BMP counts as one unit.
#include "text/CodePages.h"
#include "text/IconvCodec.h"
#include "windows.h"

#include <cstring>
#include <string>

namespace {

thread_local DWORD t_lastError = ERROR_SUCCESS;

int fail(DWORD error) {
    t_lastError = error;
    return 0;
}

// Copies `count` units to the caller's buffer, Windows style: a size of 0
// asks for the count, a buffer too small fails with nothing written.
template <class Unit> int deliver(const Unit* units, std::size_t count, Unit* out, int outSize) {
    if (count > static_cast<std::size_t>(INT32_MAX))
        return fail(ERROR_INVALID_PARAMETER);
    if (outSize == 0)
        return static_cast<int>(count);
    if (count > static_cast<std::size_t>(outSize))
        return fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(out, units, count * sizeof(Unit));
    return static_cast<int>(count);
}

// The bytes that stand for an unconvertible character: the caller's default
// character (its first one or two bytes), else '?'; U+FFFD in UTF-8.
std::string defaultBytes(unsigned codePage, LPCSTR defaultChar) {
    if (codePage == CP_UTF8)
        return "\xEF\xBF\xBD";
    if (defaultChar == nullptr || defaultChar[0] == '\0')
        return "?";
    return std::string(defaultChar, defaultChar[1] != '\0' ? 2 : 1);
}

} // namespace

DWORD GetLastError() {
    return t_lastError;
}
void SetLastError(DWORD error) {
    t_lastError = error;
}

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int cchWideChar, LPSTR multi,
                        int cbMultiByte, LPCSTR defaultChar, LPBOOL usedDefaultChar) {
    if (wide == nullptr || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0)
        return fail(ERROR_INVALID_PARAMETER);
    if (cbMultiByte > 0 && multi == nullptr)
        return fail(ERROR_INVALID_PARAMETER);
    unsigned cp = hxhost::detail::resolveCodePage(codePage);
    if (cp == CP_UTF8 && (defaultChar != nullptr || usedDefaultChar != nullptr))
        return fail(ERROR_INVALID_PARAMETER);

    std::size_t length = cchWideChar == -1 ? std::wcslen(wide) + 1 : std::size_t(cchWideChar);
    bool strict = cp == CP_UTF8 && (flags & WC_ERR_INVALID_CHARS) != 0;
    std::string bytes;
    bool replaced = false;
    auto status =
        hxhost::detail::encodeWide(hxhost::detail::iconvCharset(cp), wide, length,
                                   defaultBytes(cp, defaultChar), strict, bytes, replaced);
    if (status == hxhost::detail::CodecStatus::UnknownCharset)
        return fail(ERROR_INVALID_PARAMETER);
    if (status == hxhost::detail::CodecStatus::InvalidInput)
        return fail(ERROR_NO_UNICODE_TRANSLATION);
    if (usedDefaultChar != nullptr)
        *usedDefaultChar = replaced ? TRUE : FALSE;
    return deliver(bytes.data(), bytes.size(), multi, cbMultiByte);
}

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multi, int cbMultiByte, LPWSTR wide,
                        int cchWideChar) {
    if (multi == nullptr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0)
        return fail(ERROR_INVALID_PARAMETER);
    if (cchWideChar > 0 && wide == nullptr)
        return fail(ERROR_INVALID_PARAMETER);
    unsigned cp = hxhost::detail::resolveCodePage(codePage);

    std::size_t length = cbMultiByte == -1 ? std::strlen(multi) + 1 : std::size_t(cbMultiByte);
    bool strict = (flags & MB_ERR_INVALID_CHARS) != 0;
    wchar_t replacement = cp == CP_UTF8 ? L'\xFFFD' : L'?';
    std::wstring text;
    auto status = hxhost::detail::decodeBytes(hxhost::detail::iconvCharset(cp), multi, length,
                                              replacement, strict, text);
    if (status == hxhost::detail::CodecStatus::UnknownCharset)
        return fail(ERROR_INVALID_PARAMETER);
    if (status == hxhost::detail::CodecStatus::InvalidInput)
        return fail(ERROR_NO_UNICODE_TRANSLATION);
    return deliver(text.data(), text.size(), wide, cchWideChar);
}
