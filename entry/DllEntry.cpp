// The DLL entry and the framework extension-module start and end.
#include "ModuleFrame.h"

// The framework's extension-library support supplies the raw DLL entry; this
// header is included in this one file only.
#include "afxdllx.h"

namespace {

HINSTANCE s_instance = nullptr;
AFX_EXTENSION_MODULE s_extensionModule = {};

} // namespace

// Records the instance handle for every reason; the extension module is
// started at the host's load message, not here.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    s_instance = instance;
    return TRUE;
}

namespace HxWtModuleFrame {

HINSTANCE InstanceHandle() {
    return s_instance;
}

int ExtensionDllMain(DWORD reason) {
    if (reason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(s_extensionModule, s_instance))
            return 0;
        // The library object joins the framework's resource chain; the
        // framework deletes it again when the extension module ends.
        new CDynLinkLibrary(s_extensionModule, FALSE);
        return 1;
    }
    if (reason == DLL_PROCESS_DETACH)
        AfxTermExtensionModule(s_extensionModule, FALSE);
    return 1;
}

} // namespace HxWtModuleFrame
