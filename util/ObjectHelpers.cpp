// Erasing an object by id and filtering an id list by class.
#include "HxWtEntityUtil.h"

int HxWtEraseObject(AcDbObjectId id) {
    AcDbObject* obj = nullptr;
    if (acdbOpenObject(obj, id, AcDb::kForWrite, false) != Acad::eOk)
        return 0;
    obj->erase(true);
    obj->close();
    return 1;
}

void EntityListFilter(HxList<AcDbObjectId>& ids, const AcRxClass* cls) {
    // From the last position to the first, so that removals do not move the
    // positions still to be visited.
    for (int i = ids.Count() - 1; i >= 0; --i) {
        AcDbObject* obj = nullptr;
        if (acdbOpenObject(obj, *ids.PosAt(i), AcDb::kForRead, false) != Acad::eOk)
            continue;
        if (!obj->isA()->isDerivedFrom(cls))
            ids.RemoveAt(i);
        obj->close();
    }
}
