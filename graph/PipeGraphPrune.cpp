// Pruning: the root is the well or pool at the picked pipe's end nearest to
// the picked point, and every branch of the root other than the picked pipe
// is removed from the base graph's records before loading.
#include "HxDbWtPipeGraph.h"

#include "graph/PipeGraphRecords.h"

#include "HxListQuene.h"

using namespace HxWtPipeGraphRecords;

namespace {

// The plan position of a well or pool (exact class); false for others.
bool NodeLocation(const HxDbEntity* entity, AcGePoint3d& at) {
    if (IsExactly(entity, HxDbWtWell::desc())) {
        at = static_cast<const HxDbWtWell*>(entity)->GetWellLocation();
        return true;
    }
    if (IsExactly(entity, HxDbWtPool::desc())) {
        at = static_cast<const HxDbWtPool*>(entity)->GetPoolLocation();
        return true;
    }
    return false;
}

// The first well or pool connected to the record whose location equals end
// in plan; the null id when none.
AcDbObjectId RootAt(const HxDbPipeGraphEnt* record, const AcGePoint3d& end) {
    HxDbObjectIdList connected = ConnectedIds(record);
    for (AcDbObjectId* id = connected.FirstPos(); id != nullptr; id = connected.NextPos(id)) {
        AcDbObjectPointer<HxDbEntity> entity(*id, AcDb::kForRead);
        AcGePoint3d at;
        if (entity.openStatus() != Acad::eOk || !NodeLocation(entity.object(), at))
            continue;
        if (HxGePoint2d(HxGePoint(at)) == HxGePoint2d(HxGePoint(end)))
            return *id;
    }
    return AcDbObjectId();
}

} // namespace

int HxDbWtPipeGraph::RemoveExcrescentGraphElement(AcDbObjectId pipe, const AcGePoint3d& point) {
    AcGePoint3d start;
    AcGePoint3d end;
    {
        AcDbObjectPointer<HxDbWtPipe> opened(pipe, AcDb::kForRead);
        if (opened.openStatus() != Acad::eOk)
            return 0;
        start = opened->GetStartPoint();
        end = opened->GetEndPoint();
    }
    double ds = start.distanceTo(point);
    double de = end.distanceTo(point);
    return RemoveExcrescentGraphElementFromPoint(pipe, de >= ds ? start : end);
}

int HxDbWtPipeGraph::RemoveExcrescentGraphElementFromPoint(AcDbObjectId pipe,
                                                           const AcGePoint3d& end) {
    HxDbPipeGraphEnt* record = FindPipeGraphEnt(pipe);
    if (record == nullptr)
        return 0;
    AcDbObjectId found = RootAt(record, end);
    if (!found.isNull())
        rootId = found;
    if (rootId.isNull())
        return 0; // a root left from an earlier creation still counts above
    HxDbPipeGraphEnt* root = FindPipeGraphEnt(rootId);
    if (root == nullptr)
        return 0;

    HxDbObjectIdList removal;
    HxListQuene<AcDbObjectId> queue(-1);
    HxIdTable seen;
    HxDbObjectIdList atRoot = ConnectedIds(root);
    for (AcDbObjectId* id = atRoot.FirstPos(); id != nullptr; id = atRoot.NextPos(id)) {
        AcDbObjectPointer<HxDbEntity> entity(*id, AcDb::kForRead);
        if (entity.openStatus() != Acad::eOk || *id == pipe ||
            !IsExactly(entity.object(), HxDbWtPipe::desc()))
            continue;
        InsertNew(seen, *id);
        queue.Push(*id);
        removal.Append(*id);
    }

    AcDbObjectId current;
    while (queue.Pop(current) != 0) {
        HxDbObjectIdList next = ConnectedIds(FindPipeGraphEnt(current));
        for (AcDbObjectId* id = next.FirstPos(); id != nullptr; id = next.NextPos(id)) {
            if (*id == rootId || *id == pipe || !InsertNew(seen, *id))
                continue;
            queue.Push(*id);
            removal.Append(*id);
        }
    }

    for (AcDbObjectId* id = removal.FirstPos(); id != nullptr; id = removal.NextPos(id))
        RemoveEnt(*id);
    return 1;
}
