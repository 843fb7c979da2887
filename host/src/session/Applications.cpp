// Application records: the lock that keeps an application loaded, its MDI
// registration, and the application the loader is messaging.
#include "session/Applications.h"
#include "hxhost/Session.h"
#include "rxregsvc.h"

#include <map>

namespace hxhost::detail {
namespace {

std::map<void*, ApplicationRecord>& records() {
    static std::map<void*, ApplicationRecord> s_records;
    return s_records;
}

void*& current() {
    static void* s_current = nullptr;
    return s_current;
}

} // namespace

ApplicationRecord& applicationRecord(void* app) {
    return records()[app];
}

const ApplicationRecord* findApplicationRecord(void* app) {
    auto it = records().find(app);
    return it == records().end() ? nullptr : &it->second;
}

void forgetApplication(void* app) {
    records().erase(app);
}

void* currentApplication() {
    return current();
}

CurrentApplicationScope::CurrentApplicationScope(void* app) : m_previous(current()) {
    current() = app;
}

CurrentApplicationScope::~CurrentApplicationScope() {
    current() = m_previous;
}

} // namespace hxhost::detail

namespace hxhost {

bool applicationUnlocked(void* app) {
    const detail::ApplicationRecord* r = detail::findApplicationRecord(app);
    return r != nullptr && r->unlocked;
}

bool applicationMdiAware(void* app) {
    const detail::ApplicationRecord* r = detail::findApplicationRecord(app);
    return r != nullptr && r->mdiAware;
}

} // namespace hxhost

bool acrxUnlockApplication(void* appId) {
    if (appId == nullptr)
        return false;
    hxhost::detail::applicationRecord(appId).unlocked = true;
    return true;
}

bool acrxLockApplication(void* appId) {
    if (appId == nullptr)
        return false;
    hxhost::detail::applicationRecord(appId).unlocked = false;
    return true;
}

bool acrxApplicationIsLocked(const ACHAR* moduleName) {
    if (moduleName == nullptr)
        return false;
    void* module = hxhost::detail::moduleByFileName(moduleName);
    return module != nullptr && !hxhost::applicationUnlocked(module);
}
