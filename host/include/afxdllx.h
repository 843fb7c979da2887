// The entry of an extension library. Include it in exactly one source file of
// the module, which also defines the module's DllMain.
//
// It supplies the module's raw DLL entry, RawDllMain, which sets the module's
// class and factory lists aside on process attach (for
// AfxInitExtensionModule) and gives them back on detach, and the loader hook
// _hxLoaderDllMain, the one entry the host's loader calls: it plays the
// Windows loader's order of calls, RawDllMain then DllMain on attach (an
// attach refused by RawDllMain skips DllMain), DllMain then RawDllMain on
// detach.
#pragma once

#include "afxwin.h"

// The module's own DLL entry; defined by the module.
extern "C" __attribute__((visibility("hidden"))) BOOL WINAPI DllMain(HINSTANCE hInstance,
                                                                     DWORD reason, LPVOID reserved);

extern "C" __attribute__((visibility("hidden"))) BOOL WINAPI RawDllMain(HINSTANCE hInstance,
                                                                        DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        AfxHxRawDllAttach(hInstance);
    else if (reason == DLL_PROCESS_DETACH)
        AfxHxRawDllDetach(hInstance);
    return TRUE;
}

extern "C" __attribute__((visibility("default"))) BOOL
_hxLoaderDllMain(HINSTANCE hInstance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_DETACH) {
        BOOL result = DllMain(hInstance, reason, reserved);
        RawDllMain(hInstance, reason, reserved);
        return result;
    }
    if (!RawDllMain(hInstance, reason, reserved))
        return FALSE;
    return DllMain(hInstance, reason, reserved);
}
