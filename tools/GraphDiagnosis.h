// GraphDiagnosis: the English line that follows the product's own status
// message when CreateGraph fails: what the status means in this drawing
// (which pipe closes the loop, which pipe reached no node and why, which end
// met no well) and what to do about it.
#pragma once

#include <string>

#include "HxDbWtPipeGraph.h"

namespace hxwt {

// What CreateGraph asked for: a picked entity and point (network), or two
// entities (path).
struct GraphRequest {
    AcDbObjectId picked;
    AcDbObjectId to; // null for the picked-entity form
    AcGePoint3d at;
};

// The explanation of status for graph after the failed CreateGraph; empty for
// success. Opens entities of the current drawing for read (and closes them)
// and may collect the network again; the graph itself is not changed.
std::string diagnoseGraph(HxDbWtPipeGraph& graph, int status, const GraphRequest& request);

} // namespace hxwt
