// HxDbWtWell: a well, drawn as a circle of its diameter around its location.
#include "HxWtDbObject.h"
#include "db.h"
#include "hxhost/WriteSetter.h"

using hxhost::setWhenWritable;

ACRX_DXF_DEFINE_MEMBERS(HxDbWtWell, HxDbEntity, AcDb::kDHL_CURRENT, 0, 0, HXDBWTWELL, HxWtDbObject)

HxDbWtWell::HxDbWtWell() = default;

HxDbWtWell::HxDbWtWell(const AcGePoint3d& location) : m_location(location) {}

HxDbWtWell::~HxDbWtWell() = default;

AcGePoint3d HxDbWtWell::GetWellLocation() const {
    return m_location;
}
const wchar_t* HxDbWtWell::GetWellPrefix() const {
    return m_prefix.c_str();
}
const wchar_t* HxDbWtWell::GetWellIndex() const {
    return m_index.c_str();
}
double HxDbWtWell::GetWellDeepness() const {
    return m_deepness;
}
double HxDbWtWell::GetWellDiameter() const {
    return m_diameter;
}

Acad::ErrorStatus HxDbWtWell::SetWellLocation(const AcGePoint3d& location) {
    return setWhenWritable(*this, m_location, location);
}

Acad::ErrorStatus HxDbWtWell::SetWellPrefix(const wchar_t* prefix) {
    return setWhenWritable(*this, m_prefix, prefix ? prefix : L"");
}

Acad::ErrorStatus HxDbWtWell::SetWellIndex(const wchar_t* index) {
    return setWhenWritable(*this, m_index, index ? index : L"");
}

Acad::ErrorStatus HxDbWtWell::SetWellDeepness(double deepness) {
    return setWhenWritable(*this, m_deepness, deepness);
}

// A negative diameter is refused (eInvalidInput).
Acad::ErrorStatus HxDbWtWell::SetWellDiameter(double diameter) {
    return setWhenWritable(*this, m_diameter, diameter, diameter >= 0.0);
}

Acad::ErrorStatus HxDbWtWell::getGeomExtents(AcDbExtents& extents) const {
    const double r = m_diameter / 2.0;
    const AcGeVector3d half(r, r, 0.0);
    extents = AcDbExtents(m_location - half, m_location + half);
    return Acad::eOk;
}

Acad::ErrorStatus HxDbWtWell::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = HxDbEntity::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const HxDbWtWell*>(other);
    m_location = source->m_location;
    m_prefix = source->m_prefix;
    m_index = source->m_index;
    m_deepness = source->m_deepness;
    m_diameter = source->m_diameter;
    return Acad::eOk;
}

bool HxDbWtWell::isEqualTo(const AcRxObject* other) const {
    if (!HxDbEntity::isEqualTo(other))
        return false;
    const auto* that = static_cast<const HxDbWtWell*>(other);
    return m_location == that->m_location && m_prefix == that->m_prefix &&
           m_index == that->m_index && m_deepness == that->m_deepness &&
           m_diameter == that->m_diameter;
}
