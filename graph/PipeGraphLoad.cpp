// Loading: the pipe classifier and the two loaders that turn the base
// graph's entity records (or the pipes of one path) into typed edges and
// nodes. Loading writes nothing to the drawing; entities that do not open, or
// have another class, are skipped silently.
#include "HxDbWtPipeGraph.h"

#include "graph/HxWtPipeGraphLookup.h"
#include "graph/PipeGraphRecords.h"

using namespace HxWtPipeGraphRecords;

namespace {

// Appends the made elements to the list, the lookup indexing each as it
// comes. The elements of one load come from distinct records, so their ids
// are distinct in a list that was empty before.
template <class T>
void AppendIndexed(HxPDList<T>& list, HxWtIdPositionIndex<T>& index, const std::vector<T*>& made) {
    const bool fresh = list.Count() == 0;
    index.Refresh(list);
    index.Reserve(static_cast<std::size_t>(list.Count()) + made.size());
    for (T* element : made) {
        list.Append(element);
        index.Appended(list, fresh);
    }
}

} // namespace

int HxDbWtPipeGraph::EntIsPipe(AcDbObjectId id) {
    // Anything of another class answers 0 whether it opens or not.
    if (id.objectClass() != HxDbWtPipe::desc())
        return 0;
    AcDbObjectPointer<HxDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk)
        return 0;
    return IsExactly(entity.object(), HxDbWtPipe::desc()) ? 1 : 0;
}

// One node or one edge per record, in record order. The elements are made
// record by record and appended to their lists after the walk, list by list:
// nobody reads the lists in between, and each list's links then lie together
// in memory, which every later walk of the list (its destruction among them)
// reads at the speed of a sequential read.
int HxDbWtPipeGraph::LoadGraphElement() {
    HxWtPipeGraphLookup& lookup = *m_lookup;
    const std::vector<HxDbPipeGraphEnt*>& records = lookup.records.Of(m_entList);
    std::vector<HxDbWtPipeNode*> madeNodes;
    std::vector<HxDbWtPipeEdge*> madeEdges;
    madeNodes.reserve(records.size()); // room never written costs no memory
    madeEdges.reserve(records.size());
    lookup.loaded.Start(*this);
    ForEachRecord(records, [&](HxDbPipeGraphEnt* record) {
        AcDbObjectPointer<HxDbEntity> entity(record->GetObjectId(), AcDb::kForRead);
        if (entity.openStatus() != Acad::eOk)
            return;
        if (IsExactly(entity.object(), HxDbWtPipe::desc())) {
            if (IsNetworkPipe(entity.object(), withOutNode)) {
                madeEdges.push_back(MakeEdge(static_cast<HxDbWtPipe*>(entity.object())));
                lookup.loaded.AddEdge(record);
            }
            return;
        }
        if (HxDbWtPipeNode* node = MakeNode(entity.object())) {
            madeNodes.push_back(node);
            lookup.loaded.AddNode(record);
        }
    });
    AppendIndexed(nodes, lookup.nodes, madeNodes);
    AppendIndexed(edges, lookup.edges, madeEdges);
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
