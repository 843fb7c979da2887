// Device contexts of windows and memory, their device capabilities, and the
// system metrics of the standard Windows look at 96 pixels per inch.
#include "windows/GdiStore.h"
#include "windows/WindowStore.h"

#include <cstdlib>

#include "hxhost/HostControl.h"

HDC GetDC(HWND window) {
    if (window != nullptr && hxwin::findWindowOrFail(window) == nullptr)
        return nullptr;
    if (hxhost::shouldFail(hxhost::kFaultGetDC)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return hxwin::addDc(window, true);
}

int ReleaseDC(HWND window, HDC handle) {
    const hxwin::DeviceContext* dc = hxwin::findDc(handle);
    if (dc == nullptr || !dc->fromGetDC || dc->window != window)
        return 0;
    hxwin::removeDc(handle);
    return 1;
}

HDC CreateCompatibleDC(HDC handle) {
    if (handle != nullptr && hxwin::findDc(handle) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return hxwin::addDc(nullptr, false);
}

BOOL DeleteDC(HDC handle) {
    const hxwin::DeviceContext* dc = hxwin::findDc(handle);
    if (dc == nullptr || dc->fromGetDC)
        return FALSE;
    hxwin::removeDc(handle);
    return TRUE;
}

int GetDeviceCaps(HDC handle, int index) {
    if (hxwin::findDc(handle) == nullptr)
        return 0;
    return (index == LOGPIXELSX || index == LOGPIXELSY) ? 96 : 0;
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        return 1920;
    case SM_CYSCREEN:
        return 1080;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return 17;
    default:
        return 0;
    }
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    long long product = static_cast<long long>(number) * numerator;
    long long half = std::llabs(static_cast<long long>(denominator)) / 2;
    bool negative = (product < 0) != (denominator < 0);
    long long magnitude =
        (std::llabs(product) + half) / std::llabs(static_cast<long long>(denominator));
    return static_cast<int>(negative ? -magnitude : magnitude);
}
