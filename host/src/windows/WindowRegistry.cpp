// Window creation and destruction, the built-in classes, and message sending.
#include "windows/WindowStore.h"

#include <cstdint>
#include <map>
#include <memory>

#include "hxhost/HostControl.h"

namespace hxwin {
namespace {

struct Registry {
    std::map<std::uintptr_t, std::unique_ptr<Window>> windows;
    std::uintptr_t nextId = 0x10010;
};

Registry& registry() {
    static Registry s_registry;
    return s_registry;
}

struct BuiltInClass {
    const wchar_t* name;
    WNDPROC proc;
};

// Class names compare without regard to ASCII case, as Windows compares them.
bool sameClassName(const wchar_t* a, const wchar_t* b) {
    for (; *a != L'\0' && *b != L'\0'; ++a, ++b) {
        wchar_t fa = (*a >= L'a' && *a <= L'z') ? wchar_t(*a - 32) : *a;
        wchar_t fb = (*b >= L'a' && *b <= L'z') ? wchar_t(*b - 32) : *b;
        if (fa != fb)
            return false;
    }
    return *a == *b;
}

const BuiltInClass* findClass(LPCWSTR name) {
    static const BuiltInClass s_classes[] = {
        {L"COMBOBOX", comboBoxProc},
        {L"EDIT", DefWindowProcW},
        {L"STATIC", DefWindowProcW},
        {L"#32770", DefWindowProcW},
    };
    if (name == nullptr)
        return nullptr;
    for (const BuiltInClass& c : s_classes) {
        if (sameClassName(c.name, name))
            return &c;
    }
    return nullptr;
}

std::uintptr_t idOf(HWND handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

} // namespace

Window* findWindow(HWND handle) {
    auto& windows = registry().windows;
    auto it = windows.find(idOf(handle));
    return it == windows.end() ? nullptr : it->second.get();
}

Window* findWindowOrFail(HWND handle) {
    Window* window = findWindow(handle);
    if (window == nullptr)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

} // namespace hxwin

using hxwin::findWindow;
using hxwin::findWindowOrFail;

HWND CreateWindowExW(DWORD, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU, HINSTANCE, LPVOID) {
    const hxwin::BuiltInClass* cls = hxwin::findClass(className);
    if (cls == nullptr) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (parent != nullptr && findWindowOrFail(parent) == nullptr)
        return nullptr;
    if ((style & WS_CHILD) != 0 && parent == nullptr) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    if (hxhost::shouldFail(hxhost::kFaultCreateWindow)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto& reg = hxwin::registry();
    auto window = std::make_unique<hxwin::Window>();
    window->handle = reinterpret_cast<HWND>(reg.nextId);
    reg.nextId += 4;
    window->className = cls->name;
    window->style = style;
    window->parent = parent;
    window->rect = RECT{x, y, x + width, y + height};
    window->text = windowName != nullptr ? windowName : L"";
    window->proc = cls->proc;
    HWND handle = window->handle;
    reg.windows.emplace(hxwin::idOf(handle), std::move(window));
    hxhost::acquired(hxhost::Resource::Window);
    SendMessageW(handle, WM_CREATE, 0, 0);
    return handle;
}

BOOL DestroyWindow(HWND handle) {
    if (findWindowOrFail(handle) == nullptr)
        return FALSE;
    SendMessageW(handle, WM_DESTROY, 0, 0);
    // Children go before their parent; collect first, as destroying changes
    // the registry.
    std::vector<HWND> children;
    for (const auto& entry : hxwin::registry().windows) {
        if (entry.second->parent == handle)
            children.push_back(entry.second->handle);
    }
    for (HWND child : children)
        DestroyWindow(child);
    SendMessageW(handle, WM_NCDESTROY, 0, 0);
    hxwin::registry().windows.erase(hxwin::idOf(handle));
    hxhost::released(hxhost::Resource::Window);
    return TRUE;
}

BOOL IsWindow(HWND handle) {
    return findWindow(handle) != nullptr ? TRUE : FALSE;
}

HWND GetParent(HWND handle) {
    hxwin::Window* window = findWindowOrFail(handle);
    return window == nullptr ? nullptr : window->parent;
}

LRESULT SendMessageW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    hxwin::Window* window = findWindowOrFail(handle);
    if (window == nullptr)
        return 0;
    return window->proc(handle, message, wParam, lParam);
}

LRESULT CallWindowProcW(WNDPROC proc, HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (proc == nullptr)
        return 0;
    return proc(handle, message, wParam, lParam);
}

LONG_PTR SetWindowLongPtrW(HWND handle, int index, LONG_PTR value) {
    hxwin::Window* window = findWindowOrFail(handle);
    if (window == nullptr)
        return 0;
    if (index != GWLP_WNDPROC || value == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDPROC previous = window->proc;
    window->proc = reinterpret_cast<WNDPROC>(value);
    return reinterpret_cast<LONG_PTR>(previous);
}

LONG_PTR GetWindowLongPtrW(HWND handle, int index) {
    hxwin::Window* window = findWindowOrFail(handle);
    if (window == nullptr)
        return 0;
    if (index != GWLP_WNDPROC) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return reinterpret_cast<LONG_PTR>(window->proc);
}
