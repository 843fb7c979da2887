// Fonts, the stock fonts, and selecting fonts into device contexts.
#include "windows/GdiStore.h"

#include <cstdint>
#include <cwchar>
#include <map>

#include "hxhost/HostControl.h"

namespace hxwin {
namespace {

struct GdiStore {
    std::map<std::uintptr_t, Font> fonts;
    std::map<std::uintptr_t, DeviceContext> dcs;
    std::uintptr_t nextId = 0x20010;

    GdiStore() {
        addStock(SYSTEM_FONT, 16, FW_BOLD, L"System");
        addStock(ANSI_VAR_FONT, -11, FW_NORMAL, L"MS Sans Serif");
        addStock(DEFAULT_GUI_FONT, -11, FW_NORMAL, L"MS Shell Dlg");
    }

    void addStock(int index, LONG height, LONG weight, const wchar_t* face) {
        Font font;
        font.log.lfHeight = height;
        font.log.lfWeight = weight;
        font.log.lfCharSet = DEFAULT_CHARSET;
        std::wcsncpy(font.log.lfFaceName, face, LF_FACESIZE - 1);
        font.stock = true;
        fonts.emplace(stockId(index), font);
    }

    static std::uintptr_t stockId(int index) { return 0x8000 + 4 * std::uintptr_t(index); }

    std::uintptr_t newId() {
        std::uintptr_t id = nextId;
        nextId += 4;
        return id;
    }
};

GdiStore& store() {
    static GdiStore s_store;
    return s_store;
}

std::uintptr_t idOf(const void* handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

} // namespace

Font* findFont(HGDIOBJ handle) {
    auto& fonts = store().fonts;
    auto it = fonts.find(idOf(handle));
    return it == fonts.end() ? nullptr : &it->second;
}

DeviceContext* findDc(HDC handle) {
    auto& dcs = store().dcs;
    auto it = dcs.find(idOf(handle));
    return it == dcs.end() ? nullptr : &it->second;
}

HDC addDc(HWND window, bool fromGetDC) {
    std::uintptr_t id = store().newId();
    DeviceContext dc;
    dc.window = window;
    dc.fromGetDC = fromGetDC;
    dc.font = GetStockObject(SYSTEM_FONT);
    findFont(dc.font)->selections++;
    store().dcs.emplace(id, dc);
    hxhost::acquired(hxhost::Resource::DeviceContext);
    return reinterpret_cast<HDC>(id);
}

void removeDc(HDC handle) {
    DeviceContext* dc = findDc(handle);
    if (dc == nullptr)
        return;
    if (Font* font = findFont(dc->font))
        font->selections--;
    store().dcs.erase(idOf(handle));
    hxhost::released(hxhost::Resource::DeviceContext);
}

} // namespace hxwin

HFONT CreateFontIndirectW(const LOGFONTW* log) {
    if (log == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (hxhost::shouldFail(hxhost::kFaultCreateFont)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    hxwin::Font font;
    font.log = *log;
    font.log.lfFaceName[LF_FACESIZE - 1] = L'\0';
    std::uintptr_t id = hxwin::store().newId();
    hxwin::store().fonts.emplace(id, font);
    hxhost::acquired(hxhost::Resource::Font);
    return reinterpret_cast<HFONT>(id);
}

HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCWSTR faceName) {
    LOGFONTW log{};
    log.lfHeight = height;
    log.lfWidth = width;
    log.lfEscapement = escapement;
    log.lfOrientation = orientation;
    log.lfWeight = weight;
    log.lfItalic = static_cast<BYTE>(italic);
    log.lfUnderline = static_cast<BYTE>(underline);
    log.lfStrikeOut = static_cast<BYTE>(strikeOut);
    log.lfCharSet = static_cast<BYTE>(charSet);
    log.lfOutPrecision = static_cast<BYTE>(outPrecision);
    log.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    log.lfQuality = static_cast<BYTE>(quality);
    log.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName != nullptr)
        std::wcsncpy(log.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&log);
}

HGDIOBJ GetStockObject(int index) {
    hxwin::GdiStore& gdi = hxwin::store();
    auto it = gdi.fonts.find(hxwin::GdiStore::stockId(index));
    return it == gdi.fonts.end() ? nullptr : reinterpret_cast<HGDIOBJ>(it->first);
}

BOOL DeleteObject(HGDIOBJ object) {
    hxwin::Font* font = hxwin::findFont(object);
    if (font == nullptr)
        return FALSE;
    if (font->stock)
        return TRUE; // stock objects are never deleted
    if (font->selections > 0)
        return FALSE;
    hxwin::store().fonts.erase(hxwin::idOf(object));
    hxhost::released(hxhost::Resource::Font);
    return TRUE;
}

int GetObjectW(HGDIOBJ object, int size, LPVOID buffer) {
    const hxwin::Font* font = hxwin::findFont(object);
    if (font == nullptr)
        return 0;
    if (buffer == nullptr)
        return static_cast<int>(sizeof(LOGFONTW));
    if (size < static_cast<int>(sizeof(LOGFONTW)))
        return 0;
    *static_cast<LOGFONTW*>(buffer) = font->log;
    return static_cast<int>(sizeof(LOGFONTW));
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ object) {
    hxwin::DeviceContext* dc = hxwin::findDc(handle);
    hxwin::Font* font = hxwin::findFont(object);
    if (dc == nullptr || font == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    HGDIOBJ previous = dc->font;
    if (hxwin::Font* old = hxwin::findFont(previous))
        old->selections--;
    font->selections++;
    dc->font = object;
    return previous;
}
