// HxDbWtPipeGraph: construction, deep copies, destruction, the lookups by id
// and the flag operations.
#include "HxDbWtPipeGraph.h"

#include "graph/HxWtPipeGraphLookup.h"

HxDbWtPipeGraph::HxDbWtPipeGraph() : m_lookup(std::make_unique<HxWtPipeGraphLookup>()) {}

HxDbWtPipeGraph::HxDbWtPipeGraph(const HxDbWtPipeGraph& other)
    : HxDbPipeGraph(other), startEdge(other.startEdge), pathEdgeOrder(other.pathEdgeOrder),
      pathNodeOrder(other.pathNodeOrder), rootId(other.rootId), pickedId(other.pickedId),
      endId(other.endId), graphType(other.graphType), withOutNode(other.withOutNode),
      m_lookup(std::make_unique<HxWtPipeGraphLookup>()) {
    m_lookup->literal = other.m_lookup->literal;
    CopyElements(other);
}

HxDbWtPipeGraph& HxDbWtPipeGraph::operator=(const HxDbWtPipeGraph& other) {
    if (this == &other)
        return *this;
    HxDbPipeGraph::operator=(other);
    edges.RemoveAll();
    nodes.RemoveAll();
    CopyElements(other);
    pathEdgeOrder = other.pathEdgeOrder;
    pathNodeOrder = other.pathNodeOrder;
    CopyScalars(other);
    return *this;
}

HxDbWtPipeGraph::HxDbWtPipeGraph(HxDbWtPipeGraph&& other)
    : HxDbPipeGraph(other), startEdge(other.startEdge), edges(std::move(other.edges)),
      nodes(std::move(other.nodes)), pathEdgeOrder(std::move(other.pathEdgeOrder)),
      pathNodeOrder(std::move(other.pathNodeOrder)), rootId(other.rootId), pickedId(other.pickedId),
      endId(other.endId), graphType(other.graphType), withOutNode(other.withOutNode),
      m_lookup(std::make_unique<HxWtPipeGraphLookup>()) {
    m_lookup->literal = other.m_lookup->literal;
}

HxDbWtPipeGraph& HxDbWtPipeGraph::operator=(HxDbWtPipeGraph&& other) {
    if (this == &other)
        return *this;
    HxDbPipeGraph::operator=(other);
    edges = std::move(other.edges);
    nodes = std::move(other.nodes);
    pathEdgeOrder = std::move(other.pathEdgeOrder);
    pathNodeOrder = std::move(other.pathNodeOrder);
    CopyScalars(other);
    return *this;
}

// The own members go in reverse order (the owning lists delete every node
// and edge), then the base.
HxDbWtPipeGraph::~HxDbWtPipeGraph() = default;

void HxDbWtPipeGraph::CopyScalars(const HxDbWtPipeGraph& other) {
    startEdge = other.startEdge;
    rootId = other.rootId;
    pickedId = other.pickedId;
    endId = other.endId;
    graphType = other.graphType;
    withOutNode = other.withOutNode;
    m_lookup->literal = other.m_lookup->literal;
}

void HxDbWtPipeGraph::CopyElements(const HxDbWtPipeGraph& other) {
    auto& from = const_cast<HxDbWtPipeGraph&>(other); // positions need a mutable list
    for (HxDbWtPipeEdge** pos = from.edges.FirstPos(); pos != nullptr;
         pos = from.edges.NextPos(pos))
        edges.Append(*pos == nullptr ? nullptr : new HxDbWtPipeEdge(**pos));
    for (HxDbWtPipeNode** pos = from.nodes.FirstPos(); pos != nullptr;
         pos = from.nodes.NextPos(pos))
        nodes.Append(*pos == nullptr ? nullptr : new HxDbWtPipeNode(**pos));
}

int HxDbWtPipeGraph::FindNodeIndex(AcDbObjectId id) {
    HxDbWtPipeNode* node = nullptr;
    return m_lookup->nodes.Find(nodes, id, &node, m_lookup->literal);
}

int HxDbWtPipeGraph::FindEdgeIndex(AcDbObjectId id) {
    HxDbWtPipeEdge* edge = nullptr;
    return m_lookup->edges.Find(edges, id, &edge, m_lookup->literal);
}

HxDbWtPipeNode* HxDbWtPipeGraph::FindNode(AcDbObjectId id) {
    HxDbWtPipeNode* node = nullptr;
    m_lookup->nodes.Find(nodes, id, &node, m_lookup->literal);
    return node;
}

HxDbWtPipeEdge* HxDbWtPipeGraph::FindEdge(AcDbObjectId id) {
    HxDbWtPipeEdge* edge = nullptr;
    m_lookup->edges.Find(edges, id, &edge, m_lookup->literal);
    return edge;
}

int HxDbWtPipeGraph::AddNodeFlag(AcDbObjectId id, int flag) {
    HxDbWtPipeNode* node = FindNode(id);
    if (node == nullptr)
        return 0;
    node->AddBit(static_cast<unsigned int>(flag));
    return 1;
}

int HxDbWtPipeGraph::AddPipeFlag(AcDbObjectId id, int flag) {
    HxDbWtPipeEdge* edge = FindEdge(id);
    if (edge == nullptr)
        return 0;
    edge->AddBit(static_cast<unsigned int>(flag));
    return 1;
}
