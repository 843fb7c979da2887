// The gravity builders: flow runs toward the root (the outlet). The network
// builder walks upstream from the outlet; the path builder orients one path
// from its first node to its last. Both refuse a network with a loop before
// writing anything.
#include "HxDbWtPipeGraph.h"

#include "graph/PipeGraphWalk.h"

using namespace HxWtPipeGraphWalk;

// The root must have a node (CreateGraph checks it before calling). The walk
// runs upstream from the outlet; with withOutNode a pipe that reaches no node
// upstream is an open end.
int HxDbWtPipeGraph::CreateGravityRelateGraph() {
    if (HasLoop())
        return 0;
    return Walk(*this, &HxDbWtPipeGraph::EntIsPipe, Builder::kGravity);
}

// The root must have a node (CreateGraph checks it before calling). The walk
// runs down the path from its first node.
int HxDbWtPipeGraph::CreateGravityRelateGraphPath() {
    if (HasLoop())
        return 0;
    return Walk(*this, &HxDbWtPipeGraph::EntIsPipe, Builder::kGravityPath);
}
