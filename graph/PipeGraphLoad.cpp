// Loading: the pipe classifier and the two loaders that turn the base
// graph's entity records (or the pipes of one path) into typed edges and
// nodes. Loading writes nothing to the drawing; entities that do not open, or
// have another class, are skipped silently.
#include "HxDbWtPipeGraph.h"

#include "graph/HxWtPipeGraphLookup.h"
#include "graph/PipeGraphRecords.h"

using namespace HxWtPipeGraphRecords;

int HxDbWtPipeGraph::EntIsPipe(AcDbObjectId id) {
    // Anything of another class answers 0 whether it opens or not.
    if (id.objectClass() != HxDbWtPipe::desc())
        return 0;
    AcDbObjectPointer<HxDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk)
        return 0;
    return IsExactly(entity.object(), HxDbWtPipe::desc()) ? 1 : 0;
}

// One node or one edge per record, in record order.
int HxDbWtPipeGraph::LoadGraphElement() {
    // The lookups index each element as it is appended, while it is at hand.
    // The elements of one load come from distinct records, so their ids are
    // distinct in a list that was empty before.
    HxWtPipeGraphLookup& lookup = *m_lookup;
    const bool freshNodes = nodes.Count() == 0;
    const bool freshEdges = edges.Count() == 0;
    lookup.nodes.Refresh(nodes);
    lookup.edges.Refresh(edges);
    lookup.loaded.Start(*this);
    const std::vector<HxDbPipeGraphEnt*>& records = lookup.records.Of(m_entList);
    // At most one element per record: room that is never written costs no
    // memory, copying a mirror that outgrew its room does.
    lookup.nodes.Reserve(static_cast<std::size_t>(nodes.Count()) + records.size());
    lookup.edges.Reserve(static_cast<std::size_t>(edges.Count()) + records.size());
    ForEachRecord(records, [&](HxDbPipeGraphEnt* record) {
        AcDbObjectPointer<HxDbEntity> entity(record->GetObjectId(), AcDb::kForRead);
        if (entity.openStatus() != Acad::eOk)
            return;
        if (IsExactly(entity.object(), HxDbWtPipe::desc())) {
            if (IsNetworkPipe(entity.object(), withOutNode)) {
                edges.Append(MakeEdge(static_cast<HxDbWtPipe*>(entity.object())));
                lookup.edges.Appended(edges, freshEdges);
                lookup.loaded.AddEdge(record);
            }
            return;
        }
        if (HxDbWtPipeNode* node = MakeNode(entity.object())) {
            nodes.Append(node);
            lookup.nodes.Appended(nodes, freshNodes);
            lookup.loaded.AddNode(record);
        }
    });
    lookup.loaded.Finish(*this, m_entList);
    return 1;
}

// Edges of the listed network pipes, then the root's node, then the wells and
// pools at the edges' ends in path order, each once. 0 when an edge's pipe
// has no base record (what was made so far stays).
int HxDbWtPipeGraph::LoadGraphElement(HxDbObjectIdList pipes) {
    int counter = 0;
    for (AcDbObjectId* pos = pipes.FirstPos(); pos != nullptr; pos = pipes.NextPos(pos)) {
        AcDbObjectPointer<HxDbEntity> entity(*pos, AcDb::kForRead);
        if (entity.openStatus() != Acad::eOk || !IsNetworkPipe(entity.object(), withOutNode))
            continue;
        edges.Append(MakeEdge(static_cast<HxDbWtPipe*>(entity.object())));
        pathEdgeOrder.Append(counter++);
    }

    counter = 0;
    AcDbObjectPointer<HxDbEntity> root(rootId, AcDb::kForRead); // held until the end
    if (root.openStatus() == Acad::eOk) {
        if (HxDbWtPipeNode* node = MakeNode(root.object())) {
            nodes.Append(node);
            pathNodeOrder.Append(counter++);
        }
    }

    HxIdTable visited;
    InsertNew(visited, rootId);
    for (HxDbWtPipeEdge** pos = edges.FirstPos(); pos != nullptr; pos = edges.NextPos(pos)) {
        HxDbPipeGraphEnt* record = FindPipeGraphEnt((*pos)->pipeId);
        if (record == nullptr)
            return 0;
        HxDbObjectIdList connected = ConnectedIds(record);
        for (AcDbObjectId* id = connected.FirstPos(); id != nullptr; id = connected.NextPos(id)) {
            if (EntIsPipe(*id) || !InsertNew(visited, *id))
                continue;
            AcDbObjectPointer<HxDbEntity> entity(*id, AcDb::kForRead);
            if (entity.openStatus() != Acad::eOk)
                continue;
            if (HxDbWtPipeNode* node = MakeNode(entity.object())) {
                nodes.Append(node);
                pathNodeOrder.Append(counter++);
            }
        }
    }
    return 1;
}
