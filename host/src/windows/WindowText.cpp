// The default window procedure: window text and font.
#include "windows/WindowStore.h"

#include <algorithm>
#include <cwchar>

namespace {

// Copies at most maxCount - 1 characters and a terminating zero; gives the
// characters copied.
int copyText(const std::wstring& text, LPWSTR buffer, int maxCount) {
    if (buffer == nullptr || maxCount <= 0)
        return 0;
    int n = std::min(static_cast<int>(text.size()), maxCount - 1);
    std::wmemcpy(buffer, text.data(), static_cast<std::size_t>(n));
    buffer[n] = L'\0';
    return n;
}

} // namespace

LRESULT DefWindowProcW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    hxwin::Window* window = hxwin::findWindowOrFail(handle);
    if (window == nullptr)
        return 0;
    switch (message) {
    case WM_SETTEXT: {
        auto* text = reinterpret_cast<LPCWSTR>(lParam);
        window->text = text != nullptr ? text : L"";
        return TRUE;
    }
    case WM_GETTEXT:
        return copyText(window->text, reinterpret_cast<LPWSTR>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window->text.size());
    case WM_SETFONT:
        window->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(window->font);
    default:
        return 0;
    }
}

int GetWindowTextW(HWND handle, LPWSTR text, int maxCount) {
    if (text != nullptr && maxCount > 0)
        text[0] = L'\0';
    if (hxwin::findWindowOrFail(handle) == nullptr)
        return 0;
    return static_cast<int>(SendMessageW(handle, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                         reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthW(HWND handle) {
    return static_cast<int>(SendMessageW(handle, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowTextW(HWND handle, LPCWSTR text) {
    return static_cast<BOOL>(SendMessageW(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}
