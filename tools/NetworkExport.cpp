// The hydraulic model of a built pipe network graph.
#include "NetworkExport.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <unordered_set>

#include "HxWtDbObject.h"
#include "HxWtPointElevIndex.h"
#include "InpText.h"
#include "ToolText.h"

namespace hxwt {
namespace {

// The entity's named field, "" when it has none or does not open.
std::string entityField(AcDbObjectId id, const wchar_t* name) {
    AcDbObjectPointer<HxDbEntity> entity(id, AcDb::kForRead);
    CString value;
    if (entity.openStatus() != Acad::eOk || !entity->Fields().GetField(name, value))
        return {};
    return toUtf8(std::wstring(static_cast<const wchar_t*>(value)));
}

// The graph's records in list order, beside the view's indices.
struct GraphRecords {
    std::vector<HxDbWtPipeNode*> nodes;
    std::vector<HxDbWtPipeEdge*> edges;
    explicit GraphRecords(HxDbWtPipeGraph& graph) {
        for (auto** p = graph.nodes.FirstPos(); p != nullptr; p = graph.nodes.NextPos(p))
            nodes.push_back(*p);
        for (auto** p = graph.edges.FirstPos(); p != nullptr; p = graph.edges.NextPos(p))
            edges.push_back(*p);
    }
};

// Builds the model of one graph for one format.
class Exporter {
public:
    Exporter(HxDbWtPipeGraph& graph, const GraphView& view, const ExportSettings& settings,
             InpModel& model, std::vector<std::string>& notes)
        : m_records(graph), m_view(view), m_settings(settings), m_model(model), m_notes(notes) {}

    bool run(std::string* error) {
        m_model.format = m_view.type == "pressure" ? InpFormat::Epanet : InpFormat::Swmm;
        m_model.title = m_settings.title;
        m_model.flowUnits = m_settings.flowUnits;
        m_model.headloss = m_settings.headloss;
        if (!findEnds(error))
            return false;
        addNodes();
        addLinks();
        noteLeftOut();
        return true;
    }

private:
    // The two end nodes of each edge: the graph's orientation, else (loops)
    // the nodes that list the edge, the one at the pipe's drawn start first.
    // A pipe without a diameter cannot be written.
    bool findEnds(std::string* error) {
        m_ends.assign(m_view.edges.size(), {-1, -1});
        std::vector<std::vector<int>> linked(m_view.edges.size());
        for (const NodeView& n : m_view.nodes)
            for (int e : n.links)
                if (e >= 0 && e < static_cast<int>(linked.size()))
                    linked[static_cast<size_t>(e)].push_back(n.index);
        for (const EdgeView& e : m_view.edges) {
            if (e.diameter <= 0) {
                *error = "pipe " + e.handle + " has no diameter";
                return false;
            }
            auto& ends = m_ends[static_cast<size_t>(e.index)];
            ends = {e.startNode, e.endNode};
            const auto& l = linked[static_cast<size_t>(e.index)];
            if ((ends.first < 0 || ends.second < 0) && l.size() == 2) {
                const bool swap = distanceToStart(e, l[1]) < distanceToStart(e, l[0]);
                ends = swap ? std::make_pair(l[1], l[0]) : std::make_pair(l[0], l[1]);
            }
            if (ends.first < 0 || ends.second < 0) {
                *error = "pipe " + e.handle + " has no node at one of its ends";
                return false;
            }
        }
        return true;
    }

    double distanceToStart(const EdgeView& e, int node) const {
        const NodeView& n = m_view.nodes[static_cast<size_t>(node)];
        return std::hypot(n.x - e.x1, n.y - e.y1);
    }

    void addNodes() {
        const bool pressure = m_model.format == InpFormat::Epanet;
        std::unique_ptr<HxWtPointElevIndex> ground;
        if (pressure) {
            HxWtPointElevUtility utility;
            ground = std::make_unique<HxWtPointElevIndex>(utility);
            if (ground->SampleCount() == 0)
                m_notes.push_back("no elevation samples in the drawing: node elevations "
                                  "written as 0");
        }
        for (const NodeView& v : m_view.nodes) {
            InpNode n;
            n.handle = v.handle;
            n.id = fileId(v.name, v.kind == "pool" ? "R" : "J", v.handle, m_nodeIds);
            n.x = v.x;
            n.y = v.y;
            n.hasPlace = true;
            if (pressure)
                pressureNode(v, *ground, n);
            else
                gravityNode(v, n);
            m_model.nodes.push_back(n);
        }
    }

