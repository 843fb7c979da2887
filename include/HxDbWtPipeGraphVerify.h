// Verification hook of the pipe network graph: switches a graph's lookups
// between the id index (the default) and a plain scan of the lists from the
// front. Both give the same answers; the scan exists to check the index
// against it and to time the two. Not part of the umbrella header.
#pragma once

#include "HxDbWtPipeGraph.h"

// Makes graph's FindNodeIndex, FindEdgeIndex, FindNode and FindEdge (and so
// every operation that uses them) scan the lists (true) or use the index
// (false). Copies of a graph take the mode along.
HXWTUTILITY_API void HxWtSetPipeGraphLiteralLookup(HxDbWtPipeGraph& graph, bool literal);
HXWTUTILITY_API bool HxWtIsPipeGraphLiteralLookup(const HxDbWtPipeGraph& graph);
