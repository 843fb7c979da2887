// The gravity builders: flow runs toward the root (the outlet). The network
// builder walks upstream from the outlet; the path builder orients one path
// from its first node to its last. Both refuse a network with a loop before
// writing anything.
#include "HxDbWtPipeGraph.h"

#include "graph/PipeGraphWalk.h"

using namespace HxWtPipeGraphWalk;

// The root must have a node (CreateGraph checks it before calling). The walk
// runs upstream: a pipe met from a node flows into it, and the node's own
// outlet pipe is the one met again. With withOutNode a pipe that reaches no
// node upstream is an open end.
int HxDbWtPipeGraph::CreateGravityRelateGraph() {
    if (HasLoop())
        return 0;
    const WalkPolicy policy{
        &HxDbWtPipeNode::outEdge,   // rootward: the pipe toward the outlet
        &HxDbWtPipeEdge::endNode,   // near end: downstream
        &HxDbWtPipeEdge::startNode, // far end: upstream
        [](HxDbWtPipeNode& node, int edge) { node.inEdges.Append(edge); },
        false,       // edgesOnly
        withOutNode, // acceptOpenEnds
    };
    return Walk(*this, &HxDbWtPipeGraph::EntIsPipe, policy);
}

// The root must have a node (CreateGraph checks it before calling). The walk
// runs down the path from its first node; pipes that were not loaded (off the
// path) are skipped, and every pipe must reach a new node.
int HxDbWtPipeGraph::CreateGravityRelateGraphPath() {
    if (HasLoop())
        return 0;
    const WalkPolicy policy{
        &HxDbWtPipeNode::inEdge,    // rootward: the previous pipe of the path
        &HxDbWtPipeEdge::startNode, // near end: upstream
        &HxDbWtPipeEdge::endNode,   // far end: downstream
        [](HxDbWtPipeNode& node, int edge) { node.outEdge = edge; },
        true,  // edgesOnly
        false, // acceptOpenEnds
    };
    return Walk(*this, &HxDbWtPipeGraph::EntIsPipe, policy);
}
