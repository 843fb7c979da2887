// The snapshot of a built graph that the tool prints and draws.
#include "GraphView.h"

#include <algorithm>
#include <cmath>

#include "DrawingLoad.h"
#include "HxWtDbObject.h"
#include "ToolText.h"
#include "hxhost/Session.h"

namespace hxwt {
namespace {

std::vector<int> toVector(HxDList<int>& list) {
    std::vector<int> out;
    for (int* p = list.FirstPos(); p != nullptr; p = list.NextPos(p))
        out.push_back(*p);
    return out;
}

void addOnce(std::vector<int>& list, int value) {
    if (value >= 0 && std::find(list.begin(), list.end(), value) == list.end())
        list.push_back(value);
}

std::string statusMessage(HxDbWtPipeGraph& graph, int status) {
    hxhost::clearCommandLine();
    graph.PrintErrorCode(status);
    std::string text = toUtf8(hxhost::commandLine());
    hxhost::clearCommandLine();
    text.erase(0, text.find_first_not_of('\n'));
    return text;
}

} // namespace

double metresPerUnit() {
    return HxDbGetDrawUnit(currentDatabase()) != 0 ? 1.0 : 0.001;
}

namespace {

// Plan size of the node's entity in metres.
void readNodeSize(AcDbObjectId id, double unit, NodeView& view) {
    AcDbObjectPointer<HxDbWtWell> well(id, AcDb::kForRead);
    if (well.openStatus() == Acad::eOk) {
        view.sizeX = view.sizeY = well->GetWellDiameter() * unit;
        return;
    }
    AcDbObjectPointer<HxDbWtPool> pool(id, AcDb::kForRead);
    if (pool.openStatus() == Acad::eOk) {
        view.sizeX = pool->GetPoolLength() * unit;
        view.sizeY = pool->GetPoolWidth() * unit;
    }
}

NodeView makeNode(HxDbWtPipeNode& node, int index, double unit) {
    NodeView view;
    view.index = index;
    view.handle = handleText(node.entityId);
    view.kind = node.kind == 1 ? "well" : node.kind == 2 ? "pool" : "other";
    view.name = toUtf8(std::wstring(static_cast<const wchar_t*>(node.prefix)));
    if (node.kind == 1)
        view.name += toUtf8(std::wstring(static_cast<const wchar_t*>(node.wellIndex)));
    view.x = node.location.x * unit;
    view.y = node.location.y * unit;
    view.z = node.location.z / 1000.0;
    readNodeSize(node.entityId, unit, view);
    view.in = toVector(node.inEdges);
    addOnce(view.in, node.inEdge);
    addOnce(view.out, node.outEdge);
    for (int e : toVector(node.outEdges))
        addOnce(view.out, e);
    view.links = toVector(node.linkEdges);
    for (AcDbObjectId* p = node.gulleyPipes.FirstPos(); p != nullptr;
         p = node.gulleyPipes.NextPos(p))
        view.gulleys.push_back(handleText(*p));
    return view;
}

EdgeView makeEdge(HxDbWtPipeEdge& edge, int index, double unit) {
    EdgeView view;
    view.index = index;
    view.handle = handleText(edge.pipeId);
    view.startNode = edge.startNode;
    view.endNode = edge.endNode;
    view.diameter = edge.diameter;
    view.length = edge.length / 1000.0;
    view.length2d = edge.length2d / 1000.0;
    view.upriver = edge.upriverHeight;
    view.downriver = edge.downriverHeight;
    AcDbObjectPointer<HxDbWtPipe> pipe(edge.pipeId, AcDb::kForRead);
    if (pipe.openStatus() == Acad::eOk) {
        view.drawn = true;
        view.x1 = pipe->GetStartPoint().x * unit;
        view.y1 = pipe->GetStartPoint().y * unit;
        view.x2 = pipe->GetEndPoint().x * unit;
        view.y2 = pipe->GetEndPoint().y * unit;
    }
    return view;
}

// The nodes whose link lists hold each edge (undirected pressure loops), the
// one at the pipe's start as drawn first.
void fillJoins(GraphView& view) {
    for (const NodeView& node : view.nodes) {
        for (int e : node.links) {
            if (e >= 0 && e < static_cast<int>(view.edges.size()))
                addOnce(view.edges[static_cast<size_t>(e)].joins, node.index);
        }
    }
    for (EdgeView& e : view.edges) {
        if (e.joins.size() != 2 || !e.drawn)
            continue;
        const NodeView& a = view.nodes[static_cast<size_t>(e.joins[0])];
        const NodeView& b = view.nodes[static_cast<size_t>(e.joins[1])];
        if (std::hypot(e.x1 - b.x, e.y1 - b.y) < std::hypot(e.x1 - a.x, e.y1 - a.y))
            std::swap(e.joins[0], e.joins[1]);
    }
}

// Heights at the start node's and the end node's side, and the fall between.
void fillSlope(GraphView& view, EdgeView& e) {
    e.fromHeight = e.upriver;
    e.toHeight = e.downriver;
    const int near = e.startNode >= 0 ? e.startNode : e.endNode;
    if (e.drawn && near >= 0) {
        const NodeView& node = view.nodes[static_cast<size_t>(near)];
        const bool startIsNear =
            std::hypot(e.x1 - node.x, e.y1 - node.y) <= std::hypot(e.x2 - node.x, e.y2 - node.y);
        // The node found is the start node, or the end node when no start is set.
        if (startIsNear != (near == e.startNode))
            std::swap(e.fromHeight, e.toHeight);
    }
    e.slope = e.length2d > 0.0 ? (e.fromHeight - e.toHeight) / e.length2d : 0.0;
}

} // namespace

GraphView makeGraphView(HxDbWtPipeGraph& graph, int status, const std::string& file) {
    GraphView view;
    view.file = file;
    view.status = status;
    view.message = statusMessage(graph, status);
    view.type = graph.graphType == HxDbWtPipeGraph::kPressure ? "pressure" : "gravity";
    view.root = graph.rootId.isNull() ? std::string() : handleText(graph.rootId);
    if (status != HxDbWtPipeGraph::kGraphOk)
        return view;
    const double unit = metresPerUnit();
    view.nodes.reserve(static_cast<size_t>(graph.nodes.Count()));
    view.edges.reserve(static_cast<size_t>(graph.edges.Count()));
    int i = 0;
    for (HxDbWtPipeNode** p = graph.nodes.FirstPos(); p != nullptr; p = graph.nodes.NextPos(p))
        view.nodes.push_back(makeNode(**p, i++, unit));
    i = 0;
    for (HxDbWtPipeEdge** p = graph.edges.FirstPos(); p != nullptr; p = graph.edges.NextPos(p))
        view.edges.push_back(makeEdge(**p, i++, unit));
    fillJoins(view);
    for (EdgeView& e : view.edges)
        fillSlope(view, e);
    return view;
}

std::string nodeLabel(const GraphView& view, int index) {
    if (index < 0 || index >= static_cast<int>(view.nodes.size()))
        return "-";
    const NodeView& node = view.nodes[static_cast<size_t>(index)];
    return node.name.empty() ? "#" + std::to_string(index) : node.name;
}

std::vector<int> uphillEdges(const GraphView& view) {
    std::vector<int> out;
    if (view.type != "gravity" || view.isPath)
        return out;
    for (const EdgeView& e : view.edges) {
        if (e.startNode >= 0 && e.endNode >= 0 && e.fromHeight < e.toHeight)
            out.push_back(e.index);
    }
    return out;
}

} // namespace hxwt
