// HxAdsRBList: selection-filter items kept as (group code, text) pairs and
// turned into a host filter chain on request.
#include "HxAecPlatform.h"
#include "acutads.h"
#include "acdb.h"

#include <cwchar>
#include <string>
#include <utility>
#include <vector>

struct HxAdsRBList::Impl {
    std::vector<std::pair<int, std::wstring>> items;
};

HxAdsRBList::HxAdsRBList() : m_impl(new Impl) {}

HxAdsRBList::HxAdsRBList(const HxAdsRBList& other) : m_impl(new Impl(*other.m_impl)) {}

HxAdsRBList& HxAdsRBList::operator=(const HxAdsRBList& other) {
    if (this != &other)
        *m_impl = *other.m_impl;
    return *this;
}

HxAdsRBList::~HxAdsRBList() {
    delete m_impl;
}

void HxAdsRBList::Add(int code, const wchar_t* text) {
    m_impl->items.emplace_back(code, text != nullptr ? text : L"");
}

int HxAdsRBList::Count() const {
    return static_cast<int>(m_impl->items.size());
}

namespace {

// One filter item: the text read as the value kind of its group code. Null on
// allocation failure or for a code of no value kind a filter can hold.
resbuf* itemOf(int code, const std::wstring& text) {
    const int type = code == 0 ? RTDXF0 : code;
    switch (acdbGroupCodeToType(code)) {
    case AcDb::kDwgText:
        return acutBuildList(type, text.c_str(), 0);
    case AcDb::kDwgInt8:
    case AcDb::kDwgInt16:
    case AcDb::kDwgInt32:
        return acutBuildList(type, static_cast<int>(std::wcstol(text.c_str(), nullptr, 10)), 0);
    case AcDb::kDwgReal:
        return acutBuildList(type, std::wcstod(text.c_str(), nullptr), 0);
    default:
        return nullptr;
    }
}

} // namespace

resbuf* HxAdsRBList::BuildFilter() const {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (const auto& [code, text] : m_impl->items) {
        resbuf* rb = itemOf(code, text);
        if (rb == nullptr) {
            acutRelRb(head);
            return nullptr;
        }
        *tail = rb;
        tail = &rb->rbnext;
    }
    return head;
}
