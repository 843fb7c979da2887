// ReleaseEntSet: deletes the pieces of an exploded entity.
#include "HxAecDbObject.h"

void ReleaseEntSet(AcArray<void*>& ents) {
    for (int i = 0; i < ents.length(); ++i)
        delete static_cast<AcDbEntity*>(ents[i]);
    ents.setLogicalLength(0);
}
