// HxDbWtEquipment: equipment, a box in plan between two corners.
#include "HxWtDbObject.h"
#include "db.h"
#include "hxhost/WriteSetter.h"

#include <algorithm>
#include <tuple>

using hxhost::setWhenWritable;

ACRX_DXF_DEFINE_MEMBERS(HxDbWtEquipment, HxDbEntity, AcDb::kDHL_CURRENT, 0, 0, HXDBWTEQUIPMENT,
                        HxWtDbObject)

namespace {

AcGePoint3d lowCorner(const AcGePoint3d& a, const AcGePoint3d& b) {
    return AcGePoint3d(std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z));
}

AcGePoint3d highCorner(const AcGePoint3d& a, const AcGePoint3d& b) {
    return AcGePoint3d(std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z));
}

} // namespace

HxDbWtEquipment::HxDbWtEquipment() = default;

HxDbWtEquipment::HxDbWtEquipment(const AcGePoint3d& minCorner, const AcGePoint3d& maxCorner)
    : m_min(lowCorner(minCorner, maxCorner)), m_max(highCorner(minCorner, maxCorner)) {}

HxDbWtEquipment::~HxDbWtEquipment() = default;

const wchar_t* HxDbWtEquipment::GetName() const {
    return m_name.c_str();
}
AcGePoint3d HxDbWtEquipment::GetMinCorner() const {
    return m_min;
}
AcGePoint3d HxDbWtEquipment::GetMaxCorner() const {
    return m_max;
}

Acad::ErrorStatus HxDbWtEquipment::SetName(const wchar_t* name) {
    return setWhenWritable(*this, m_name, name ? name : L"");
}

Acad::ErrorStatus HxDbWtEquipment::SetBox(const AcGePoint3d& minCorner,
                                          const AcGePoint3d& maxCorner) {
    return setWhenWritable(
        *this, std::tie(m_min, m_max),
        std::make_tuple(lowCorner(minCorner, maxCorner), highCorner(minCorner, maxCorner)));
}

Acad::ErrorStatus HxDbWtEquipment::getGeomExtents(AcDbExtents& extents) const {
    extents = AcDbExtents(m_min, m_max);
    return Acad::eOk;
}

Acad::ErrorStatus HxDbWtEquipment::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = HxDbEntity::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const HxDbWtEquipment*>(other);
    m_name = source->m_name;
    m_min = source->m_min;
    m_max = source->m_max;
    return Acad::eOk;
}

bool HxDbWtEquipment::isEqualTo(const AcRxObject* other) const {
    if (!HxDbEntity::isEqualTo(other))
        return false;
    const auto* that = static_cast<const HxDbWtEquipment*>(other);
    return m_name == that->m_name && m_min == that->m_min && m_max == that->m_max;
}
