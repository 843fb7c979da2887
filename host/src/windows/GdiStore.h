// The live fonts and device contexts of the stand-in, found by handle.
// Handles are never reused, so a stale handle finds nothing.
#pragma once

#include "windows.h"

namespace hxwin {

struct Font {
    LOGFONTW log{};
    bool stock = false;
    int selections = 0; // device contexts that have it selected
};

struct DeviceContext {
    HWND window = nullptr;  // GetDC's window (null: the screen)
    bool fromGetDC = false; // released by ReleaseDC, else by DeleteDC
    HGDIOBJ font = nullptr; // the font selected into it
};

// The font or device context of a handle, or null.
Font* findFont(HGDIOBJ handle);
DeviceContext* findDc(HDC handle);

// Registers a new device context with the stock SYSTEM_FONT selected.
HDC addDc(HWND window, bool fromGetDC);
// Deselects its font and forgets it.
void removeDc(HDC handle);

} // namespace hxwin
