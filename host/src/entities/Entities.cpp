// The concrete entities (line, block reference) and the extents box.
#include "db.h"
#include "dbents.h"
#include "hxhost/WriteSetter.h"

#include <algorithm>
#include <limits>

using hxhost::setWhenWritable;

ACRX_DXF_DEFINE_MEMBERS(AcDbLine, AcDbEntity, AcDb::kDHL_CURRENT, 0, 0, LINE, ACAD)
ACRX_DXF_DEFINE_MEMBERS(AcDbBlockReference, AcDbEntity, AcDb::kDHL_CURRENT, 0, 0, INSERT, ACAD)

namespace {

constexpr double kBig = std::numeric_limits<double>::max();

} // namespace

AcDbExtents::AcDbExtents() : m_min(kBig, kBig, kBig), m_max(-kBig, -kBig, -kBig) {}

AcDbExtents::AcDbExtents(const AcGePoint3d& minPoint, const AcGePoint3d& maxPoint)
    : m_min(minPoint), m_max(maxPoint) {}

bool AcDbExtents::isEmpty() const {
    return m_min.x > m_max.x;
}

Acad::ErrorStatus AcDbExtents::set(const AcGePoint3d& minPoint, const AcGePoint3d& maxPoint) {
    if (minPoint.x > maxPoint.x || minPoint.y > maxPoint.y || minPoint.z > maxPoint.z)
        return Acad::eInvalidExtents;
    m_min = minPoint;
    m_max = maxPoint;
    return Acad::eOk;
}

void AcDbExtents::addPoint(const AcGePoint3d& pt) {
    m_min.x = std::min(m_min.x, pt.x);
    m_min.y = std::min(m_min.y, pt.y);
    m_min.z = std::min(m_min.z, pt.z);
    m_max.x = std::max(m_max.x, pt.x);
    m_max.y = std::max(m_max.y, pt.y);
    m_max.z = std::max(m_max.z, pt.z);
}

void AcDbExtents::addExt(const AcDbExtents& other) {
    if (other.isEmpty())
        return;
    addPoint(other.m_min);
    addPoint(other.m_max);
}

Acad::ErrorStatus AcDbLine::setStartPoint(const AcGePoint3d& pt) {
    return setWhenWritable(*this, m_start, pt);
}

Acad::ErrorStatus AcDbLine::setEndPoint(const AcGePoint3d& pt) {
    return setWhenWritable(*this, m_end, pt);
}

Acad::ErrorStatus AcDbLine::getGeomExtents(AcDbExtents& extents) const {
    AcDbExtents box;
    box.addPoint(m_start);
    box.addPoint(m_end);
    extents = box;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = AcDbEntity::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const AcDbLine*>(other);
    m_start = source->m_start;
    m_end = source->m_end;
    return Acad::eOk;
}

bool AcDbLine::isEqualTo(const AcRxObject* other) const {
    if (!AcDbEntity::isEqualTo(other))
        return false;
    const auto* that = static_cast<const AcDbLine*>(other);
    return m_start == that->m_start && m_end == that->m_end;
}

Acad::ErrorStatus AcDbBlockReference::setBlockTableRecord(AcDbObjectId block) {
    return setWhenWritable(*this, m_block, block);
}

Acad::ErrorStatus AcDbBlockReference::setPosition(const AcGePoint3d& pt) {
    return setWhenWritable(*this, m_position, pt);
}

Acad::ErrorStatus AcDbBlockReference::getGeomExtents(AcDbExtents& extents) const {
    extents = AcDbExtents(m_position, m_position);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = AcDbEntity::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const AcDbBlockReference*>(other);
    m_position = source->m_position;
    m_block = source->m_block;
    return Acad::eOk;
}

bool AcDbBlockReference::isEqualTo(const AcRxObject* other) const {
    if (!AcDbEntity::isEqualTo(other))
        return false;
    const auto* that = static_cast<const AcDbBlockReference*>(other);
    return m_position == that->m_position && m_block == that->m_block;
}
