// GraphView: a plain snapshot of a built HxDbWtPipeGraph in the terms the
// tool prints (handles as text, kinds by name, relations as index lists), so
// that the table, the JSON and the drawing all say the same thing.
//
// Taking the snapshot opens each node's well or pool and each edge's pipe for
// read (and closes them) to get their plan size and end points; entities that
// do not open keep zero sizes and the node location for both ends.
#pragma once

#include <string>
#include <vector>

#include "HxDbWtPipeGraph.h"

namespace hxwt {

struct NodeView {
    int index = -1;
    std::string handle;
    std::string kind;                 // "well", "pool" or "other"
    std::string name;                 // well prefix + index; a pool's name
    double x = 0.0, y = 0.0, z = 0.0; // x, y as drawn, z in millimetres
    double sizeX = 0.0, sizeY = 0.0;  // plan size in drawing units
    std::vector<int> in;              // edges bringing flow in
    std::vector<int> out;             // edges taking flow away
    std::vector<int> links;           // undirected links (pressure loops)
    std::vector<std::string> gulleys; // handles of the gulley pipes
};

struct EdgeView {
    int index = -1;
    std::string handle;
    int startNode = -1, endNode = -1;
    int diameter = 0;                              // millimetres
    double length = 0.0, length2d = 0.0;           // millimetres
    double upriver = 0.0, downriver = 0.0;         // metres
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0; // the pipe as drawn
};

struct GraphView {
    int status = 0;
    std::string message; // the status message, empty on success
    std::string type;    // "gravity" or "pressure"
    std::string root;    // handle of the root ("" when none)
    std::vector<NodeView> nodes;
    std::vector<EdgeView> edges;
    bool isPath = false;
    std::vector<int> pathNodes; // node indices in path order
    std::vector<int> pathEdges; // edge indices in path order
};

// The snapshot of graph after CreateGraph returned status. The message is what
// PrintErrorCode prints for the status (read from the captured command line,
// which is cleared before and after).
GraphView makeGraphView(HxDbWtPipeGraph& graph, int status);

// The node's label: its name, else "#INDEX".
std::string nodeLabel(const GraphView& view, int index);

} // namespace hxwt
