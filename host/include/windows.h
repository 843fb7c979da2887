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
