// The EPANET input file of a model.
#include "EpanetWriter.h"

#include <cmath>
#include <set>

#include "InpText.h"

namespace hxwt {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::string metres(double v) {
    return inpNumber(v, 3);
}

void addNode(const InpNode& n, InpSection& junctions, InpSection& reservoirs, InpSection& tanks) {
    if (n.kind == NodeKind::Reservoir) {
        reservoirs.add({n.id, metres(n.elevation)}, n.handle);
    } else if (n.kind == NodeKind::Tank) {
        const double diameter = std::sqrt(4.0 * n.area / kPi);
        tanks.add({n.id, metres(n.elevation), metres(n.depth), "0", metres(n.depth),
                   metres(diameter), "0"},
                  n.handle);
    } else {
        junctions.add({n.id, metres(n.elevation), inpNumber(n.demand, 4)}, n.handle);
    }
}

} // namespace

bool isEpanetMetricUnits(const std::string& units) {
    static const std::set<std::string> metric = {"LPS", "LPM", "MLD", "CMH", "CMD"};
    return metric.count(units) != 0;
}

std::string writeEpanet(const InpModel& model) {
    InpSection junctions("JUNCTIONS", {"ID", "Elev", "Demand", "Pattern"});
    InpSection reservoirs("RESERVOIRS", {"ID", "Head", "Pattern"});
    InpSection tanks("TANKS", {"ID", "Elevation", "InitLevel", "MinLevel", "MaxLevel", "Diameter",
                               "MinVol", "VolCurve"});
    InpSection pipes("PIPES", {"ID", "Node1", "Node2", "Length", "Diameter", "Roughness",
                               "MinorLoss", "Status"});
    InpSection places("COORDINATES", {"Node", "X-Coord", "Y-Coord"});
    for (const InpNode& n : model.nodes) {
        addNode(n, junctions, reservoirs, tanks);
        places.add({n.id, inpNumber(n.x, 6), inpNumber(n.y, 6)});
    }
    for (const InpLink& l : model.links)
        pipes.add({l.id, l.from, l.to, metres(l.length), inpNumber(l.diameter * 1000.0, 1),
                   inpNumber(l.roughness, 4), "0", "Open"},
                  l.handle);
    InpSection options("OPTIONS", {"Option", "Value"});
    options.add({"Units", model.flowUnits});
    options.add({"Headloss", model.headloss});
    std::string out = "[TITLE]\n" + model.title + "\n\n";
    out += junctions.text() + reservoirs.text() + tanks.text() + pipes.text();
    out += options.text() + places.text() + "[END]\n";
    return out;
}

} // namespace hxwt
