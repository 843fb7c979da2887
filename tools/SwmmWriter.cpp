// The SWMM input file of a model.
#include "SwmmWriter.h"

#include <set>

#include "InpText.h"

namespace hxwt {
namespace {

std::string metres(double v) {
    return inpNumber(v, 3);
}

} // namespace

bool isSwmmMetricUnits(const std::string& units) {
    static const std::set<std::string> metric = {"CMS", "LPS", "MLD"};
    return metric.count(units) != 0;
}

std::string writeSwmm(const InpModel& model) {
    InpSection junctions(
        "JUNCTIONS", {"Name", "Elevation", "MaxDepth", "InitDepth", "SurDepth", "Aponded"}, ";;");
    InpSection outfalls("OUTFALLS", {"Name", "Elevation", "Type", "Gated"}, ";;");
    InpSection storage(
        "STORAGE",
        {"Name", "Elev", "MaxDepth", "InitDepth", "Shape", "A", "B", "C", "SurDepth", "Fevap"},
        ";;");
    InpSection conduits("CONDUITS",
                        {"Name", "From", "To", "Length", "Roughness", "InOffset", "OutOffset",
                         "InitFlow", "MaxFlow"},
                        ";;");
    InpSection sections("XSECTIONS",
                        {"Link", "Shape", "Geom1", "Geom2", "Geom3", "Geom4", "Barrels"}, ";;");
    InpSection places("COORDINATES", {"Node", "X-Coord", "Y-Coord"}, ";;");
    for (const InpNode& n : model.nodes) {
        if (n.kind == NodeKind::Outfall)
            outfalls.add({n.id, metres(n.elevation), "FREE", "NO"}, n.handle);
        else if (n.kind == NodeKind::Storage)
            storage.add({n.id, metres(n.elevation), metres(n.depth), "0", "FUNCTIONAL", "0", "0",
                         inpNumber(n.area, 3), "0", "0"},
                        n.handle);
        else
            junctions.add({n.id, metres(n.elevation), metres(n.depth), "0", "0", "0"}, n.handle);
        places.add({n.id, inpNumber(n.x, 6), inpNumber(n.y, 6)});
    }
    for (const InpLink& l : model.links) {
        conduits.add({l.id, l.from, l.to, metres(l.length), inpNumber(l.roughness, 4),
                      metres(l.inOffset), metres(l.outOffset), "0", "0"},
                     l.handle);
        sections.add({l.id, "CIRCULAR", inpNumber(l.diameter, 4), "0", "0", "0", "1"});
    }
    InpSection options("OPTIONS", {"Option", "Value"}, ";;");
    options.add({"FLOW_UNITS", model.flowUnits});
    options.add({"FLOW_ROUTING", "DYNWAVE"});
    options.add({"LINK_OFFSETS", "DEPTH"});
    std::string out = "[TITLE]\n;;Project Title/Notes\n" + model.title + "\n\n";
    out += options.text() + junctions.text() + outfalls.text() + storage.text();
    out += conduits.text() + sections.text() + places.text();
    return out;
}

} // namespace hxwt
