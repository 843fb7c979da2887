// The framework's extension-library support: the module record of an
// extension library, its start and end, and CDynLinkLibrary, whose instances
// form the framework's resource chain (searched most recent first).
//
// The chain does not own its members: a CDynLinkLibrary joins it when it is
// constructed and leaves it when it is destroyed; AfxTermExtensionModule
// deletes those of its module.
#pragma once

#include <cstddef>

#include "afx.h"

// The record an extension library keeps of itself (one static per module).
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    void* pFirstSharedClass;   // the module's runtime classes (set aside at load)
    void* pFirstSharedFactory; // the module's class factories
};

// Starts an extension library: records hModule as its module and resource
// handle and marks the record initialised. TRUE on success, also when the
// record was initialised already. FALSE, with the record left as it was, for
// a null hModule or when the start is refused (fault op
// hxhost::kFaultExtInit).
HX_HOST_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Ends an extension library: deletes every CDynLinkLibrary made on its module
// (bAll makes no difference: the stand-in has one thread) and marks the record
// uninitialised. An uninitialised record is left alone.
HX_HOST_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// The module whose resources are looked up first (null until set).
HX_HOST_API HINSTANCE AfxGetResourceHandle();
HX_HOST_API void AfxSetResourceHandle(HINSTANCE resource);

// Host-internal entry of the extension-library raw DLL entry (afxdllx.h): on
// process attach the module's class and factory lists are set aside for
// AfxInitExtensionModule; on detach they are given back.
HX_HOST_API void AfxHxRawDllAttach(HINSTANCE module);
HX_HOST_API void AfxHxRawDllDetach(HINSTANCE module);

// One extension library's place in the resource chain. Constructing it puts
// the module of `state` at the head of the chain (a record that was never
// started puts a null module there, as the framework's release build does);
// destroying it takes it out.
// It is made with new: its operator new yields null (and nothing is
// constructed) when the allocation is refused (fault op
// hxhost::kFaultDynLinkAlloc) or memory is short.
class HX_HOST_API CDynLinkLibrary {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    virtual ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    static void* operator new(std::size_t size) noexcept;
    static void operator delete(void* p) noexcept;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
};
