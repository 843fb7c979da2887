// AcDbPolyline: vertices, bulges and widths, the closed flag, extents.
#include "db.h"
#include "dbpl.h"
#include "hxhost/WriteSetter.h"

#include <cmath>

using hxhost::setWhenWritable;

ACRX_DXF_DEFINE_MEMBERS(AcDbPolyline, AcDbEntity, AcDb::kDHL_CURRENT, 0, 0, LWPOLYLINE, ACAD)

namespace {

constexpr int kArcSamples = 64;

// Adds the points of the arc from a to b with the given bulge to box.
void addArc(AcDbExtents& box, const AcGePoint2d& a, const AcGePoint2d& b, double bulge, double z) {
    const AcGeVector2d chord = b - a;
    const double d = chord.length();
    if (d == 0.0)
        return;
    const AcGeVector2d left(-chord.y / d, chord.x / d);
    const AcGePoint2d mid(a.x + chord.x / 2, a.y + chord.y / 2);
    const AcGePoint2d c = mid + left * (d * (1 - bulge * bulge) / (4 * bulge));
    const double r = a.distanceTo(c);
    const double start = std::atan2(a.y - c.y, a.x - c.x);
    const double sweep = 4 * std::atan(bulge);
    for (int i = 1; i < kArcSamples; ++i) {
        const double t = start + sweep * i / kArcSamples;
        box.addPoint(AcGePoint3d(c.x + r * std::cos(t), c.y + r * std::sin(t), z));
    }
}

} // namespace

bool AcDbPolyline::Vertex::operator==(const Vertex& o) const {
    return point == o.point && bulge == o.bulge && startWidth == o.startWidth &&
           endWidth == o.endWidth && id == o.id;
}

AcDbPolyline::AcDbPolyline(unsigned int numVerts) {
    m_vertices.reserve(numVerts);
}

Acad::ErrorStatus AcDbPolyline::addVertexAt(unsigned int index, const AcGePoint2d& pt, double bulge,
                                            double startWidth, double endWidth,
                                            Adesk::Int32 vertexIdentifier) {
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (index > m_vertices.size())
        return Acad::eInvalidIndex;
    m_vertices.insert(m_vertices.begin() + index,
                      Vertex{pt, bulge, startWidth, endWidth, vertexIdentifier});
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::removeVertexAt(unsigned int index) {
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (!validIndex(index))
        return Acad::eInvalidIndex;
    m_vertices.erase(m_vertices.begin() + index);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint2d& pt) const {
    if (!validIndex(index))
        return Acad::eInvalidIndex;
    pt = m_vertices[index].point;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint3d& pt) const {
    if (!validIndex(index))
        return Acad::eInvalidIndex;
    pt.set(m_vertices[index].point.x, m_vertices[index].point.y, m_elevation);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getBulgeAt(unsigned int index, double& bulge) const {
    if (!validIndex(index))
        return Acad::eInvalidIndex;
    bulge = m_vertices[index].bulge;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setBulgeAt(unsigned int index, double bulge) {
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (!validIndex(index))
        return Acad::eInvalidIndex;
    m_vertices[index].bulge = bulge;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getWidthsAt(unsigned int index, double& startWidth,
                                            double& endWidth) const {
    if (!validIndex(index))
        return Acad::eInvalidIndex;
    startWidth = m_vertices[index].startWidth;
    endWidth = m_vertices[index].endWidth;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getVertexIdentifierAt(unsigned int index, Adesk::Int32& id) const {
    if (!validIndex(index))
        return Acad::eInvalidIndex;
    id = m_vertices[index].id;
    return Acad::eOk;
}

void AcDbPolyline::setClosed(bool closed) {
    if (isWriteEnabled())
        m_closed = closed;
}

void AcDbPolyline::setElevation(double elevation) {
    if (isWriteEnabled())
        m_elevation = elevation;
}

Acad::ErrorStatus AcDbPolyline::setConstantWidth(double width) {
    // Written as "not below zero" so that a NaN width is taken, as ever.
    return setWhenWritable(*this, m_constantWidth, width, !(width < 0));
}

Acad::ErrorStatus AcDbPolyline::getGeomExtents(AcDbExtents& extents) const {
    if (m_vertices.empty())
        return Acad::eInvalidExtents;
    AcDbExtents box;
    const std::size_t n = m_vertices.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vertex& v = m_vertices[i];
        box.addPoint(AcGePoint3d(v.point.x, v.point.y, m_elevation));
        const bool hasNext = i + 1 < n || m_closed;
        if (hasNext && v.bulge != 0.0)
            addArc(box, v.point, m_vertices[(i + 1) % n].point, v.bulge, m_elevation);
    }
    extents = box;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = AcDbEntity::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const AcDbPolyline*>(other);
    m_vertices = source->m_vertices;
    m_closed = source->m_closed;
    m_elevation = source->m_elevation;
    m_constantWidth = source->m_constantWidth;
    return Acad::eOk;
}

bool AcDbPolyline::isEqualTo(const AcRxObject* other) const {
    if (!AcDbEntity::isEqualTo(other))
        return false;
    const auto* that = static_cast<const AcDbPolyline*>(other);
    return m_vertices == that->m_vertices && m_closed == that->m_closed &&
           m_elevation == that->m_elevation && m_constantWidth == that->m_constantWidth;
}
