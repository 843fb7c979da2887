// The relation dispatcher and the pressure builders: flow runs outward from
// the root (the source side). Without loops every edge is oriented away from
// the root by a breadth-first walk; with a loop every node only lists the
// edges that meet it.
#include "HxDbWtPipeGraph.h"

#include "graph/PipeGraphRecords.h"
#include "graph/PipeGraphWalk.h"

using namespace HxWtPipeGraphRecords;
using namespace HxWtPipeGraphWalk;

int HxDbWtPipeGraph::CreateWtRelateGraph() {
    if (graphType == kPressure)
        return CreatePressurRelateGraph();
    if (graphType == kGravity)
        return CreateGravityRelateGraph();
    return 0;
}

// The root must have a node (CreateGraph checks it before calling). The walk
// runs downstream from the source; every pipe must reach a new node.
int HxDbWtPipeGraph::CreatePressurRelateGraph() {
    if (HasLoop())
        return CreatePressurLoopRelateGraph();
    startEdge = FindEdgeIndex(pickedId);
    return Walk(*this, &HxDbWtPipeGraph::EntIsPipe, Builder::kPressure);
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
