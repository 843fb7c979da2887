// Building the pipe network graph of a drawing from a picked pipe (or well)
// and point: the one path that network, export and report all take, so that
// they accept the same picks and explain a failed graph the same way.
#pragma once

#include <string>

#include "GraphView.h"
#include "HxDbWtPipeGraph.h"
#include "StepClock.h"

namespace hxwt {

// The times of the two steps of buildNetwork and of their parts.
struct NetworkTimings {
    StepTime read;     // reading the drawing and resolving the pick
    StepTime drawing;  //   of which reading the drawing
    StepTime build;    // building the graph and its snapshot
    StepTime graph;    //   of which CreateGraph
    StepTime links;    //   of which linking the gulley pipes
    StepTime snapshot; //   of which the snapshot and its diagnosis
};

struct NetworkRequest {
    std::string file; // the DXF drawing
    std::string pick; // hex handle of the picked pipe or well
    std::string at;   // the picked point "X,Y" (metres as drawn); only for a pipe
    bool pressure = false;
    bool withoutNode = false;
    NetworkTimings* timings = nullptr; // filled when not null
};

// Notes the drawing as an input, reads it into the current document and
// builds graph from the pick (gulley pipes linked on success). Returns
// kExitOk when CreateGraph ran, whatever its answer, with view the snapshot
// (its diagnosis filled on failure); kExitUsage, with the message printed on
// stderr, for a malformed point, a drawing that does not read, an unknown
// handle, a pipe picked without --at or a well picked with it.
int buildNetwork(const NetworkRequest& request, HxDbWtPipeGraph& graph, GraphView& view);

// Prints on stderr why the graph was not built: the product's status message,
// then the diagnosis naming the file.
void printGraphFailure(const GraphView& view);

} // namespace hxwt
