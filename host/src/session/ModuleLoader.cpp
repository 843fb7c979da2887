// The module loader: maps application modules, plays their DLL entry and
// sends them the host's messages, in the order the host does.
//
// Load: dlopen, DLL entry (process attach), acrxEntryPoint(kInitAppMsg).
// Unload: acrxEntryPoint(kUnloadAppMsg), DLL entry (process detach), dlclose.
#include "session/Applications.h"
#include "text/AsciiCase.h"
#include "hxhost/Session.h"
#include "rxdefs.h"

#include <algorithm>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <vector>

namespace {

typedef AcRx::AppRetCode (*EntryPoint)(AcRx::AppMsgCode, void*);
typedef BOOL (*DllEntry)(HINSTANCE, DWORD, LPVOID);

struct LoadedModule {
    void* handle;
    std::string path;
    EntryPoint entry;
    DllEntry dllEntry;
};

std::vector<LoadedModule>& modules() {
    static std::vector<LoadedModule> s_modules;
    return s_modules;
}

std::vector<LoadedModule>::iterator findModule(void* handle) {
    return std::find_if(modules().begin(), modules().end(),
                        [handle](const LoadedModule& m) { return m.handle == handle; });
}

bool fail(std::string* error, const std::string& reason) {
    if (error != nullptr)
        *error = reason;
    return false;
}

// A symbol the module itself defines; one that only a library it depends on
// defines does not count.
void* ownSymbol(void* handle, const char* name) {
    void* symbol = dlsym(handle, name);
    if (symbol == nullptr)
        return nullptr;
    Dl_info info{};
    link_map* map = nullptr;
    if (dladdr(symbol, &info) == 0 || dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 ||
        map == nullptr || info.dli_fname == nullptr)
        return nullptr;
    return std::strcmp(info.dli_fname, map->l_name) == 0 ? symbol : nullptr;
}

void runDllEntry(DllEntry dllEntry, void* handle, DWORD reason, BOOL* result = nullptr) {
    if (dllEntry == nullptr)
        return;
    BOOL rc = dllEntry(reinterpret_cast<HINSTANCE>(handle), reason, nullptr);
    if (result != nullptr)
        *result = rc;
}

// Undoes a load that got past the attach.
void abandon(void* handle, DllEntry dllEntry) {
    runDllEntry(dllEntry, handle, DLL_PROCESS_DETACH);
    hxhost::detail::forgetApplication(handle);
    dlclose(handle);
}

std::wstring fileNameOf(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    return std::wstring(name.begin(), name.end());
}

} // namespace

namespace hxhost {

void* loadModule(const std::string& path, std::string* error) {
    if (path.empty()) {
        fail(error, "no module path");
        return nullptr;
    }
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        fail(error, reason != nullptr ? reason : "the module does not map");
        return nullptr;
    }
    if (findModule(handle) != modules().end()) {
        dlclose(handle);
        fail(error, "the module is loaded already");
        return nullptr;
    }
    auto dllEntry = reinterpret_cast<DllEntry>(ownSymbol(handle, "_hxLoaderDllMain"));
    BOOL attached = TRUE;
    runDllEntry(dllEntry, handle, DLL_PROCESS_ATTACH, &attached);
    if (!attached) {
        abandon(handle, dllEntry);
        fail(error, "the DLL entry refused process attach");
        return nullptr;
    }
    auto entry = reinterpret_cast<EntryPoint>(ownSymbol(handle, "acrxEntryPoint"));
    if (entry == nullptr) {
        abandon(handle, dllEntry);
        fail(error, "the module has no acrxEntryPoint");
        return nullptr;
    }
    modules().push_back(LoadedModule{handle, path, entry, dllEntry});
    if (sendAppMessage(handle, AcRx::kInitAppMsg) != AcRx::kRetOK) {
        modules().erase(findModule(handle));
        abandon(handle, dllEntry);
        fail(error, "the module refused kInitAppMsg");
        return nullptr;
    }
    return handle;
}

int sendAppMessage(void* module, int msg) {
    auto it = findModule(module);
    if (it == modules().end())
        return -1;
    bool ownHandle = msg == AcRx::kInitAppMsg || msg == AcRx::kUnloadAppMsg;
    EntryPoint entry = it->entry;
    detail::CurrentApplicationScope scope(module);
    return entry(static_cast<AcRx::AppMsgCode>(msg), ownHandle ? module : nullptr);
}

bool unloadModule(void* module, std::string* error) {
    auto it = findModule(module);
    if (it == modules().end())
        return fail(error, "the module is not loaded");
    if (!applicationUnlocked(module))
        return fail(error, "the application is locked");
    if (sendAppMessage(module, AcRx::kUnloadAppMsg) != AcRx::kRetOK)
        return fail(error, "the module refused kUnloadAppMsg");
    DllEntry dllEntry = findModule(module)->dllEntry;
    modules().erase(findModule(module));
    abandon(module, dllEntry);
    return true;
}

std::vector<void*> loadedModules() {
    std::vector<void*> handles;
    for (const LoadedModule& m : modules())
        handles.push_back(m.handle);
    return handles;
}

namespace detail {

bool moduleLoaded(void* module) {
    return findModule(module) != modules().end();
}

void* moduleByFileName(const std::wstring& fileName) {
    for (const LoadedModule& m : modules()) {
        if (sameNameNoCase(fileNameOf(m.path).c_str(), fileName.c_str()))
            return m.handle;
    }
    return nullptr;
}

} // namespace detail
} // namespace hxhost
