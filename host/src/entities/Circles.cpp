// AcDbCircle: centre, radius, plan extents.
#include "db.h"
#include "dbents.h"
#include "hxhost/WriteSetter.h"

using hxhost::setWhenWritable;

ACRX_DXF_DEFINE_MEMBERS(AcDbCircle, AcDbEntity, AcDb::kDHL_CURRENT, 0, 0, CIRCLE, ACAD)

Acad::ErrorStatus AcDbCircle::setCenter(const AcGePoint3d& center) {
    return setWhenWritable(*this, m_center, center);
}

Acad::ErrorStatus AcDbCircle::setRadius(double radius) {
    return setWhenWritable(*this, m_radius, radius, radius > 0);
}

Acad::ErrorStatus AcDbCircle::getGeomExtents(AcDbExtents& extents) const {
    const AcGeVector3d r(m_radius, m_radius, 0);
    extents = AcDbExtents(m_center - r, m_center + r);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = AcDbEntity::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const AcDbCircle*>(other);
    m_center = source->m_center;
    m_normal = source->m_normal;
    m_radius = source->m_radius;
    return Acad::eOk;
}

bool AcDbCircle::isEqualTo(const AcRxObject* other) const {
    if (!AcDbEntity::isEqualTo(other))
        return false;
    const auto* that = static_cast<const AcDbCircle*>(other);
    return m_center == that->m_center && m_normal == that->m_normal && m_radius == that->m_radius;
}
