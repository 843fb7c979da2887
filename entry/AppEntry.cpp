// acrxEntryPoint: the host's messages to the module.
#include "ModuleFrame.h"

namespace {

void RegisterWithDynamicLinker(void* appId) {
    AcRxObject* object = acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER);
    if (object == nullptr || !object->isA()->isDerivedFrom(AcRxDynamicLinker::desc()))
        return;
    // The module keeps no state per document.
    static_cast<AcRxDynamicLinker*>(object)->registerAppMDIAware(appId);
}

void OnLoad(void* appId) {
    // A failed extension-module start leaves the resources out of the chain,
    // but the module still loads and registers its commands.
    HxWtModuleFrame::ExtensionDllMain(DLL_PROCESS_ATTACH);
    acrxUnlockApplication(appId);
    RegisterWithDynamicLinker(appId);
    HxWtModuleFrame::RegisterCommands();
}

void OnUnload() {
    HxWtModuleFrame::UnregisterCommands();
    HxWtModuleFrame::ExtensionDllMain(DLL_PROCESS_DETACH);
}

} // namespace

// Every message is answered with success: the host never sees a failed load
// or unload from this module.
extern "C" __declspec(dllexport) AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt) {
    switch (msg) {
    case AcRx::kInitAppMsg:
        OnLoad(pkt);
        break;
    case AcRx::kUnloadAppMsg:
        OnUnload();
        break;
    default:
        break;
    }
    return AcRx::kRetOK;
}
