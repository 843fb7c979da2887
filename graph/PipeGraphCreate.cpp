// Creation: the two forms of CreateGraph and ResetGraph. Only step 8 of the
// pipe-and-point form (pipe flags on equipment) writes to the drawing.
#include "HxDbWtPipeGraph.h"

#include "graph/HxWtPipeGraphLookup.h"
#include "graph/PipeGraphRecords.h"

namespace {

// EntIsPipe guarded: any failure of the classification is reported as -1.
template <class Graph, class Classify>
int ClassifyGuarded(Graph& graph, Classify classify, AcDbObjectId id) {
    try {
        return (graph.*classify)(id);
    } catch (...) {
        return -1;
    }
}

bool IsKnownType(int type) {
    return type == HxDbWtPipeGraph::kGravity || type == HxDbWtPipeGraph::kPressure;
}

} // namespace

int HxDbWtPipeGraph::CreateGraph(AcDbObjectId pipe, const AcGePoint3d& point) {
    pickedId = pipe;
    int isPipe = ClassifyGuarded(*this, &HxDbWtPipeGraph::EntIsPipe, pipe);
    if (isPipe < 0)
        return kGraphBadParam;
    if (isPipe == 0 && graphType == kPressure)
        return kGraphTypeMismatch;
    CreateRelateGraph(pipe);
    if (graphType == kPressure) {
        if (RemoveExcrescentGraphElement(pipe, point) == 0)
            return kGraphFilterFailed;
    } else {
        if (HasLoop())
            return kGraphHasLoop;
        if (isPipe != 0) {
            if (RemoveExcrescentGraphElement(pipe, point) == 0)
                return kGraphFilterFailed;
        } else {
            rootId = pipe;
        }
    }
    if (rootId.isNull())
        return kGraphFilterFailed;
    SetPipeLinkEquipFlag();
    LoadGraphElement();
    m_lookup->records.Clear();
    const int status = [&] {
        // The builders write into the root's node: without one, stop here.
        if (IsKnownType(graphType) && FindNode(rootId) == nullptr)
            return kGraphNodeNotFound;
        return CreateWtRelateGraph() != 0 ? kGraphOk : kGraphRelateFailed;
    }();
    m_lookup->loaded.Clear(); // only the walk right after the load uses it
    return status;
}

int HxDbWtPipeGraph::CreateGraph(AcDbObjectId from, AcDbObjectId to) {
    int a = ClassifyGuarded(*this, &HxDbWtPipeGraph::EntIsPipe, from);
    int b = ClassifyGuarded(*this, &HxDbWtPipeGraph::EntIsPipe, to);
    if (a != 0 || b != 0)
        return kGraphBadParam;
    rootId = from;
    pickedId = from;
    endId = to;
    CreateRelateGraph(from);
    if (HasLoop())
        return kGraphHasLoop;
    FindPipePath(from, to);
    HxDbPipeGraphPath** first = m_pathList.FirstPos();
    if (first == nullptr || *first == nullptr)
        return kGraphFilterFailed;
    HxDbObjectIdList pipes;
    (*first)->GetPathPipeId(pipes);
    LoadGraphElement(pipes);
    if (FindNode(rootId) == nullptr)
        return kGraphNodeNotFound;
    return CreateGravityRelateGraphPath() != 0 ? kGraphOk : kGraphRelateFailed;
}

void HxDbWtPipeGraph::ResetGraph() {
    startEdge = -1;
    edges.RemoveAll();
    nodes.RemoveAll();
    pathEdgeOrder.RemoveAll();
    pathNodeOrder.RemoveAll();
    m_lookup->nodes.Clear();
    m_lookup->edges.Clear();
    m_lookup->records.Clear();
    m_lookup->loaded.Clear();
    Reset();
}
