// GraphView: a plain snapshot of a built HxDbWtPipeGraph in the terms the
// tool prints (handles as text, kinds by name, relations as index lists), so
// that the table, the JSON and the drawing all say the same thing.
//
// Units, the same in every output: positions, heights, depths and lengths in
// metres (plan positions converted from the drawing's unit), diameters in
// millimetres. Taking the snapshot opens each node's well or pool and each
// edge's pipe for read (and closes them) to get their plan size and end
// points; entities that do not open keep zero sizes and no end points.
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
    double x = 0.0, y = 0.0, z = 0.0; // metres
    double sizeX = 0.0, sizeY = 0.0;  // plan size, metres
    std::vector<int> in;              // edges bringing flow in
    std::vector<int> out;             // edges taking flow away
    std::vector<int> links;           // undirected links (pressure loops)
    std::vector<std::string> gulleys; // handles of the gulley pipes
};

struct EdgeView {
    int index = -1;
    std::string handle;
    int startNode = -1, endNode = -1;
    std::vector<int> joins;                  // the two nodes an undirected link joins
    int diameter = 0;                        // millimetres
    double length = 0.0, length2d = 0.0;     // metres
    double upriver = 0.0, downriver = 0.0;   // metres, at the pipe's start and end as drawn
    double fromHeight = 0.0, toHeight = 0.0; // metres, at the start node's and end node's side
    double slope = 0.0;                      // fall from startNode to endNode per metre of plan
    bool drawn = false;                      // the pipe opened: the ends below are known
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0; // the pipe as drawn, metres
};

struct GraphView {
    std::string file; // the drawing
    int status = 0;
    std::string message;   // the status message as PrintErrorCode prints it
    std::string diagnosis; // on failure: what went wrong and what to do (English)
    std::string type;      // "gravity" or "pressure"
    std::string root;      // handle of the root ("" when none)
    std::vector<NodeView> nodes;
    std::vector<EdgeView> edges;
    bool isPath = false;
    std::vector<int> pathNodes; // node indices in path order
    std::vector<int> pathEdges; // edge indices in path order
};

// The snapshot of graph after CreateGraph returned status, from the drawing
// file. The message is what PrintErrorCode prints for the status (read from
// the captured command line, which is cleared before and after). A failed
// graph gives no nodes and no edges.
GraphView makeGraphView(HxDbWtPipeGraph& graph, int status, const std::string& file);

// Metres per drawing unit of the current drawing (1 for a drawing in metres,
// 0.001 for one in millimetres): a view's plan position divided by it is the
// position as drawn.
double metresPerUnit();

// The node's label: its name, else "#INDEX"; "-" for no node.
std::string nodeLabel(const GraphView& view, int index);

// The edges of a built gravity network whose heights say the water runs
// against the computed flow (from the start node up to the end node).
std::vector<int> uphillEdges(const GraphView& view);

} // namespace hxwt
