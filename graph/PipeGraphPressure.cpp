// The relation dispatcher and the pressure builders: flow runs outward from
// the root (the source side). Without loops every edge is oriented away from
// the root by a breadth-first walk; with a loop every node only lists the
// edges that meet it.
#include "HxDbWtPipeGraph.h"

#include "graph/PipeGraphRecords.h"

#include "HxListQuene.h"

using namespace HxWtPipeGraphRecords;

int HxDbWtPipeGraph::CreateWtRelateGraph() {
    if (graphType == kPressure)
        return CreatePressurRelateGraph();
    if (graphType == kGravity)
        return CreateGravityRelateGraph();
    return 0;
}

// The root must have a node (CreateGraph checks it before calling).
int HxDbWtPipeGraph::CreatePressurRelateGraph() {
    if (HasLoop())
        return CreatePressurLoopRelateGraph();
    startEdge = FindEdgeIndex(pickedId);
    HxListQuene<AcDbObjectId> queue(-1);
    HxBFindTree<AcDbObjectId> nodeSet;
    HxBFindTree<AcDbObjectId> pipeSet;
    InsertNew(nodeSet, rootId);
    queue.Push(rootId);

    AcDbObjectId n;
    while (queue.Pop(n) != 0) {
        HxDbWtPipeNode* node = FindNode(n);
        if (n == rootId)
            node->inEdge = -1;
        HxDbPipeGraphEnt* record = FindPipeGraphEnt(n);
        if (record == nullptr)
            continue;
        HxDbObjectIdList connected = ConnectedIds(record);
        for (AcDbObjectId* c = connected.FirstPos(); c != nullptr; c = connected.NextPos(c)) {
            if (!InsertNew(pipeSet, *c)) {
                node->inEdge = FindEdgeIndex(*c);
                continue;
            }
            HxDbWtPipeEdge* edge = FindEdge(*c);
            if (edge == nullptr)
                continue;
            edge->startNode = FindNodeIndex(n);
            HxDbPipeGraphEnt* pipeRecord = FindPipeGraphEnt(*c);
            if (pipeRecord == nullptr)
                continue;
            node->outEdges.Append(FindEdgeIndex(*c));
            bool reached = false;
            HxDbObjectIdList far = ConnectedIds(pipeRecord);
            for (AcDbObjectId* d = far.FirstPos(); d != nullptr; d = far.NextPos(d)) {
                if (EntIsPipe(*d) || FindNodeIndex(*d) == -1 || !InsertNew(nodeSet, *d))
                    continue;
                edge->endNode = FindNodeIndex(*d);
                queue.Push(*d);
                reached = true;
            }
            if (!reached)
                return 0;
        }
    }
    return 1;
}

int HxDbWtPipeGraph::CreatePressurLoopRelateGraph() {
    startEdge = FindEdgeIndex(pickedId);
    for (HxDbPipeGraphEnt** pos = m_entList.FirstPos(); pos != nullptr;
         pos = m_entList.NextPos(pos)) {
        if (*pos == nullptr)
            continue;
        AcDbObjectId id = (*pos)->GetObjectId();
        bool isNode = false;
        {
            AcDbObjectPointer<HxDbEntity> entity(id, AcDb::kForRead);
            if (entity.openStatus() != Acad::eOk)
                continue;
            isNode = IsExactly(entity.object(), HxDbWtWell::desc()) ||
                     IsExactly(entity.object(), HxDbWtPool::desc());
        }
        HxDbWtPipeNode* node = isNode ? FindNode(id) : nullptr;
        if (node == nullptr)
            continue;
        HxDbObjectIdList connected = ConnectedIds(*pos);
        for (AcDbObjectId* c = connected.FirstPos(); c != nullptr; c = connected.NextPos(c)) {
            int index = FindEdgeIndex(*c);
            if (index != -1)
                node->linkEdges.Append(index);
        }
    }
    return 1;
}
