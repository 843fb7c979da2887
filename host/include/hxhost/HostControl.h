// Stand-in only: the discipline ledger and fault injection of the stand-in
// host, for tests and tools. Module code never includes this header.
//
// The ledger counts what the host has handed out and expects back: objects
// open, result buffers and host strings not yet released, selection sets not
// freed, document locks held, transactions not ended, windows not destroyed,
// fonts not deleted and device contexts not released. A clean test leaves
// every count at zero.
//
// Fault injection makes the next calls of a named host operation fail, so a
// caller's failure paths can be driven. Operation names are listed with the
// functions that consult them (see kFault* below).
#pragma once

#include <string>
#include <vector>

#define HX_CONTROL_API __attribute__((visibility("default")))

namespace hxhost {

enum class Resource {
    OpenObject,
    Resbuf,
    String,
    SelectionSet,
    DocumentLock,
    Transaction,
    Window,
    Font,
    DeviceContext,
    Dispatch,  // automation objects still referenced (IDispatch)
    Bstr,      // BSTR strings not freed
    Exception, // framework exceptions caught and not deleted
};
constexpr int kResourceCount = 12;

// Name of a resource kind, for messages ("open objects", ...).
HX_CONTROL_API const char* resourceName(Resource r);

// Host-internal bookkeeping: every hand-out and every release.
HX_CONTROL_API void acquired(Resource r, int n = 1);
HX_CONTROL_API void released(Resource r, int n = 1);

// What is out now of one kind.
HX_CONTROL_API int outstanding(Resource r);
// Empty when nothing is out; otherwise one line per kind, e.g. "2 open objects".
HX_CONTROL_API std::string describeOutstanding();
// Forgets every count (after a test has reported its leaks).
HX_CONTROL_API void resetLedger();

// Fault injection: the next `times` calls of `operation`, after `skip` calls
// that succeed, fail. A later call for the same operation replaces the plan.
// The operation kFaultAny stands for every failable call, whatever its
// operation: failNext(kFaultAny, 1, n) fails the (n+1)th failable call.
HX_CONTROL_API void failNext(const std::string& operation, int times = 1, int skip = 0);
// Host-internal: true when this call of `operation` is to fail (consumes it).
HX_CONTROL_API bool shouldFail(const char* operation);
// How many injected failures of `operation` are still pending.
HX_CONTROL_API int pendingFaults(const std::string& operation);
// Drops every pending fault.
HX_CONTROL_API void clearFaults();
// How many failable calls were made (every operation, failed or not), and the
// operations of the calls that a plan made fail, in order. clearFaults resets
// both.
HX_CONTROL_API int failableCalls();
HX_CONTROL_API const std::vector<std::string>& failedOperations();

// Names of the operations that consult fault injection, and what the refused
// call gives.
// Every open of an object by id (acdbOpenObject and friends, AcDbObjectPointer,
// symbol-table getAt, iterators' getRecord/getEntity, transactions' getObject):
// eWasOpenForWrite, as if another caller held the object for write.
constexpr const char* kFaultOpen = "acdbOpenObject";
constexpr const char* kFaultUpgrade = "upgradeOpen"; // eOnLockedLayer
constexpr const char* kFaultLock = "lockDocument";   // eLockViolation
// acutNewRb and acutBuildList give null, acutNewString RTERROR.
constexpr const char* kFaultAlloc = "alloc";
constexpr const char* kFaultSetXData = "setXData";            // eOutOfMemory
constexpr const char* kFaultSymbolTable = "getSymbolTable";   // eWasOpenForWrite (table null)
constexpr const char* kFaultRegApp = "acdbRegApp";            // RTERROR
constexpr const char* kFaultTransaction = "startTransaction"; // null transaction
// Reading drawing files (readDwgFile): the file does not read
// (eFileAccessErr).
constexpr const char* kFaultReadFile = "readDwgFile";
// AcDbDatabase::wblock(AcDbDatabase*&): eOutOfMemory, output null.
constexpr const char* kFaultWblock = "wblock";
// AcDbDatabase::saveAs: eFileAccessErr, the file on disk untouched.
constexpr const char* kFaultSaveAs = "saveAs";
constexpr const char* kFaultExtInit = "AfxInitExtensionModule";
constexpr const char* kFaultDynLinkAlloc = "CDynLinkLibrary";
// CreateWindowExW, CreateFontW/CreateFontIndirectW and GetDC give null with
// ERROR_NOT_ENOUGH_MEMORY, as when the system is out of handles.
constexpr const char* kFaultCreateWindow = "CreateWindowExW";
constexpr const char* kFaultCreateFont = "CreateFontIndirectW";
constexpr const char* kFaultGetDC = "GetDC";
// SysAllocString and SysAllocStringLen give null (out of memory).
constexpr const char* kFaultBstrAlloc = "SysAllocString";
// The in-process Word does not start: hxhost::startWord gives null.
constexpr const char* kFaultWordStart = "startWord";
// IDispatch::Invoke of an in-process Word object answers RPC_E_DISCONNECTED,
// as a call into a Word that went away does.
constexpr const char* kFaultInvoke = "IDispatch::Invoke";
// Any of the above (see failNext).
constexpr const char* kFaultAny = "*";

} // namespace hxhost
