// GDI object wrappers: ownership of the handle, the map from handles to the
// wrappers that own them, and temporary wrappers for the other handles.
#include "afxwin.h"

#include <map>
#include <memory>

namespace {

// Wrappers that own their handle, by handle.
std::map<HGDIOBJ, CGdiObject*>& owners() {
    static std::map<HGDIOBJ, CGdiObject*> s_owners;
    return s_owners;
}

} // namespace

// Temporary wrappers of handles that no wrapper owns; kept for the session,
// as handles are never reused.
class CGdiTemporaries {
public:
    static CGdiObject* wrap(HGDIOBJ object) {
        static std::map<HGDIOBJ, std::unique_ptr<CFont>> s_temporaries;
        auto& slot = s_temporaries[object];
        if (!slot) {
            slot = std::make_unique<CFont>();
            slot->m_hObject = object;
            slot->m_temporary = true;
        }
        return slot.get();
    }
};

CGdiObject::~CGdiObject() {
    if (!m_temporary)
        DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
    if (object == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = object;
    owners()[object] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ object = m_hObject;
    if (object != nullptr)
        owners().erase(object);
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == nullptr || !::DeleteObject(m_hObject))
        return FALSE;
    Detach();
    return TRUE;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object) {
    if (object == nullptr)
        return nullptr;
    auto it = owners().find(object);
    if (it != owners().end())
        return it->second;
    return CGdiTemporaries::wrap(object);
}
