// HxReactors::HitEntByExtent2d: the model-space entities whose plan extents
// hold a point.
#include "HxAecDbObject.h"

#include "ExtentsIndex.h"
#include "dbapserv.h"

#include <vector>

int HxReactors::HitEntByExtent2d(const HxGePoint& pt, const AcDbObjectId& id,
                                 HxDynArrayBase<AcDbObjectId>& hits) {
    std::vector<AcDbObjectId> found;
    hxpeers::ExtentsIndex::current(acdbHostApplicationServices()->workingDatabase())
        ->hits(AcGePoint3d(pt.x, pt.y, 0.0), HxGeTolerance(), found);
    int added = 0;
    for (const AcDbObjectId& hit : found) {
        if (hit == id)
            continue;
        hits.Append(hit);
        ++added;
    }
    return added;
}
