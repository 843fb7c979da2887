// HxDbWtPool: a pool, a rectangle of its length (x) and width (y) centred on
// its location.
#include "HxWtDbObject.h"
#include "db.h"
#include "hxhost/WriteSetter.h"

#include <tuple>

using hxhost::setWhenWritable;

ACRX_DXF_DEFINE_MEMBERS(HxDbWtPool, HxDbEntity, AcDb::kDHL_CURRENT, 0, 0, HXDBWTPOOL, HxWtDbObject)

HxDbWtPool::HxDbWtPool() = default;

HxDbWtPool::HxDbWtPool(const AcGePoint3d& location) : m_location(location) {}

HxDbWtPool::~HxDbWtPool() = default;

AcGePoint3d HxDbWtPool::GetPoolLocation() const {
    return m_location;
}
const wchar_t* HxDbWtPool::GetPoolName() const {
    return m_name.c_str();
}
double HxDbWtPool::GetPoolLength() const {
    return m_length;
}
double HxDbWtPool::GetPoolWidth() const {
    return m_width;
}
double HxDbWtPool::GetPoolDeepness() const {
    return m_deepness;
}

Acad::ErrorStatus HxDbWtPool::SetPoolLocation(const AcGePoint3d& location) {
    return setWhenWritable(*this, m_location, location);
}

Acad::ErrorStatus HxDbWtPool::SetPoolName(const wchar_t* name) {
    return setWhenWritable(*this, m_name, name ? name : L"");
}

// A negative length or width is refused (eInvalidInput).
Acad::ErrorStatus HxDbWtPool::SetPoolSize(double length, double width, double deepness) {
    return setWhenWritable(*this, std::tie(m_length, m_width, m_deepness),
                           std::tie(length, width, deepness), length >= 0.0 && width >= 0.0);
}

Acad::ErrorStatus HxDbWtPool::getGeomExtents(AcDbExtents& extents) const {
    const AcGeVector3d half(m_length / 2.0, m_width / 2.0, 0.0);
    extents = AcDbExtents(m_location - half, m_location + half);
    return Acad::eOk;
}

Acad::ErrorStatus HxDbWtPool::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = HxDbEntity::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const HxDbWtPool*>(other);
    m_location = source->m_location;
    m_name = source->m_name;
    m_length = source->m_length;
    m_width = source->m_width;
    m_deepness = source->m_deepness;
    return Acad::eOk;
}

bool HxDbWtPool::isEqualTo(const AcRxObject* other) const {
    if (!HxDbEntity::isEqualTo(other))
        return false;
    const auto* that = static_cast<const HxDbWtPool*>(other);
    return m_location == that->m_location && m_name == that->m_name && m_length == that->m_length &&
           m_width == that->m_width && m_deepness == that->m_deepness;
}
