// Explaining a failed CreateGraph in the terms of the drawing.
#include "GraphDiagnosis.h"

#include <vector>

#include "DrawingLoad.h"
#include "NumberArgs.h"
#include "HxWtDbObject.h"
#include "ToolText.h"
#include "dbobjptr.h"

namespace hxwt {
namespace {

// Beyond this many pipes the loop is not located (each probe copies the
// collected records).
constexpr size_t kMaxLoopSearchPipes = 20000;

bool isNodeEntity(AcDbObjectId id) {
    AcDbObjectPointer<HxDbEntity> ent(id, AcDb::kForRead);
    return ent.openStatus() == Acad::eOk &&
           (ent->isA() == HxDbWtWell::desc() || ent->isA() == HxDbWtPool::desc());
}

// "well W3 (handle C)", "pool O (handle 8)", "entity 1F".
std::string describe(AcDbObjectId id) {
    AcDbObjectPointer<HxDbWtWell> well(id, AcDb::kForRead);
    if (well.openStatus() == Acad::eOk)
        return "well " + toUtf8(well->GetWellPrefix()) + toUtf8(well->GetWellIndex()) +
               " (handle " + handleText(id) + ")";
    AcDbObjectPointer<HxDbWtPool> pool(id, AcDb::kForRead);
    if (pool.openStatus() == Acad::eOk)
        return "pool " + toUtf8(pool->GetPoolName()) + " (handle " + handleText(id) + ")";
    return (isPipeEntity(id) ? "pipe " : "entity ") + handleText(id);
}

std::vector<AcDbObjectId> connections(const HxDbPipeGraph& graph, AcDbObjectId id) {
    std::vector<AcDbObjectId> out;
    HxDbPipeGraphEnt* rec = graph.FindPipeGraphEnt(id);
    if (rec == nullptr)
        return out;
    HxDbObjectIdList list;
    rec->GetConnectEnt(list);
    for (list.First(); !list.IsEnd(); list.Next())
        out.push_back(list.Current());
    return out;
}

std::string nodesOf(const HxDbPipeGraph& graph, AcDbObjectId pipe) {
    std::string out;
    for (AcDbObjectId c : connections(graph, pipe)) {
        if (isNodeEntity(c))
            out += (out.empty() ? "" : " and ") + describe(c);
    }
    return out.empty() ? "no well or pool" : out;
}

// The pipe that closes the first loop when the pipes are taken in record
// (breadth-first) order: the smallest prefix of pipes with a loop ends in it.
AcDbObjectId loopClosingPipe(const HxDbPipeGraph& graph) {
    std::vector<AcDbObjectId> pipes;
    // Position handles leave the list's cursor alone.
    auto& records = const_cast<HxPDList<HxDbPipeGraphEnt>&>(graph.EntList());
    for (HxDbPipeGraphEnt** p = records.FirstPos(); p != nullptr; p = records.NextPos(p)) {
        if (isPipeEntity((*p)->GetObjectId()))
            pipes.push_back((*p)->GetObjectId());
    }
    if (pipes.empty() || pipes.size() > kMaxLoopSearchPipes)
        return AcDbObjectId();
    auto loopWithFirst = [&](size_t k) {
        HxDbPipeGraph part(graph);
        for (size_t i = pipes.size(); i > k; --i)
            part.RemoveEnt(pipes[i - 1]);
        return part.HasLoop();
    };
    size_t lo = 1, hi = pipes.size();
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        if (loopWithFirst(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return pipes[lo - 1];
}

std::string loopText(HxDbWtPipeGraph& graph, const GraphRequest& request) {
    const std::string kind = request.to.isNull() ? "a gravity network" : "a path";
    const AcDbObjectId pipe = loopClosingPipe(graph);
    const std::string where = pipe.isNull()
                                  ? std::string("the network holds a closed loop of pipes")
                                  : "pipe " + handleText(pipe) + ", between " +
                                        nodesOf(graph, pipe) + ", closes a loop of pipes";
    return where + ", and " + kind +
           " must be a tree: take that pipe out of the drawing or disconnect it.";
}

// The edge the relation walk stopped at: met from one node, none beyond.
int stuckEdge(HxDbWtPipeGraph& graph) {
    int index = 0;
    for (HxDbWtPipeEdge** p = graph.edges.FirstPos(); p != nullptr;
         p = graph.edges.NextPos(p), ++index) {
        if (((*p)->startNode < 0) != ((*p)->endNode < 0))
            return index;
    }
    return -1;
}

std::string relateText(HxDbWtPipeGraph& graph) {
    const int index = stuckEdge(graph);
    if (index < 0)
        return "the relation of pipes and wells could not be built from the root.";
    HxDbWtPipeEdge& edge = **graph.edges.PosAt(index);
    const int met = edge.startNode >= 0 ? edge.startNode : edge.endNode;
    const AcDbObjectId metId = (*graph.nodes.PosAt(met))->entityId;
    std::string text = "pipe " + handleText(edge.pipeId) + " leaves " + describe(metId) +
                       " and reaches no well or pool of the network: ";
    HxDbPipeGraph full;
    full.CreateRelateGraph(edge.pipeId);
    AcDbObjectId far;
    for (AcDbObjectId c : connections(full, edge.pipeId)) {
        if (c != metId && isNodeEntity(c))
            far = c;
    }
    if (far.isNull())
        return text + "its other end is open (no well or pool lies there). Draw a well or pool "
                      "at that end, or build with --without-node to accept open ends.";
    if (graph.FindNodeIndex(far) >= 0)
        return text + "its other end meets " + describe(far) +
               ", which the walk had reached through another pipe (a loop).";
    std::string others;
    for (AcDbObjectId c : connections(full, graph.rootId)) {
        if (c != graph.pickedId && isPipeEntity(c))
            others += (others.empty() ? "" : ", ") + handleText(c);
    }
    const bool one = others.find(',') == std::string::npos;
    return text + "its other end meets " + describe(far) + ", which pruning at the root " +
           describe(graph.rootId) + " removed, because the root's other pipe" +
           (one ? " " + others + " reaches" : "s " + others + " reach") +
           " it too (the network loops back to the root). Pick a pipe whose end well has no "
           "other pipe, or take " +
           (one ? "pipe " : "one of the pipes ") + others + " out of the drawing.";
}

std::string pointText(const AcGePoint3d& p) {
    return roundTrip(p.x) + "," + roundTrip(p.y);
}

} // namespace

std::string diagnoseGraph(HxDbWtPipeGraph& graph, int status, const GraphRequest& request) {
    if (status == HxDbWtPipeGraph::kGraphOk)
        return {};
    const std::string picked = describe(request.picked);
    switch (status) {
    case HxDbWtPipeGraph::kGraphOk:
        return {};
    case HxDbWtPipeGraph::kGraphBadParam:
        return "a path runs between two wells or pools, and " +
               (isPipeEntity(request.picked) ? picked : describe(request.to)) +
               " is a pipe: give the handles of wells or pools.";
    case HxDbWtPipeGraph::kGraphTypeMismatch:
        return "a pressure network is built from a pipe, and " + picked +
               " is not one: pick the pipe that leaves the source, with --at near the source.";
    case HxDbWtPipeGraph::kGraphFilterFailed:
        if (!request.to.isNull())
            return "no run of pipes joins " + picked + " and " + describe(request.to) + ".";
        return "the end of " + picked + " nearest to " + pointText(request.at) +
               " lies on no well or pool, so the network has no root: give --at near the "
               "pipe's end that lies on a well or pool.";
    case HxDbWtPipeGraph::kGraphHasLoop:
        return loopText(graph, request);
    case HxDbWtPipeGraph::kGraphRelateFailed:
        return relateText(graph);
    case HxDbWtPipeGraph::kGraphNodeNotFound:
        return "the root " + describe(graph.rootId) +
               " is neither a well nor a pool, so the network has no root node: pick a well, a "
               "pool, or a pipe with --at near its well.";
    default:
        return "an entity of the network could not be opened.";
    }
}

} // namespace hxwt
