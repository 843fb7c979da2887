// Equipment and gulley links: pipes with an end on equipment get flag 3 in
// the drawing (the only write of the graph to the drawing), and every node
// lists its connected pipes that are not network pipes.
#include "HxDbWtPipeGraph.h"

#include "graph/HxWtPipeGraphLookup.h"
#include "graph/PipeGraphRecords.h"

#include "HxDynArray.h"

using namespace HxWtPipeGraphRecords;

namespace {

// True when the first equipment among the entities whose plan extents hold
// the point is found (scanning stops there). `hits` is scratch room that the
// caller keeps from one point to the next.
bool EquipmentAt(const AcGePoint3d& point, HxDynArray<AcDbObjectId>& hits) {
    hits.RemoveAll();
    HxReactors::HitEntByExtent2d(HxGePoint(point), AcDbObjectId(), hits);
    for (int i = 0; i < hits.Count(); ++i) {
        // Only equipment can answer: other hits are not worth opening.
        if (hits.At(i).objectClass() != HxDbWtEquipment::desc())
            continue;
        AcDbObjectPointer<HxDbEntity> entity(hits.At(i), AcDb::kForRead);
        if (entity.openStatus() == Acad::eOk && IsExactly(entity.object(), HxDbWtEquipment::desc()))
            return true;
    }
    return false;
}

// Writes flag 3 on the pipe open for read; a refused upgrade leaves the flag.
void FlagEquipLink(HxDbWtPipe* pipe) {
    if (pipe->upgradeOpen() != Acad::eOk)
        return;
    pipe->SetPipeFlag(HxDbWtPipe::kEquipLinkPipe);
    pipe->downgradeOpen();
}

} // namespace

void HxDbWtPipeGraph::SetPipeLinkEquipFlag() {
    HxDynArray<AcDbObjectId> hits;
    ForEachRecord(
        HxWtPipeGraphLookup::Of(*this).records.Of(m_entList), [&](const HxDbPipeGraphEnt* record) {
            const AcDbObjectId id = record->GetObjectId();
            if (id.objectClass() != HxDbWtPipe::desc())
                return;
            AcDbObjectPointer<HxDbEntity> entity(id, AcDb::kForRead);
            if (entity.openStatus() != Acad::eOk || !IsExactly(entity.object(), HxDbWtPipe::desc()))
                return;
            auto* pipe = static_cast<HxDbWtPipe*>(entity.object());
            AcGePoint3d start = pipe->GetStartPoint();
            AcGePoint3d end = pipe->GetEndPoint();
            if (EquipmentAt(start, hits))
                FlagEquipLink(pipe);
            if (EquipmentAt(end, hits))
                FlagEquipLink(pipe);
        });
}

int HxDbWtPipeGraph::CreateLinkGulleyEdge() {
    if (nodes.Count() == 0)
        return 0;
    for (HxDbWtPipeNode** pos = nodes.FirstPos(); pos != nullptr; pos = nodes.NextPos(pos)) {
        if (*pos == nullptr)
            continue;
        HxDbPipeGraphEnt* record = FindPipeGraphEnt((*pos)->entityId);
        if (record == nullptr)
            continue;
        HxDbObjectIdList connected = ConnectedIds(record);
        for (AcDbObjectId* id = connected.FirstPos(); id != nullptr; id = connected.NextPos(id)) {
            AcDbObjectPointer<HxDbEntity> entity(*id, AcDb::kForRead);
            if (entity.openStatus() != Acad::eOk || !IsExactly(entity.object(), HxDbWtPipe::desc()))
                continue;
            if (static_cast<HxDbWtPipe*>(entity.object())->GetPipeFlag() !=
                HxDbWtPipe::kNetworkPipe)
                (*pos)->gulleyPipes.Append(*id);
        }
    }
    return 1;
}
