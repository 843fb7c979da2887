// AcRxDictionary and the host's system registry.
#include "session/RxServices.h"
#include "accmd.h"
#include "rxdlinkr.h"
#include "rxregsvc.h"

ACRX_NO_CONS_DEFINE_MEMBERS(AcRxDictionary, AcRxObject)

AcRxObject* AcRxDictionary::at(const ACHAR* key) const {
    if (key == nullptr)
        return nullptr;
    auto it = m_entries.find(key);
    return it == m_entries.end() ? nullptr : it->second;
}

AcRxObject* AcRxDictionary::atPut(const ACHAR* key, AcRxObject* object) {
    if (key == nullptr || object == nullptr)
        return nullptr;
    AcRxObject*& slot = m_entries[key];
    AcRxObject* previous = slot;
    slot = object;
    return previous;
}

AcRxObject* AcRxDictionary::remove(const ACHAR* key) {
    if (key == nullptr)
        return nullptr;
    auto it = m_entries.find(key);
    if (it == m_entries.end())
        return nullptr;
    AcRxObject* object = it->second;
    m_entries.erase(it);
    return object;
}

AcRxDictionary* acrxSysRegistry() {
    static AcRxDictionary* s_registry = [] {
        auto* registry = new AcRxDictionary;
        registry->atPut(ACRX_DYNAMIC_LINKER, hxhost::detail::hostDynamicLinker());
        registry->atPut(ACRX_COMMAND_DOCK, hxhost::detail::hostCommandStack());
        return registry;
    }();
    return s_registry;
}
