// The hydraulic model of a built pipe network graph: its nodes and edges as
// the nodes and links of an EPANET (pressure) or SWMM (gravity) model, with
// ids the files accept, traceable to the drawing's handles.
//
// Pressure: the root is the source, a reservoir whose head is its ground
// level plus the source head; other pools are tanks (reservoirs when their
// field Kind says so, as imported ones do), wells junctions; ground
// levels come from the drawing's elevation samples (0 without any). Pipes
// run from the graph's start node to its end node; in a network with loops,
// from the node at the pipe's drawn start.
// Gravity: the root is the outfall, other pools storage units, wells
// junctions; a node's invert is the lowest pipe height at it, or its rim (z)
// less its depth where that is lower; offsets are the pipes' heights above
// the inverts of their ends; conduits run downstream.
#pragma once

#include <string>
#include <vector>

#include "GraphView.h"
#include "HxDbWtPipeGraph.h"
#include "InpModel.h"

namespace hxwt {

struct ExportSettings {
    std::string flowUnits;        // as the file states them
    std::string headloss = "H-W"; // EPANET only
    double roughness = 130.0;     // EPANET pipes
    double manning = 0.013;       // SWMM conduits
    double demand = 0.0;          // EPANET junctions, in the flow units
    double sourceHead = 0.0;      // metres above the source's ground level
    std::string title;
};

// The model of graph (built with status 0) and its view. Findings the user
// should know of (a well as the source, no elevation samples, gulley pipes
// left out) are appended to notes. False, with the reason in *error, when an
// edge lacks a node at one of its ends.
bool modelFromGraph(HxDbWtPipeGraph& graph, const GraphView& view, const ExportSettings& settings,
                    InpModel& model, std::vector<std::string>& notes, std::string* error);

} // namespace hxwt
