// HxDbSymbElevation: the product's elevation symbol (a location and a text).
#include "HxAecDbObject.h"
#include "db.h"
#include "hxhost/WriteSetter.h"

using hxhost::setWhenWritable;

ACRX_DXF_DEFINE_MEMBERS(HxDbSymbElevation, HxDbEntity, AcDb::kDHL_CURRENT, 0, 0, HXDBSYMBELEVATION,
                        HxAecDbObject)

HxDbSymbElevation::HxDbSymbElevation() = default;

HxDbSymbElevation::HxDbSymbElevation(const AcGePoint3d& location, const wchar_t* text)
    : m_location(location), m_text(text ? text : L"") {}

HxDbSymbElevation::~HxDbSymbElevation() = default;

const wchar_t* HxDbSymbElevation::GetElevationText() const {
    return m_text.c_str();
}

AcGePoint3d HxDbSymbElevation::GetLocation() const {
    return m_location;
}

Acad::ErrorStatus HxDbSymbElevation::SetElevationText(const wchar_t* text) {
    return setWhenWritable(*this, m_text, text ? text : L"");
}

Acad::ErrorStatus HxDbSymbElevation::SetLocation(const AcGePoint3d& location) {
    return setWhenWritable(*this, m_location, location);
}

Acad::ErrorStatus HxDbSymbElevation::getGeomExtents(AcDbExtents& extents) const {
    extents = AcDbExtents(m_location, m_location);
    return Acad::eOk;
}

Acad::ErrorStatus HxDbSymbElevation::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = HxDbEntity::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const HxDbSymbElevation*>(other);
    m_location = source->m_location;
    m_text = source->m_text;
    return Acad::eOk;
}

bool HxDbSymbElevation::isEqualTo(const AcRxObject* other) const {
    if (!HxDbEntity::isEqualTo(other))
        return false;
    const auto* that = static_cast<const HxDbSymbElevation*>(other);
    return m_location == that->m_location && m_text == that->m_text;
}
