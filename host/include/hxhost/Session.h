// Stand-in only: the host session as tests and tools drive it: loading and
// unloading application modules the way the host does, running commands of
// the command stack, the captured command line, system variables, the ANSI
// code page and the framework's resource chain.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

#define HX_SESSION_API __attribute__((visibility("default")))

struct resbuf;

namespace hxhost {

// --- Application modules
//
// A module is mapped with dlopen (RTLD_NOW | RTLD_LOCAL). Its loader hook
// _hxLoaderDllMain (from afxdllx.h; optional) plays the DLL entry, and its
// acrxEntryPoint (required) receives the host's messages. The dlopen handle
// is the module handle, the HINSTANCE its DLL entry sees and the application
// handle (pkt) of its kInitAppMsg and kUnloadAppMsg.

// Maps a module, runs its DLL entry for process attach and sends it
// kInitAppMsg. Returns the module handle, or null with the reason in *error:
// the file does not map, is loaded already, its DLL entry refuses the attach,
// it has no acrxEntryPoint, or it answers kInitAppMsg with kRetError. Every
// failure after the attach runs the detach and unmaps the module again.
HX_SESSION_API void* loadModule(const std::string& path, std::string* error = nullptr);
// Sends a message to a loaded module's acrxEntryPoint and returns its answer;
// pkt is the application handle for kInitAppMsg and kUnloadAppMsg, null for
// the others. -1 when the module is not loaded.
HX_SESSION_API int sendAppMessage(void* module, int msg);
// Sends kUnloadAppMsg, runs the DLL entry for process detach and unmaps.
// Refused (false, reason in *error) when the module is not loaded, is still
// locked (it never called acrxUnlockApplication), or answers kRetError.
HX_SESSION_API bool unloadModule(void* module, std::string* error = nullptr);
// Handles of the loaded modules, in load order.
HX_SESSION_API std::vector<void*> loadedModules();

// What applications told the host about themselves: unlocked by
// acrxUnlockApplication (and not locked again), registered MDI-aware by the
// dynamic linker. False for handles the host knows nothing of.
HX_SESSION_API bool applicationUnlocked(void* app);
HX_SESSION_API bool applicationMdiAware(void* app);
// True when the module's raw DLL entry (afxdllx.h) has set its class lists
// aside at process attach and not yet given them back at detach.
HX_SESSION_API bool rawDllEntrySeen(HMODULE module);

// --- Commands and the command line

// Runs a command of the command stack by its global name, as the command line
// would: RTNORM when it ran; RTERROR when no group holds it (or the name is
// null), its handler has been set to null, its module has
// been unloaded, or another command is running and this one is not
// transparent.
HX_SESSION_API int runCommand(const wchar_t* globalName);

// Everything acutPrintf printed since the last clear.
HX_SESSION_API std::wstring commandLine();
HX_SESSION_API void clearCommandLine();
// Also writes what acutPrintf prints to standard output (UTF-8), for tools.
HX_SESSION_API void setCommandLineEcho(bool echo);

// --- System variables

// Sets a system variable as the host itself does, read-only ones included
// (such as "UCSXDIR"). False for an unknown name or a value of the wrong type
// or out of range.
HX_SESSION_API bool setSystemVariable(const wchar_t* name, const resbuf* value);

// --- Code page and resources

// Sets the ANSI code page of the wide/8-bit conversions (936 by default).
// False, leaving it unchanged, for a code page that iconv cannot convert or
// for one of the placeholders CP_ACP, CP_OEMCP and CP_THREAD_ACP.
HX_SESSION_API bool setAnsiCodePage(unsigned codePage);

// The framework's resource chain: module handles of the extension libraries
// in it, most recent first.
HX_SESSION_API std::vector<HMODULE> resourceChain();

// Restores the editor state: system variables to their defaults, command line
// cleared, code page 936. Leaves loaded modules, commands and the resource
// chain alone.
HX_SESSION_API void resetEditor();

} // namespace hxhost
