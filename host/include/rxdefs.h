// Runtime definitions shared by the host and application modules: the
// messages the host sends to an application's entry point and its answers.
#pragma once

#include "adesk.h"

namespace AcRx {

enum AppMsgCode {
    kNullMsg = 0,
    kInitAppMsg = 1,
    kUnloadAppMsg = 2,
    kLoadDwgMsg = 3,
    kUnloadDwgMsg = 4,
    kInvkSubrMsg = 5,
    kCfgMsg = 6,
    kEndMsg = 7,
    kQuitMsg = 8,
    kSaveMsg = 9,
    kDependencyMsg = 10,
    kNoDependencyMsg = 11,
    kOleUnloadAppMsg = 12,
    kPreQuitMsg = 13,
    kInitDialogMsg = 14,
    kEndDialogMsg = 15,
    kSuspendMsg = 16,
};

enum AppRetCode {
    kRetOK = 0,
    kRetError = 3,
};

} // namespace AcRx

// A command handler: no arguments, no result.
typedef void (*AcRxFunctionPtr)();

// The entry point every application module exports undecorated. The host
// calls it with kInitAppMsg after mapping the module (pkt: the application
// handle) and kUnloadAppMsg before unmapping it.
extern "C" __attribute__((visibility("default"))) AcRx::AppRetCode
acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt);
