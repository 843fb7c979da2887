// Extended data: parsing a caller's chain, replacing per application, sizing,
// and building chains back.
#include "database/XDataStore.h"

#include "database/ResbufAlloc.h"
#include "database/SymbolNames.h"
#include "acdb.h"
#include "acutads.h"

#include <algorithm>
#include <cstring>

namespace hxhost {
namespace {

constexpr short kAppCode = 1001;
constexpr int kMaxChunk = 127;

bool isXDataCode(int code) {
    return code >= 1000 && code <= 1071 && code != kAppCode;
}

// Reads one item's value by the kind of its code; false when unusable.
bool readItem(const resbuf* rb, XDataItem& item) {
    item.code = rb->restype;
    switch (acdbGroupCodeToType(rb->restype)) {
    case AcDb::kDwgText:
    case AcDb::kDwgHandle:
        if (rb->resval.rstring == nullptr)
            return false;
        item.text = rb->resval.rstring;
        return true;
    case AcDb::kDwgBChunk: {
        const ads_binary& chunk = rb->resval.rbinary;
        if (chunk.clen < 0 || chunk.clen > kMaxChunk || (chunk.clen > 0 && chunk.buf == nullptr))
            return false;
        item.bytes.assign(chunk.buf, chunk.buf + chunk.clen);
        return true;
    }
    case AcDb::kDwgReal:
        item.values[0] = rb->resval.rreal;
        return true;
    case AcDb::kDwg3Real:
        std::copy(rb->resval.rpoint, rb->resval.rpoint + 3, item.values);
        return true;
    case AcDb::kDwgInt16:
        item.integer = rb->resval.rint;
        return true;
    case AcDb::kDwgInt32:
        item.integer = rb->resval.rlong;
        return true;
    default:
        return false;
    }
}

// Writes one item's value into a new buffer; false when memory runs out.
bool writeItem(const XDataItem& item, resbuf* rb) {
    switch (acdbGroupCodeToType(item.code)) {
    case AcDb::kDwgText:
    case AcDb::kDwgHandle:
        rb->resval.rstring = mallocCopy(item.text.c_str());
        return rb->resval.rstring != nullptr;
    case AcDb::kDwgBChunk:
        rb->resval.rbinary.buf = static_cast<char*>(std::malloc(item.bytes.size() + 1));
        if (rb->resval.rbinary.buf == nullptr)
            return false;
        if (!item.bytes.empty())
            std::memcpy(rb->resval.rbinary.buf, item.bytes.data(), item.bytes.size());
        rb->resval.rbinary.clen = static_cast<short>(item.bytes.size());
        return true;
    case AcDb::kDwgReal:
        rb->resval.rreal = item.values[0];
        return true;
    case AcDb::kDwg3Real:
        std::copy(item.values, item.values + 3, rb->resval.rpoint);
        return true;
    case AcDb::kDwgInt16:
        rb->resval.rint = static_cast<short>(item.integer);
        return true;
    default:
        rb->resval.rlong = item.integer;
        return true;
    }
}

std::size_t itemSize(const XDataItem& item) {
    switch (acdbGroupCodeToType(item.code)) {
    case AcDb::kDwgText:
        return 2 + item.text.size() + 1;
    case AcDb::kDwgHandle:
        return 2 + 8;
    case AcDb::kDwgBChunk:
        return 2 + 1 + item.bytes.size();
    case AcDb::kDwg3Real:
        return 2 + 24;
    case AcDb::kDwgReal:
        return 2 + 8;
    case AcDb::kDwgInt16:
        return 2 + 2;
    default:
        return 2 + 4;
    }
}

// Appends rb to the chain whose last item is tail (head when empty).
void link(resbuf*& head, resbuf*& tail, resbuf* rb) {
    (tail == nullptr ? head : tail->rbnext) = rb;
    tail = rb;
}

} // namespace

bool XDataItem::operator==(const XDataItem& o) const {
    return code == o.code && text == o.text && bytes == o.bytes && integer == o.integer &&
           std::equal(values, values + 3, o.values);
}

Acad::ErrorStatus XDataStore::parse(const resbuf* chain, std::vector<XDataApp>& apps) {
    if (chain == nullptr || chain->restype != kAppCode)
        return Acad::eInvalidResBuf;
    for (const resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype == kAppCode) {
            if (rb->resval.rstring == nullptr)
                return Acad::eInvalidResBuf;
            apps.push_back(XDataApp{rb->resval.rstring, {}});
            continue;
        }
        XDataItem item;
        if (!readChainItem(rb, item))
            return Acad::eInvalidResBuf;
        apps.back().items.push_back(std::move(item));
    }
    return Acad::eOk;
}

