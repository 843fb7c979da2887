// Stand-in only: the host session as tests and tools drive it: loading and
// unloading application modules the way the host does, running commands of
// the command stack, the captured command line, the ANSI code page and the
// framework's resource chain.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

#define HX_SESSION_API __attribute__((visibility("default")))

namespace hxhost {

// Maps an application module, runs its DLL entry for process attach and sends
// it kInitAppMsg. Returns the module handle (also the application handle the
// module receives), or null with the reason in *error.
HX_SESSION_API void* loadModule(const std::string& path, std::string* error = nullptr);
// Sends a message to a loaded module's acrxEntryPoint; returns its answer, or
// -1 when the module is not loaded or has no entry point.
HX_SESSION_API int sendAppMessage(void* module, int msg);
// Sends kUnloadAppMsg, runs the DLL entry for process detach and unmaps.
HX_SESSION_API bool unloadModule(void* module);

// Runs a command of the command stack by its global name, as the command line
// would: RTNORM when it ran, RTERROR when no group holds it.
HX_SESSION_API int runCommand(const wchar_t* globalName);

// Everything acutPrintf printed since the last clear.
HX_SESSION_API std::wstring commandLine();
HX_SESSION_API void clearCommandLine();

// The ANSI code page of the wide/8-bit conversions (936 by default).
HX_SESSION_API void setAnsiCodePage(unsigned codePage);

// The framework's resource chain: module handles of the extension libraries
// in it, most recent first.
HX_SESSION_API std::vector<HMODULE> resourceChain();

// Restores the editor state: system variables to their defaults, command line
// cleared, code page 936. Leaves loaded modules alone.
HX_SESSION_API void resetEditor();

} // namespace hxhost
