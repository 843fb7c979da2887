// Runtime registry services: the host's system registry and the lock that
// keeps an application from being unloaded.
#pragma once

#include "rxdict.h"

// The host's system registry. It holds, among others, the dynamic linker
// under ACRX_DYNAMIC_LINKER ("DynamicLinker") and the command stack under
// ACRX_COMMAND_DOCK ("ACAD_REGISTERED_COMMANDS"), both owned by the host.
// Never null.
HX_RX_API AcRxDictionary* acrxSysRegistry();

// An application is locked from its load until it unlocks itself; the host
// refuses to unload a locked application. Each returns false for a null
// handle and true otherwise.
HX_RX_API bool acrxUnlockApplication(void* appId);
HX_RX_API bool acrxLockApplication(void* appId);
// True when the loaded application whose file name (without directory, case
// ignored) is moduleName is locked; false for unknown names and null.
HX_RX_API bool acrxApplicationIsLocked(const ACHAR* moduleName);
