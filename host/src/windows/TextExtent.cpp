// GetTextExtentPoint32W: the extent of text in the font selected into a
// device context.
#include "windows/GdiStore.h"
#include "windows/TextMeasure.h"

BOOL GetTextExtentPoint32W(HDC handle, LPCWSTR text, int count, LPSIZE size) {
    const hxwin::DeviceContext* dc = hxwin::findDc(handle);
    if (dc == nullptr || size == nullptr || count < 0 || (text == nullptr && count > 0)) {
        SetLastError(dc == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const hxwin::Font* font = hxwin::findFont(dc->font);
    *size = hxwin::measureText(font->log, text, count);
    return TRUE;
}
