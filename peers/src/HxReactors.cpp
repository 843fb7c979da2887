// HxReactors::HitEntByExtent2d: the model-space entities whose plan extents
// hold a point.
#include "HxAecDbObject.h"

#include "ExtentsIndex.h"
#include "dbapserv.h"

int HxReactors::HitEntByExtent2d(const HxGePoint& pt, const AcDbObjectId& id,
                                 HxDynArrayBase<AcDbObjectId>& hits) {
    int added = 0;
    hxpeers::ExtentsIndex::current(acdbHostApplicationServices()->workingDatabase())
        ->forEachHit(AcGePoint3d(pt.x, pt.y, 0.0), HxGeTolerance(), [&](const AcDbObjectId& hit) {
            if (hit == id)
                return;
            hits.Append(hit);
            ++added;
        });
    return added;
}
