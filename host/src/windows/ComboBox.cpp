// The combo box's window procedure: its list of entries, the selected entry
// (shown as the window text) and the drop-down list's width. Entries keep the
// order they were added or inserted in.
#include "windows/WindowStore.h"

#include <algorithm>
#include <cwchar>

namespace {

using hxwin::ComboState;
using hxwin::Window;

int countOf(const ComboState& combo) {
    return static_cast<int>(combo.items.size());
}

bool validIndex(const ComboState& combo, WPARAM wParam) {
    int index = static_cast<int>(wParam);
    return index >= 0 && index < countOf(combo);
}

std::wstring textOf(LPARAM lParam) {
    auto* text = reinterpret_cast<LPCWSTR>(lParam);
    return text != nullptr ? text : L"";
}

void select(Window& window, int index) {
    window.combo.curSel = index;
    window.text = index == CB_ERR ? L"" : window.combo.items[static_cast<std::size_t>(index)];
}

LRESULT insertAt(Window& window, WPARAM wParam, LPARAM lParam) {
    ComboState& combo = window.combo;
    int index = static_cast<int>(wParam);
    if (index == -1)
        index = countOf(combo);
    if (index < 0 || index > countOf(combo))
        return CB_ERR;
    combo.items.insert(combo.items.begin() + index, textOf(lParam));
    if (combo.curSel != CB_ERR && index <= combo.curSel)
        ++combo.curSel;
    return index;
}

LRESULT deleteAt(Window& window, WPARAM wParam) {
    ComboState& combo = window.combo;
    if (!validIndex(combo, wParam))
        return CB_ERR;
    int index = static_cast<int>(wParam);
    combo.items.erase(combo.items.begin() + index);
    if (index == combo.curSel)
        select(window, CB_ERR);
    else if (index < combo.curSel)
        --combo.curSel;
    return countOf(combo);
}

LRESULT setCurSel(Window& window, WPARAM wParam) {
    if (!validIndex(window.combo, wParam)) {
        select(window, CB_ERR);
        return CB_ERR;
    }
    select(window, static_cast<int>(wParam));
    return static_cast<int>(wParam);
}

LRESULT getText(const ComboState& combo, WPARAM wParam, LPARAM lParam) {
    if (!validIndex(combo, wParam))
        return CB_ERR;
    const std::wstring& item = combo.items[wParam];
    if (auto* buffer = reinterpret_cast<LPWSTR>(lParam))
        std::wmemcpy(buffer, item.c_str(), item.size() + 1);
    return static_cast<LRESULT>(item.size());
}

int droppedWidth(const Window& window) {
    return std::max<int>(window.combo.minDroppedWidth, window.rect.right - window.rect.left);
}

LRESULT setDroppedWidth(Window& window, WPARAM wParam) {
    int width = static_cast<int>(wParam);
    if (width < 0)
        return CB_ERR;
    window.combo.minDroppedWidth = width;
    return droppedWidth(window);
}

} // namespace

namespace hxwin {

LRESULT CALLBACK comboBoxProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = findWindowOrFail(handle);
    if (window == nullptr)
        return 0;
    ComboState& combo = window->combo;
    switch (message) {
    case CB_ADDSTRING:
        return insertAt(*window, static_cast<WPARAM>(-1), lParam);
    case CB_INSERTSTRING:
        return insertAt(*window, wParam, lParam);
    case CB_DELETESTRING:
        return deleteAt(*window, wParam);
    case CB_RESETCONTENT:
        combo.items.clear();
        select(*window, CB_ERR);
        return CB_OKAY;
    case CB_GETCOUNT:
        return countOf(combo);
    case CB_GETCURSEL:
        return combo.curSel;
    case CB_SETCURSEL:
        return setCurSel(*window, wParam);
    case CB_GETLBTEXT:
        return getText(combo, wParam, lParam);
    case CB_GETLBTEXTLEN:
        return validIndex(combo, wParam) ? static_cast<LRESULT>(combo.items[wParam].size())
                                         : CB_ERR;
    case CB_GETDROPPEDWIDTH:
        return droppedWidth(*window);
    case CB_SETDROPPEDWIDTH:
        return setDroppedWidth(*window, wParam);
    default:
        return DefWindowProcW(handle, message, wParam, lParam);
    }
}

} // namespace hxwin
