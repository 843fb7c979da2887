// The live windows of the stand-in: one record per window, found by handle.
// Handles are never reused, so a stale handle finds nothing.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace hxwin {

// What a combo box keeps besides its window text.
struct ComboState {
    std::vector<std::wstring> items;
    int curSel = CB_ERR;
    int minDroppedWidth = 0; // CB_SETDROPPEDWIDTH; the box's width is the floor
};

struct Window {
    HWND handle = nullptr;
    std::wstring className; // as registered ("COMBOBOX", "EDIT", ...)
    DWORD style = 0;
    HWND parent = nullptr;
    RECT rect{};
    std::wstring text;
    HFONT font = nullptr;
    WNDPROC proc = nullptr;
    ComboState combo;
};

// The record of a live window, or null (also for null). The pointer stays
// valid until the window is destroyed.
Window* findWindow(HWND handle);

// Sets ERROR_INVALID_WINDOW_HANDLE when `handle` is not a live window.
Window* findWindowOrFail(HWND handle);

// The window procedures of the built-in classes.
LRESULT CALLBACK comboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace hxwin
