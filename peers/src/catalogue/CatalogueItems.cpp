// Catalogue items, their attributes and the search over a catalogue.
#include "catalogue/CatalogueItems.h"

#include <string>
#include <utility>

struct HxDtLibItemBase::Impl {
    std::vector<std::pair<std::wstring, std::wstring>> attributes; // in file order
};

HxDtLibItemBase::~HxDtLibItemBase() {
    delete m_impl;
}

CString HxDtLibItemBase::GetAttributeValue(const wchar_t* name) const {
    if (m_impl == nullptr || name == nullptr)
        return CString();
    for (const auto& [key, value] : m_impl->attributes) {
        if (key == name)
            return CString(value.c_str());
    }
    return CString();
}

void HxDtLibItemBase::SetAttributeValue(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr)
        return;
    if (m_impl == nullptr)
        m_impl = new Impl;
    const std::wstring text = value != nullptr ? value : L"";
    for (auto& [key, old] : m_impl->attributes) {
        if (key == name) {
            old = text;
            return;
        }
    }
    m_impl->attributes.emplace_back(name, text);
}

bool HxDtLibItemBase::HasAttribute(const wchar_t* name) const {
    if (m_impl == nullptr || name == nullptr)
        return false;
    for (const auto& attribute : m_impl->attributes) {
        if (attribute.first == name)
            return true;
    }
    return false;
}

CString HxDtLibItem::GetDataFile() const {
    return m_dataFile;
}

void HxDtLibItem::SetDataFile(const wchar_t* file) {
    m_dataFile = file != nullptr ? file : L"";
}

HxDtLibDirectory::~HxDtLibDirectory() {
    delete m_items;
}

HxDtLibItem* HxDtLibDirectory::FindItem(const wchar_t* attribute, const wchar_t* value) {
    if (m_items == nullptr || attribute == nullptr || value == nullptr)
        return nullptr;
    for (const auto& item : m_items->list) {
        if (item->HasAttribute(attribute) && item->GetAttributeValue(attribute) == value)
            return item.get();
    }
    return nullptr;
}
