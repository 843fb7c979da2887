// Extension-library support: module records, the resource chain of
// CDynLinkLibrary objects, and the raw DLL entry's per-module flag.
#include "afxdll_.h"
#include "hxhost/HostControl.h"
#include "hxhost/Session.h"

#include <algorithm>
#include <list>
#include <new>
#include <set>

namespace {

// Not owned: a CDynLinkLibrary enters in its constructor and leaves in its
// destructor. Never destroyed, so that libraries still alive at exit can
// leave it from their destructors.
std::list<CDynLinkLibrary*>& chain() {
    static auto* s_chain = new std::list<CDynLinkLibrary*>;
    return *s_chain;
}

std::set<HINSTANCE>& rawEntries() {
    static auto* s_modules = new std::set<HINSTANCE>;
    return *s_modules;
}

HINSTANCE& resourceHandle() {
    static HINSTANCE s_handle = nullptr;
    return s_handle;
}

} // namespace

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (hxhost::shouldFail(hxhost::kFaultExtInit))
        return FALSE;
    if (hModule == nullptr)
        return FALSE;
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = nullptr;
    state.pFirstSharedFactory = nullptr;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
    if (!state.bInitialized)
        return;
    std::list<CDynLinkLibrary*> own;
    for (CDynLinkLibrary* library : chain()) {
        if (library->m_hModule == state.hModule)
            own.push_back(library);
    }
    for (CDynLinkLibrary* library : own)
        delete library;
    state.bInitialized = FALSE;
}

HINSTANCE AfxGetResourceHandle() {
    return resourceHandle();
}
void AfxSetResourceHandle(HINSTANCE resource) {
    resourceHandle() = resource;
}

void AfxHxRawDllAttach(HINSTANCE module) {
    rawEntries().insert(module);
}
void AfxHxRawDllDetach(HINSTANCE module) {
    rawEntries().erase(module);
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem) {
    chain().push_front(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    chain().remove(this);
}

void* CDynLinkLibrary::operator new(std::size_t size) noexcept {
    if (hxhost::shouldFail(hxhost::kFaultDynLinkAlloc))
        return nullptr;
    return ::operator new(size, std::nothrow);
}

void CDynLinkLibrary::operator delete(void* p) noexcept {
    ::operator delete(p);
}

namespace hxhost {

std::vector<HMODULE> resourceChain() {
    std::vector<HMODULE> modules;
    for (const CDynLinkLibrary* library : chain())
        modules.push_back(library->m_hModule);
    return modules;
}

bool rawDllEntrySeen(HMODULE module) {
    return rawEntries().count(module) != 0;
}

} // namespace hxhost
