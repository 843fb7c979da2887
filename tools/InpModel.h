// InpModel: a hydraulic model's network as the tool carries it between the
// input files of EPANET and SWMM and drawings: nodes with a place and an
// elevation, links between two nodes. Values are held in SI units (metres,
// square metres), whatever units the file used; the file's line of each
// element is kept so that every message can name it.
#pragma once

#include <string>
#include <vector>

namespace hxwt {

enum class InpFormat { Epanet, Swmm };

// The node kinds of both formats, by the section that defines them.
enum class NodeKind { Junction, Reservoir, Tank, Outfall, Storage, Divider };

// The link kinds of both formats, by the section that defines them.
enum class LinkKind { Pipe, Pump, Valve, Conduit, Orifice, Weir, Outlet };

struct InpNode {
    std::string id;
    NodeKind kind = NodeKind::Junction;
    // EPANET: a junction's or tank's elevation, a reservoir's head. SWMM: the
    // invert elevation. Metres.
    double elevation = 0.0;
    // SWMM: the maximum depth; a tank: its maximum level. Metres.
    double depth = 0.0;
    // A tank's or storage unit's plan area, square metres (0 when unknown).
    double area = 0.0;
    // EPANET: a junction's base demand in the file's flow units.
    double demand = 0.0;
    bool hasPlace = false;
    double x = 0.0, y = 0.0; // as the file gives them
    int line = 0;            // where the node is defined (0: not from a file)
    std::string handle;      // the drawing's handle, when written from one
};

struct InpLink {
    std::string id;
    LinkKind kind = LinkKind::Pipe;
    std::string from, to;  // node ids; SWMM: upstream, downstream
    double length = 0.0;   // metres
    double diameter = 0.0; // metres; a non-circular section's full height
    double roughness = 0.0;
    // SWMM: heights of the link's ends above the invert of their nodes.
    double inOffset = 0.0, outOffset = 0.0;
    std::string shape; // SWMM: the cross-section's shape
    int line = 0;
    std::string handle;
};

struct InpModel {
    InpFormat format = InpFormat::Epanet;
    std::string title;
    std::string flowUnits; // as the file states them (LPS, GPM, CMS ...)
    std::string headloss;  // EPANET: H-W, D-W or C-M
    std::vector<InpNode> nodes;
    std::vector<InpLink> links;
};

// The names the files use for the kinds ("JUNCTION", "CONDUIT" ...).
const char* nodeKindName(NodeKind kind);
const char* linkKindName(LinkKind kind);

// The index of the node with that id, -1 when none.
int findNode(const InpModel& model, const std::string& id);

} // namespace hxwt
