// Windows base types, calling-convention and export macros, and the wide/ANSI
// string functions that the module and its siblings call. On this platform
// wchar_t is 32 bits wide; text crosses to 8-bit form through the configured
// ANSI code page (hxhost::setAnsiCodePage), converted with iconv.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cwchar>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned int DWORD;
typedef unsigned int UINT;
typedef long LONG;
typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef std::intptr_t INT_PTR;
typedef std::uintptr_t UINT_PTR;
typedef std::intptr_t LPARAM;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LRESULT;
typedef wchar_t WCHAR;
typedef char CHAR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef BOOL* LPBOOL;
typedef wchar_t TCHAR;
typedef const TCHAR* LPCTSTR;
typedef TCHAR* LPTSTR;

struct HINSTANCE__ {
    int unused;
};
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
struct HWND__ {
    int unused;
};
typedef HWND__* HWND;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

#define WINAPI
#define APIENTRY
#define CALLBACK
#define _T(x) L##x
#define TEXT(x) L##x

// __declspec(dllexport) and friends map onto the ELF visibility attributes.
#define __declspec(x) __HX_DECLSPEC_##x
#define __HX_DECLSPEC_dllexport __attribute__((visibility("default")))
#define __HX_DECLSPEC_dllimport
#define __HX_DECLSPEC_novtable
#define __HX_DECLSPEC_noinline __attribute__((noinline))
#define __HX_DECLSPEC_selectany __attribute__((weak))

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

#define CP_ACP 0
#define CP_UTF8 65001

#define HX_HOST_API __attribute__((visibility("default")))

// Converts wide text to the code page; cchWideChar -1 includes the terminating
// zero. With cbMultiByte 0 returns the bytes needed; 0 on failure.
HX_HOST_API int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int cchWideChar,
                                    LPSTR multi, int cbMultiByte, LPCSTR defaultChar,
                                    LPBOOL usedDefaultChar);
// Converts code-page bytes to wide text; cbMultiByte -1 includes the terminating
// zero. With cchWideChar 0 returns the characters needed; 0 on failure.
HX_HOST_API int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multi, int cbMultiByte,
                                    LPWSTR wide, int cchWideChar);
// Length of a wide string in characters; 0 for null.
HX_HOST_API int lstrlenW(LPCWSTR s);
// Compares two wide strings: negative, zero or positive. Null sorts first.
HX_HOST_API int lstrcmpW(LPCWSTR a, LPCWSTR b);
// The ANSI code page in force (936 unless set otherwise).
HX_HOST_API UINT GetACP();

#define CP_OEMCP 1
#define CP_THREAD_ACP 3

#define MB_PRECOMPOSED 0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_ERR_INVALID_CHARS 0x00000080
#define WC_NO_BEST_FIT_CHARS 0x00000400

#define ERROR_SUCCESS 0
#define ERROR_INVALID_PARAMETER 87
#define ERROR_INSUFFICIENT_BUFFER 122
#define ERROR_NO_UNICODE_TRANSLATION 1113

// The error code of the calling thread's last failed call (the conversions
// above set it); SetLastError overrides it.
HX_HOST_API DWORD GetLastError();
HX_HOST_API void SetLastError(DWORD error);
#define ERROR_INVALID_HANDLE 6
#define ERROR_NOT_ENOUGH_MEMORY 8
#define ERROR_INVALID_WINDOW_HANDLE 1400
#define ERROR_TLW_WITH_WSCHILD 1406
#define ERROR_CANNOT_FIND_WND_CLASS 1407

// ---------------------------------------------------------------------------
// Windows, messages and the standard controls.
//
// Windows are made by CreateWindowExW of one of the built-in classes: the
// combo box ("COMBOBOX"), the edit field ("EDIT"), the static text ("STATIC")
// and the dialog box ("#32770"). Each has a window procedure that
// SendMessageW calls; SetWindowLongPtrW(GWLP_WNDPROC) subclasses a window as
// on Windows. Every live window is counted in the host's ledger until
// DestroyWindow (which destroys its children first). Handles are never
// reused, so a message to a destroyed window is refused: the call gives 0 and
// GetLastError() ERROR_INVALID_WINDOW_HANDLE.

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
struct HMENU__ {
    int unused;
};
typedef HMENU__* HMENU;

struct POINT {
    LONG x;
    LONG y;
};
struct SIZE {
    LONG cx;
    LONG cy;
};
typedef SIZE* LPSIZE;
struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;

#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_NCDESTROY 0x0082

#define WS_POPUP 0x80000000u
#define WS_CHILD 0x40000000u
#define WS_VISIBLE 0x10000000u
#define WS_BORDER 0x00800000u
#define WS_VSCROLL 0x00200000u
#define WS_TABSTOP 0x00010000u

#define CBS_SIMPLE 0x0001
#define CBS_DROPDOWN 0x0002
#define CBS_DROPDOWNLIST 0x0003
#define CBS_AUTOHSCROLL 0x0040
#define CBS_SORT 0x0100
#define ES_LEFT 0x0000
#define ES_AUTOHSCROLL 0x0080

#define CB_OKAY 0
#define CB_ERR (-1)
#define CB_ERRSPACE (-2)
#define CB_ADDSTRING 0x0143
#define CB_DELETESTRING 0x0144
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_INSERTSTRING 0x014A
#define CB_RESETCONTENT 0x014B
#define CB_SETCURSEL 0x014E
#define CB_FINDSTRINGEXACT 0x0158
#define CB_GETDROPPEDWIDTH 0x015F
#define CB_SETDROPPEDWIDTH 0x0160

