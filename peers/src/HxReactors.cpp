// HxReactors::HitEntByExtent2d: the model-space entities whose plan extents
// hold a point.
#include "HxAecDbObject.h"

#include "ModelSpace.h"
#include "db.h"
#include "dbapserv.h"

int HxReactors::HitEntByExtent2d(const HxGePoint& pt, const AcDbObjectId& id,
                                 HxDynArrayBase<AcDbObjectId>& hits) {
    int added = 0;
    const AcGePoint3d p(pt.x, pt.y, 0.0);
    const double tol = HxGeTolerance();
    hxpeers::forEachModelSpaceEntity(
        acdbHostApplicationServices()->workingDatabase(), nullptr, [&](const AcDbEntity& ent, int) {
            AcDbExtents box;
            if (ent.objectId() == id || ent.getGeomExtents(box) != Acad::eOk || box.isEmpty())
                return;
            const AcGePoint3d lo = box.minPoint(), hi = box.maxPoint();
            if (p.x < lo.x - tol || p.x > hi.x + tol || p.y < lo.y - tol || p.y > hi.y + tol)
                return;
            hits.Append(ent.objectId());
            ++added;
        });
    return added;
}
