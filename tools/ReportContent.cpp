// The texts and tables of a network report, from the graph's snapshot.
#include "ReportWriter.h"

#include <cstdio>

namespace hxwt {
namespace {

std::string fixed(double value, int decimals) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

ReportRows pipeTable(const GraphView& view, bool gravity) {
    ReportRows t;
    t.push_back({"Pipe", "From", "To", "DN (mm)", "Length (m)"});
    if (gravity)
        t[0].insert(t[0].end(), {"Up (m)", "Down (m)", "Slope (‰)"});
    for (const EdgeView& e : view.edges) {
        std::vector<std::string> row = {e.handle, nodeLabel(view, e.startNode),
                                        nodeLabel(view, e.endNode), std::to_string(e.diameter),
                                        fixed(e.length, 2)};
        if (gravity) {
            const double run = e.length2d;
            row.push_back(fixed(e.upriver, 3));
            row.push_back(fixed(e.downriver, 3));
            row.push_back(run > 0 ? fixed((e.upriver - e.downriver) / run * 1000.0, 2) : "-");
        }
        t.push_back(row);
    }
    return t;
}

ReportRows nodeTable(const GraphView& view, const std::vector<double>& ground) {
    ReportRows t;
    t.push_back({"Node", "Kind", "Handle", "X", "Y"});
    if (!ground.empty())
        t[0].push_back("Ground (m)");
    for (const NodeView& n : view.nodes) {
        std::vector<std::string> row = {nodeLabel(view, n.index), n.kind, n.handle, fixed(n.x, 3),
                                        fixed(n.y, 3)};
        if (!ground.empty())
            row.push_back(fixed(ground[size_t(n.index)], 3));
        t.push_back(row);
    }
    return t;
}

} // namespace

ReportContent reportContent(const GraphView& view, const std::string& drawing,
                            const std::string& date, const std::vector<double>& ground) {
    const bool gravity = view.type == "gravity";
    ReportContent c;
    c.title = gravity ? "Gravity network report" : "Pressure network report";
    c.drawing = drawing;
    c.date = date;
    c.counts = view.type + " network, root " + view.root + ", " +
               std::to_string(view.nodes.size()) + " wells and pools, " +
               std::to_string(view.edges.size()) + " pipes";
    c.pipes = pipeTable(view, gravity);
    c.nodes = nodeTable(view, ground);
    return c;
}

} // namespace hxwt
