// HxDbFieldGroup: the named-field store of a product entity.
#include "HxAecDbObject.h"

bool HxDbFieldGroup::SetField(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || name[0] == 0)
        return false;
    if (value == nullptr || value[0] == 0)
        m_fields.erase(name);
    else
        m_fields[name] = value;
    return true;
}

bool HxDbFieldGroup::GetField(const wchar_t* name, CString& value) const {
    if (name == nullptr)
        return false;
    auto it = m_fields.find(name);
    if (it == m_fields.end())
        return false;
    value = it->second.c_str();
    return true;
}