bool XDataStore::readChainItem(const resbuf* rb, XDataItem& item) {
    return isXDataCode(rb->restype) && readItem(rb, item);
}

bool XDataStore::isChainItem(const resbuf* rb) {
    if (!isXDataCode(rb->restype))
        return false;
    switch (acdbGroupCodeToType(rb->restype)) {
    case AcDb::kDwgText:
    case AcDb::kDwgHandle:
        return rb->resval.rstring != nullptr;
    case AcDb::kDwgBChunk: {
        const ads_binary& chunk = rb->resval.rbinary;
        return chunk.clen >= 0 && chunk.clen <= kMaxChunk && (chunk.clen == 0 || chunk.buf);
    }
    case AcDb::kDwgReal:
    case AcDb::kDwg3Real:
    case AcDb::kDwgInt16:
    case AcDb::kDwgInt32:
        return true;
    default:
        return false;
    }
}

void XDataStore::apply(const std::vector<XDataApp>& changes) {
    for (const XDataApp& change : changes) {
        auto it = std::find_if(m_apps.begin(), m_apps.end(), [&](const XDataApp& app) {
            return sameName(app.name.c_str(), change.name.c_str());
        });
        if (change.items.empty()) {
            if (it != m_apps.end())
                m_apps.erase(it);
        } else if (it != m_apps.end()) {
            it->items = change.items;
        } else {
            m_apps.push_back(change);
        }
    }
}

std::size_t XDataStore::byteSize() const {
    std::size_t bytes = 0;
    for (const XDataApp& app : m_apps) {
        bytes += 2 + app.name.size() + 1;
        for (const XDataItem& item : app.items)
            bytes += itemSize(item);
    }
    return bytes;
}

namespace {

// Appends the 1001 item and the items of entry; false (the chain released)
// when memory runs out.
bool appendApp(resbuf*& head, resbuf*& tail, const XDataApp& entry) {
    resbuf* lead = newRb(kAppCode);
    if (lead == nullptr || (lead->resval.rstring = mallocCopy(entry.name.c_str())) == nullptr) {
        acutRelRb(lead);
        acutRelRb(head);
        return false;
    }
    link(head, tail, lead);
    for (const XDataItem& item : entry.items) {
        resbuf* rb = XDataStore::itemRb(item);
        if (rb == nullptr) {
            acutRelRb(head);
            return false;
        }
        link(head, tail, rb);
    }
    return true;
}

} // namespace

resbuf* XDataStore::chain(const ACHAR* app) const {
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    for (const XDataApp& entry : m_apps) {
        if (app != nullptr && !sameName(entry.name.c_str(), app))
            continue;
        if (!appendApp(head, tail, entry))
            return nullptr;
    }
    return head;
}

bool XDataStore::fillRb(const XDataItem& item, resbuf* rb) {
    return writeItem(item, rb);
}

resbuf* XDataStore::itemRb(const XDataItem& item) {
    resbuf* rb = newRb(item.code);
    if (rb != nullptr && !writeItem(item, rb)) {
        acutRelRb(rb);
        return nullptr;
    }
    return rb;
}

resbuf* XDataStore::chainOf(const XDataApp& app) {
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    if (app.items.empty() || !appendApp(head, tail, app))
        return nullptr;
    return head;
}

} // namespace hxhost
