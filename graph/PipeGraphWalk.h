// The breadth-first walk that gives a loop-free network its direction of
// flow, shared by the pressure builder, the gravity builder and the gravity
// path builder. Module-internal.
//
// The walk starts at the graph's rootId and meets the pipes of every node it
// pops in connection order. A pipe met for the first time is oriented away
// from the root: its near end is the node it was met from, its far end the
// new node(s) beyond it, which are queued. A pipe met a second time is the
// rootward pipe of the node it is met from. Which fields carry these facts
// and which of the builders' rules apply is one row per builder of the table
// next to the walker (PipeGraphWalk.cpp).
//
// The walk writes only node and edge fields named by the builder's row; it
// clears nothing, so it expects freshly loaded nodes and edges. Its queue and
// visited marks live for one call. Cost: one connection list per visited node
// and per newly met pipe, one lookup per met pipe and far node, a byte per
// node and per edge for the marks (no other allocation per node).
#pragma once

#include "HxDbWtPipeGraph.h"

namespace HxWtPipeGraphWalk {

// The builders that orient a network by the walk, one row each in the table.
enum class Builder {
    kPressure,    // downstream from the source
    kGravity,     // upstream from the outlet
    kGravityPath, // along a path from its first node
};

// The graph's own test for a pipe entity (non-zero: a pipe).
using IsPipeFn = int (HxDbWtPipeGraph::*)(AcDbObjectId);

// Walks the graph from its rootId as described above. Returns 1 when the
// queue runs empty, 0 at once when a newly met edge with a base record
// reaches no new node (unless the builder accepts open ends); what was written
// until then stays. The root must have a node (CreateGraph checks it); a root
// without a base record only gets its rootward field set to -1.
int Walk(HxDbWtPipeGraph& graph, IsPipeFn isPipe, Builder builder);

} // namespace HxWtPipeGraphWalk
