// NetEntity: how the connection rules see one entity of a drawing, and the
// rules themselves. Internal to the stand-in modules.
//
// Kinds: a pipe (any HxDbPipeEntity) has two ends; a well or pool is a point
// (its location); equipment is a box (its plan extents). Other entities take
// no part in connections. Everything is compared in plan (z ignored) within
// HxGeTolerance():
// - a pipe end meets another pipe's end when the two coincide;
// - a pipe end meets a well or pool whose location it coincides with;
// - a pipe end meets equipment whose plan box holds it (edges included).
#pragma once

#include "HxWtDbObject.h"

namespace hxpeers {

enum class NetKind { Other, Pipe, Point, Box };

struct NetEntity {
    AcDbObjectId id;
    const AcRxClass* cls = nullptr;
    NetKind kind = NetKind::Other;
    // Pipe: start and end. Point: the location in a. Box: min corner in a,
    // max corner in b.
    AcGePoint3d a;
    AcGePoint3d b;
};

// The view of an open entity (kind Other for entities outside the network).
NetEntity describe(const HxDbEntity& ent);

// True when the plan positions of p and q are within the tolerance.
bool planMeet(const AcGePoint3d& p, const AcGePoint3d& q);

// True when the plan position of p lies in the plan box min-max, within the
// tolerance.
bool planHolds(const AcGePoint3d& min, const AcGePoint3d& max, const AcGePoint3d& p);

// True when `other` (not the pipe itself) meets a pipe end at `end`.
bool meetsPipeEnd(const NetEntity& other, const AcGePoint3d& end);

} // namespace hxpeers