    void pressureNode(const NodeView& v, HxWtPointElevIndex& ground, InpNode& n) {
        const double unit = metresPerUnit();
        ground.GetPointElevation(AcGePoint3d(v.x / unit, v.y / unit, 0.0), n.elevation);
        const HxDbWtPipeNode& record = *m_records.nodes[static_cast<size_t>(v.index)];
        if (v.handle == m_view.root) {
            n.kind = NodeKind::Reservoir;
            n.elevation += m_settings.sourceHead;
            if (v.kind != "pool")
                m_notes.push_back("the source, well " + v.handle + ", is written as a reservoir");
        } else if (v.kind == "pool" && entityField(record.entityId, L"Kind") == "RESERVOIR") {
            n.kind = NodeKind::Reservoir;
        } else if (v.kind == "pool") {
            n.kind = NodeKind::Tank;
            n.depth = record.poolDeepness / 1000.0;
            n.area = record.poolLength * record.poolWidth / 1.0e6;
            if (n.depth <= 0.0 || n.area <= 0.0) {
                n.depth = n.depth > 0.0 ? n.depth : 1.0;
                n.area = n.area > 0.0 ? n.area : 1.0;
                m_notes.push_back("pool " + v.handle +
                                  " has no depth or size: written as a tank of 1 m");
            }
        } else {
            n.kind = NodeKind::Junction;
            n.demand = m_settings.demand;
        }
    }

    void gravityNode(const NodeView& v, InpNode& n) {
        const HxDbWtPipeNode& record = *m_records.nodes[static_cast<size_t>(v.index)];
        const double depth = (v.kind == "pool" ? record.poolDeepness : record.wellDeepness) / 1e3;
        const double rim = v.z;
        double invert = lowestPipe(v.index);
        if (depth > 0.0)
            invert = std::min(invert, rim - depth);
        if (!std::isfinite(invert))
            invert = rim - depth;
        n.elevation = invert;
        n.depth = std::max(0.0, rim - invert);
        n.kind = v.handle == m_view.root ? NodeKind::Outfall
                 : v.kind == "pool"      ? NodeKind::Storage
                                         : NodeKind::Junction;
        if (n.kind == NodeKind::Storage)
            n.area = record.poolLength * record.poolWidth / 1.0e6;
    }

    // The lowest pipe height at the node, +inf when no edge meets it.
    double lowestPipe(int node) const {
        double low = std::numeric_limits<double>::infinity();
        for (const EdgeView& e : m_view.edges) {
            const auto& ends = m_ends[static_cast<size_t>(e.index)];
            if (ends.first == node)
                low = std::min(low, e.upriver);
            if (ends.second == node)
                low = std::min(low, e.downriver);
        }
        return low;
    }

    void addLinks() {
        const bool pressure = m_model.format == InpFormat::Epanet;
        for (const EdgeView& e : m_view.edges) {
            const HxDbWtPipeEdge& record = *m_records.edges[static_cast<size_t>(e.index)];
            InpLink l;
            l.handle = e.handle;
            l.id = fileId(entityField(record.pipeId, L"Id"), "P", e.handle, m_linkIds);
            l.kind = pressure ? LinkKind::Pipe : LinkKind::Conduit;
            const auto& ends = m_ends[static_cast<size_t>(e.index)];
            const InpNode& from = m_model.nodes[static_cast<size_t>(ends.first)];
            const InpNode& to = m_model.nodes[static_cast<size_t>(ends.second)];
            l.from = from.id;
            l.to = to.id;
            l.length = e.length;
            l.diameter = e.diameter / 1000.0;
            l.roughness = pressure ? m_settings.roughness : m_settings.manning;
            if (!pressure) {
                l.inOffset = std::max(0.0, e.upriver - from.elevation);
                l.outOffset = std::max(0.0, e.downriver - to.elevation);
            }
            const std::string kind = entityField(record.pipeId, L"Kind");
            if (!kind.empty() && kind != "PIPE" && kind != "CONDUIT")
                ++m_changedKinds[kind];
            m_model.links.push_back(l);
        }
    }

    void noteLeftOut() {
        for (const auto& [kind, count] : m_changedKinds)
            m_notes.push_back(std::to_string(count) + " pipe(s) drawn from a " + kind +
                              " written as " +
                              (m_model.format == InpFormat::Epanet ? "pipes" : "conduits"));
        size_t gulleys = 0;
        for (const NodeView& n : m_view.nodes)
            gulleys += n.gulleys.size();
        if (gulleys > 0)
            m_notes.push_back(std::to_string(gulleys) +
                              " gulley pipe(s) are not network pipes: not written");
    }

    GraphRecords m_records;
    const GraphView& m_view;
    const ExportSettings& m_settings;
    InpModel& m_model;
    std::vector<std::string>& m_notes;
    std::vector<std::pair<int, int>> m_ends;
    std::unordered_set<std::string> m_nodeIds, m_linkIds;
    std::map<std::string, int> m_changedKinds;
};

} // namespace

bool modelFromGraph(HxDbWtPipeGraph& graph, const GraphView& view, const ExportSettings& settings,
                    InpModel& model, std::vector<std::string>& notes, std::string* error) {
    return Exporter(graph, view, settings, model, notes).run(error);
}

} // namespace hxwt
