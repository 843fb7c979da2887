// Runtime class descriptors and the process-wide class dictionary.
#include "rxobject.h"

#include <map>
#include <string>

namespace {

std::map<std::wstring, AcRxClass*>& classDictionary() {
    static std::map<std::wstring, AcRxClass*> s_classes;
    return s_classes;
}

} // namespace

AcRxClass* AcRxObject::desc() {
    static AcRxClass* s_class = new AcRxClass(L"AcRxObject", nullptr);
    return s_class;
}

AcRxClass* AcRxObject::isA() const { return AcRxObject::desc(); }

AcRxClass::AcRxClass(const ACHAR* name, AcRxClass* parent, AcRxCreateFn create,
                     const ACHAR* dxfName, const ACHAR* appName)
    : m_name(name), m_dxfName(dxfName), m_appName(appName), m_parent(parent), m_create(create) {
    classDictionary()[name] = this;
    if (dxfName != nullptr)
        classDictionary()[dxfName] = this;
}

AcRxClass* AcRxClass::desc() {
    static AcRxClass* s_class = new AcRxClass(L"AcRxClass", AcRxObject::desc());
    return s_class;
}

AcRxClass* AcRxClass::isA() const { return AcRxClass::desc(); }

bool AcRxClass::isDerivedFrom(const AcRxClass* cls) const {
    for (const AcRxClass* c = this; c != nullptr; c = c->m_parent) {
        if (c == cls)
            return true;
    }
    return false;
}

AcRxClass* AcRxClass::find(const ACHAR* name) {
    if (name == nullptr)
        return nullptr;
    auto it = classDictionary().find(name);
    return it == classDictionary().end() ? nullptr : it->second;
}
