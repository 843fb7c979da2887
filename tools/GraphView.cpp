// The snapshot of a built graph that the tool prints and draws.
#include "GraphView.h"

#include <algorithm>

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

// Plan size of the node's entity in drawing units.
void readNodeSize(AcDbObjectId id, NodeView& view) {
    AcDbObjectPointer<HxDbWtWell> well(id, AcDb::kForRead);
    if (well.openStatus() == Acad::eOk) {
        view.sizeX = view.sizeY = well->GetWellDiameter();
        return;
    }
    AcDbObjectPointer<HxDbWtPool> pool(id, AcDb::kForRead);
    if (pool.openStatus() == Acad::eOk) {
        view.sizeX = pool->GetPoolLength();
        view.sizeY = pool->GetPoolWidth();
    }
}

NodeView makeNode(HxDbWtPipeNode& node, int index) {
    NodeView view;
    view.index = index;
    view.handle = handleText(node.entityId);
    view.kind = node.kind == 1 ? "well" : node.kind == 2 ? "pool" : "other";
    view.name = toUtf8(std::wstring(static_cast<const wchar_t*>(node.prefix)));
    if (node.kind == 1)
        view.name += toUtf8(std::wstring(static_cast<const wchar_t*>(node.wellIndex)));
    view.x = node.location.x;
    view.y = node.location.y;
    view.z = node.location.z;
    readNodeSize(node.entityId, view);
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

EdgeView makeEdge(HxDbWtPipeEdge& edge, int index) {
    EdgeView view;
    view.index = index;
    view.handle = handleText(edge.pipeId);
    view.startNode = edge.startNode;
    view.endNode = edge.endNode;
    view.diameter = edge.diameter;
    view.length = edge.length;
    view.length2d = edge.length2d;
    view.upriver = edge.upriverHeight;
    view.downriver = edge.downriverHeight;
    AcDbObjectPointer<HxDbWtPipe> pipe(edge.pipeId, AcDb::kForRead);
    if (pipe.openStatus() == Acad::eOk) {
        view.x1 = pipe->GetStartPoint().x;
        view.y1 = pipe->GetStartPoint().y;
        view.x2 = pipe->GetEndPoint().x;
        view.y2 = pipe->GetEndPoint().y;
    }
    return view;
}

} // namespace

GraphView makeGraphView(HxDbWtPipeGraph& graph, int status) {
    GraphView view;
    view.status = status;
    view.message = statusMessage(graph, status);
    view.type = graph.graphType == HxDbWtPipeGraph::kPressure ? "pressure" : "gravity";
    view.root = graph.rootId.isNull() ? std::string() : handleText(graph.rootId);
    int i = 0;
    for (HxDbWtPipeNode** p = graph.nodes.FirstPos(); p != nullptr; p = graph.nodes.NextPos(p))
        view.nodes.push_back(makeNode(**p, i++));
    i = 0;
    for (HxDbWtPipeEdge** p = graph.edges.FirstPos(); p != nullptr; p = graph.edges.NextPos(p))
        view.edges.push_back(makeEdge(**p, i++));
    return view;
}

std::string nodeLabel(const GraphView& view, int index) {
    if (index < 0 || index >= static_cast<int>(view.nodes.size()))
        return "-";
    const NodeView& node = view.nodes[static_cast<size_t>(index)];
    return node.name.empty() ? "#" + std::to_string(index) : node.name;
}

} // namespace hxwt
