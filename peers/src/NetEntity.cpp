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

bool planMeet(const AcGePoint3d& p, const AcGePoint3d& q) {
    return std::hypot(p.x - q.x, p.y - q.y) <= HxGeTolerance();
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
