// The breadth-first walk that gives a loop-free network its direction of
// flow, shared by the pressure builder, the gravity builder and the gravity
// path builder. Module-internal.
//
// The walk starts at the graph's rootId and meets the pipes of every node it
// pops in connection order. A pipe met for the first time is oriented away
// from the root: its near end is the node it was met from, its far end the
// new node(s) beyond it, which are queued. A pipe met a second time is the
// rootward pipe of the node it is met from. A WalkPolicy says which fields
// carry these facts for a builder and which of the builders' rules apply.
//
// The walk writes only node and edge fields named by the policy; it clears
// nothing, so it expects freshly loaded nodes and edges. Its queue and
// visited marks live for one call. Cost: one connection list per visited node
// and per newly met pipe, one lookup per met pipe and far node, a byte per
// node and per edge for the marks (no other allocation per node).
#pragma once

#include "HxDbWtPipeGraph.h"

namespace HxWtPipeGraphWalk {

struct WalkPolicy {
    // Node field set to -1 at the root and to the edge index of a pipe met
    // a second time (the pipe toward the root).
    int HxDbWtPipeNode::*rootward;
    // Edge fields taking the node a pipe was met from and the node beyond it.
    int HxDbWtPipeEdge::*nearEnd;
    int HxDbWtPipeEdge::*farEnd;
    // Records a newly met edge (its index) at the node it was met from.
    void (*record)(HxDbWtPipeNode& node, int edge);
    // Connected ids that are not edges of the graph are skipped before they
    // count as met.
    bool edgesOnly;
    // A pipe whose far end reaches no new node is kept as an open end (far
    // end -1) instead of failing the walk.
    bool acceptOpenEnds;
};

// The graph's own test for a pipe entity (non-zero: a pipe).
using IsPipeFn = int (HxDbWtPipeGraph::*)(AcDbObjectId);

// Walks the graph from its rootId as described above. Returns 1 when the
// queue runs empty, 0 at once when a newly met edge with a base record
// reaches no new node (unless the policy accepts open ends); what was written
// until then stays. The root must have a node (CreateGraph checks it); a root
// without a base record only gets its rootward field set to -1.
int Walk(HxDbWtPipeGraph& graph, IsPipeFn isPipe, const WalkPolicy& policy);

} // namespace HxWtPipeGraphWalk
