// Point equality of the base module: in space and in plan, within the
// library's length tolerance.
#include "HxAecGeometry.h"

#include <cmath>

bool HxGePoint::Equal3d(const HxGePoint& other) const {
    const double dx = x - other.x;
    const double dy = y - other.y;
    const double dz = z - other.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz) <= HxGeTolerance();
}

bool HxGePoint2d::operator==(const HxGePoint2d& other) const {
    return std::hypot(x - other.x, y - other.y) <= HxGeTolerance();
}
