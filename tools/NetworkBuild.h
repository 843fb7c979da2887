// Building the pipe network graph of a drawing from a picked pipe (or well)
// and point, as hxwt network does and the commands that write the network
// elsewhere reuse.
#pragma once

#include <string>

#include "HxDbWtPipeGraph.h"

namespace hxwt {

struct NetworkRequest {
    std::string file; // the DXF drawing
    std::string pick; // hex handle of the picked pipe or well
    std::string at;   // the picked point "X,Y"
    bool pressure = false;
    bool withoutNode = false;
};

// Reads the drawing into the current document and builds graph from the pick
// (gulley pipes linked on success); *status is CreateGraph's answer. Returns
// 0 when the graph was built, whatever its status, and 2, with the message
// printed on stderr, for a bad point, a drawing that does not read or an
// unknown handle.
int buildNetwork(const NetworkRequest& request, HxDbWtPipeGraph& graph, int* status);

} // namespace hxwt
