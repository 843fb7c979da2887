// Host-internal: what the host knows of applications: the records that
// acrxUnlockApplication and the dynamic linker keep per application handle,
// the application being messaged right now, and the loader's list of loaded
// modules.
#pragma once

#include <string>

namespace hxhost::detail {

struct ApplicationRecord {
    bool unlocked = false;
    bool mdiAware = false;
};

// The record of an application handle, made on first use.
ApplicationRecord& applicationRecord(void* app);
// The record, or null when the host has none.
const ApplicationRecord* findApplicationRecord(void* app);
// Drops the record (when the module is unloaded or fails to load).
void forgetApplication(void* app);

// The application whose entry point the loader is calling, or null.
void* currentApplication();

// Marks `app` as the application being messaged for its lifetime.
class CurrentApplicationScope {
public:
    explicit CurrentApplicationScope(void* app);
    ~CurrentApplicationScope();
    CurrentApplicationScope(const CurrentApplicationScope&) = delete;
    CurrentApplicationScope& operator=(const CurrentApplicationScope&) = delete;

private:
    void* m_previous;
};

// Loader queries (ModuleLoader.cpp): whether a handle is a loaded module, and
// the loaded module whose file name (without directory, case ignored) is
// `fileName`, or null.
bool moduleLoaded(void* module);
void* moduleByFileName(const std::wstring& fileName);

} // namespace hxhost::detail
