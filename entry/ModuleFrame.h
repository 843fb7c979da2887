// The module frame: its DLL entry, the extension-module start and end, and the
// registration of the module's command group. Module-internal.
#pragma once

#include "HxWtHost.h"

namespace HxWtModuleFrame {

// The group the module's commands are registered under.
extern const wchar_t* const kCommandGroup;

// The instance handle recorded by the DLL entry.
HINSTANCE InstanceHandle();

// Starts (reason 1) or ends (reason 0) the framework extension module; any
// other reason does nothing. Returns 0 only when the start failed.
int ExtensionDllMain(DWORD reason);

// Registers the command group with its one command; removes it again.
void RegisterCommands();
void UnregisterCommands();

} // namespace HxWtModuleFrame
