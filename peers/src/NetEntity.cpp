// The connection rules of the network entities (see NetEntity.h).
#include "NetEntity.h"

#include <cmath>

namespace hxpeers {

NetEntity describe(const HxDbEntity& ent) {
    NetEntity out;
    out.id = ent.objectId();
    out.cls = ent.isA();
    if (const HxDbPipeEntity* pipe = HxDbPipeEntity::cast(&ent)) {
        out.kind = NetKind::Pipe;
        out.a = pipe->GetStartPoint();
        out.b = pipe->GetEndPoint();
    } else if (const HxDbWtWell* well = HxDbWtWell::cast(&ent)) {
        out.kind = NetKind::Point;
        out.a = well->GetWellLocation();
    } else if (const HxDbWtPool* pool = HxDbWtPool::cast(&ent)) {
        out.kind = NetKind::Point;
        out.a = pool->GetPoolLocation();
    } else if (const HxDbWtEquipment* equip = HxDbWtEquipment::cast(&ent)) {
        out.kind = NetKind::Box;
        out.a = equip->GetMinCorner();
        out.b = equip->GetMaxCorner();
    }
    return out;
}

// The plan distance is never below either coordinate difference, so a
// difference beyond the tolerance settles it without the distance; so do
// coincident points, the common case of connected ends.
bool planMeet(const AcGePoint3d& p, const AcGePoint3d& q) {
    const double tol = HxGeTolerance();
    const double dx = p.x - q.x, dy = p.y - q.y;
    if (std::fabs(dx) > tol || std::fabs(dy) > tol)
        return false;
    if (dx == 0.0 && dy == 0.0)
        return tol >= 0.0;
    return std::hypot(dx, dy) <= tol;
}

bool planHolds(const AcGePoint3d& min, const AcGePoint3d& max, const AcGePoint3d& p) {
    const double tol = HxGeTolerance();
    return p.x >= min.x - tol && p.x <= max.x + tol && p.y >= min.y - tol && p.y <= max.y + tol;
}

bool meetsPipeEnd(const NetEntity& other, const AcGePoint3d& end) {
    switch (other.kind) {
    case NetKind::Pipe:
        return planMeet(other.a, end) || planMeet(other.b, end);
    case NetKind::Point:
        return planMeet(other.a, end);
    case NetKind::Box:
        return planHolds(other.a, other.b, end);
    case NetKind::Other:
        break;
    }
    return false;
}

} // namespace hxpeers
