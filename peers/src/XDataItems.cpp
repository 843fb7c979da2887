// The xdata chains of the product entities' DXF codecs (see XDataItems.h).
#include "XDataItems.h"

#include "acutads.h"

namespace hxpeers {

XDataWriter::XDataWriter(const ACHAR* app) {
    append(acutBuildList(1001, app, 1070, kXDataFormat, 0));
}

XDataWriter::~XDataWriter() {
    acutRelRb(m_head);
}

void XDataWriter::append(resbuf* items) {
    if (items == nullptr) {
        m_failed = true;
        return;
    }
    if (m_head == nullptr)
        m_head = items;
    else
        m_tail->rbnext = items;
    m_tail = items;
    while (m_tail->rbnext != nullptr)
        m_tail = m_tail->rbnext;
}

void XDataWriter::text(const ACHAR* value) {
    append(acutBuildList(1000, value ? value : ACRX_T(""), 0));
}

void XDataWriter::real(double value) {
    append(acutBuildList(1040, value, 0));
}

void XDataWriter::int32(int value) {
    append(acutBuildList(1071, value, 0));
}

void XDataWriter::point(const AcGePoint3d& value) {
    const ads_real p[3] = {value.x, value.y, value.z};
    append(acutBuildList(1010, p, 0));
}

void XDataWriter::fields(const HxDbFieldGroup& fields) {
    append(acutBuildList(1070, fields.Count(), 0));
    for (const auto& field : fields.All()) {
        text(field.first.c_str());
        text(field.second.c_str());
    }
}

resbuf* XDataWriter::release() {
    resbuf* chain = m_failed ? nullptr : m_head;
    if (chain != nullptr)
        m_head = nullptr;
    return chain;
}

XDataReader::XDataReader(const resbuf* chain) : m_item(chain ? chain->rbnext : nullptr) {
    const resbuf* version = next(1070);
    m_ok = version != nullptr && version->resval.rint == kXDataFormat;
}

const resbuf* XDataReader::next(int code) {
    if (!m_ok || m_item == nullptr || m_item->restype != code) {
        m_ok = false;
        return nullptr;
    }
    const resbuf* item = m_item;
    m_item = m_item->rbnext;
    return item;
}

bool XDataReader::text(const ACHAR*& value) {
    const resbuf* item = next(1000);
    if (item != nullptr)
        value = item->resval.rstring ? item->resval.rstring : ACRX_T("");
    return item != nullptr;
}

bool XDataReader::real(double& value) {
    const resbuf* item = next(1040);
    if (item != nullptr)
        value = item->resval.rreal;
    return item != nullptr;
}

bool XDataReader::int32(int& value) {
    const resbuf* item = next(1071);
    if (item != nullptr)
        value = item->resval.rlong;
    return item != nullptr;
}

bool XDataReader::point(AcGePoint3d& value) {
    const resbuf* item = next(1010);
    if (item != nullptr)
        value.set(item->resval.rpoint[0], item->resval.rpoint[1], item->resval.rpoint[2]);
    return item != nullptr;
}

bool XDataReader::fields(HxDbFieldGroup& fields) {
    const resbuf* count = next(1070);
    for (int i = 0; count != nullptr && i < count->resval.rint; ++i) {
        const ACHAR* name = nullptr;
        const ACHAR* value = nullptr;
        if (!text(name) || !text(value))
            return false;
        fields.SetField(name, value);
    }
    return m_ok;
}

} // namespace hxpeers