#define GWLP_WNDPROC (-4)

// A window of a built-in class, or null (ERROR_CANNOT_FIND_WND_CLASS for an
// unknown class, ERROR_TLW_WITH_WSCHILD for WS_CHILD without a parent,
// ERROR_INVALID_WINDOW_HANDLE for a destroyed parent). The window text starts
// as windowName; a combo box's drop-down list is as wide as the box.
HX_HOST_API HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName,
                                 DWORD style, int x, int y, int width, int height,
                                 HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
HX_HOST_API BOOL DestroyWindow(HWND window);
HX_HOST_API BOOL IsWindow(HWND window);
HX_HOST_API HWND GetParent(HWND window);
// Calls the window's procedure and gives its result.
HX_HOST_API LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The default handling: the window text (WM_SETTEXT, WM_GETTEXT,
// WM_GETTEXTLENGTH) and font (WM_SETFONT, WM_GETFONT); 0 for anything else.
HX_HOST_API LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
HX_HOST_API LRESULT CallWindowProcW(WNDPROC proc, HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam);
// Only GWLP_WNDPROC: sets the window procedure and gives the previous one.
HX_HOST_API LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value);
HX_HOST_API LONG_PTR GetWindowLongPtrW(HWND window, int index);
HX_HOST_API int GetWindowTextW(HWND window, LPWSTR text, int maxCount);
HX_HOST_API int GetWindowTextLengthW(HWND window);
HX_HOST_API BOOL SetWindowTextW(HWND window, LPCWSTR text);

#define CreateWindowEx CreateWindowExW
#define SendMessage SendMessageW
#define DefWindowProc DefWindowProcW
#define CallWindowProc CallWindowProcW
#define SetWindowLongPtr SetWindowLongPtrW
#define GetWindowLongPtr GetWindowLongPtrW
#define GetWindowText GetWindowTextW
#define GetWindowTextLength GetWindowTextLengthW
#define SetWindowText SetWindowTextW

// ---------------------------------------------------------------------------
// Device contexts, fonts and text extents.
//
// GetDC gives a window's (or, for null, the screen's) device context, counted
// in the ledger until ReleaseDC; CreateCompatibleDC until DeleteDC. A new
// device context has the stock SYSTEM_FONT selected. Fonts made by
// CreateFontW or CreateFontIndirectW are counted until DeleteObject, which
// refuses a font still selected into a device context; stock objects are
// never counted or deleted. The screen has 96 pixels per inch.
//
// Text is measured with FreeType at the font's pixel size, kerning included:
// the face is found by name among the installed font packages (DejaVu, and
// WenQuanYi Micro Hei for Chinese names), unknown names get DejaVu Sans, and a
// character the face lacks is taken from the CJK face, as Windows links fonts.

struct HDC__ {
    int unused;
};
typedef HDC__* HDC;
struct HFONT__ {
    int unused;
};
typedef HFONT__* HFONT;
typedef void* HGDIOBJ;

#define LF_FACESIZE 32
struct LOGFONTW {
    LONG lfHeight; // < 0: character height in pixels; > 0: cell height; 0: default
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
};
typedef LOGFONTW LOGFONT;
typedef LOGFONTW* LPLOGFONTW;

#define FW_DONTCARE 0
#define FW_NORMAL 400
#define FW_BOLD 700
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define GB2312_CHARSET 134
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_SWISS 0x20

#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17

#define LOGPIXELSX 88
#define LOGPIXELSY 90

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3

HX_HOST_API HDC GetDC(HWND window);
HX_HOST_API int ReleaseDC(HWND window, HDC dc);
HX_HOST_API HDC CreateCompatibleDC(HDC dc);
HX_HOST_API BOOL DeleteDC(HDC dc);
HX_HOST_API HFONT CreateFontW(int height, int width, int escapement, int orientation,
                              int weight, DWORD italic, DWORD underline, DWORD strikeOut,
                              DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                              DWORD quality, DWORD pitchAndFamily, LPCWSTR faceName);
HX_HOST_API HFONT CreateFontIndirectW(const LOGFONTW* font);
HX_HOST_API HGDIOBJ GetStockObject(int index);
HX_HOST_API BOOL DeleteObject(HGDIOBJ object);
// For a font: copies its LOGFONTW (size at least sizeof(LOGFONTW)) and gives
// the bytes copied; with a null buffer gives the size needed; 0 on failure.
HX_HOST_API int GetObjectW(HGDIOBJ object, int size, LPVOID buffer);
// Selects a font into the device context and gives the one it replaces; null
// when either handle is not valid.
HX_HOST_API HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HX_HOST_API BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, LPSIZE size);
HX_HOST_API int GetDeviceCaps(HDC dc, int index);
HX_HOST_API int GetSystemMetrics(int index);
// number * numerator / denominator, rounded half away from zero; -1 when the
// denominator is 0.
HX_HOST_API int MulDiv(int number, int numerator, int denominator);

#define CreateFont CreateFontW
#define CreateFontIndirect CreateFontIndirectW
#define GetObject GetObjectW
#define GetTextExtentPoint32 GetTextExtentPoint32W
