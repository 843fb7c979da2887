// Segment hit tests of the base module, in space and in plan. A point hits
// when its distance to the closest point of the segment is within the
// library's length tolerance; end points are part of the segment.
#include "HxAecGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned int kHitBit = 1u;

// Distance from p to the segment a-b, all in the same number of dimensions
// (unused coordinates zero).
double distanceToSegment(const HxGePoint& a, const HxGePoint& b, const HxGePoint& p) {
    const double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
    const double lengthSq = dx * dx + dy * dy + dz * dz;
    double t = 0.0;
    if (lengthSq > 0.0)
        t = ((p.x - a.x) * dx + (p.y - a.y) * dy + (p.z - a.z) * dz) / lengthSq;
    t = std::clamp(t, 0.0, 1.0);
    const double cx = a.x + t * dx - p.x, cy = a.y + t * dy - p.y, cz = a.z + t * dz - p.z;
    return std::sqrt(cx * cx + cy * cy + cz * cz);
}

HxBitData hitWhen(bool hit) {
    return HxBitData(hit ? kHitBit : 0u);
}

} // namespace

HxGeLineSeg3d::HxGeLineSeg3d(const HxGePoint& p1, const HxGePoint& p2) : m_start(p1), m_end(p2) {}

HxGeLineSeg3d::~HxGeLineSeg3d() = default;

HxBitData HxGeLineSeg3d::HitTest(const HxGePoint& point) const {
    return hitWhen(distanceToSegment(m_start, m_end, point) <= HxGeTolerance());
}

HxGeLineSeg2d::HxGeLineSeg2d(const HxGePoint& p1, const HxGePoint& p2) : m_start(p1), m_end(p2) {}

HxGeLineSeg2d::~HxGeLineSeg2d() = default;

HxBitData HxGeLineSeg2d::HitTest(const HxGePoint& point) const {
    const HxGePoint a(m_start.x, m_start.y, 0.0);
    const HxGePoint b(m_end.x, m_end.y, 0.0);
    const HxGePoint p(point.x, point.y, 0.0);
    return hitWhen(distanceToSegment(a, b, p) <= HxGeTolerance());
}
