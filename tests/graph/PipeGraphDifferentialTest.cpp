// The indexed lookups against a plain scan: many random networks, both kinds,
// both forms of CreateGraph, withOutNode on and off, repeated creations
// (duplicate ids) and pruned records; every field of every node and edge
// must agree.
#include "HostTest.h"

#include "HxDbWtPipeGraph.h"
#include "HxDbWtPipeGraphVerify.h"
#include "RandomNetwork.h"

#include <sstream>

namespace {

using hxgraphtest::Shape;

std::string IdText(AcDbObjectId id) {
    return std::to_string(id.handle().value());
}

template <class T> std::string ListText(HxDList<T>& list) {
    std::ostringstream out;
    for (T* p = list.FirstPos(); p != nullptr; p = list.NextPos(p))
        out << *p << ',';
    return out.str();
}

std::string ListText(HxDbObjectIdList& list) {
    std::string out;
    for (AcDbObjectId* p = list.FirstPos(); p != nullptr; p = list.NextPos(p))
        out += IdText(*p) + ',';
    return out;
}

// The values space separated on one line.
template <class... T> void Line(std::ostream& out, const T&... values) {
    ((out << values << ' '), ...);
    out << '\n';
}

// Every field of the graph, its nodes and its edges, as text.
std::string Dump(HxDbWtPipeGraph& g) {
    std::ostringstream out;
    out.precision(17);
    Line(out, g.startEdge, IdText(g.rootId), IdText(g.pickedId), IdText(g.endId),
         ListText(g.pathEdgeOrder), ListText(g.pathNodeOrder));
    for (HxDbWtPipeNode** p = g.nodes.FirstPos(); p != nullptr; p = g.nodes.NextPos(p)) {
        HxDbWtPipeNode& n = **p;
        Line(out, "N", n.GetData(), ListText(n.linkEdges), ListText(n.inEdges), n.outEdge, n.inEdge,
             ListText(n.outEdges), n.location.x, n.location.y, n.location.z, IdText(n.entityId),
             n.spare, n.kind, n.wellIndex.GetLength(), n.prefix.GetLength(), n.wellDiameter,
             n.wellDeepness, n.poolLength, n.poolWidth, n.poolDeepness, ListText(n.gulleyPipes),
             n.locked, n.spare2);
    }
    for (HxDbWtPipeEdge** p = g.edges.FirstPos(); p != nullptr; p = g.edges.NextPos(p)) {
        HxDbWtPipeEdge& e = **p;
        Line(out, "E", e.GetData(), e.startNode, e.endNode, IdText(e.pipeId), e.upriverHeight,
             e.downriverHeight, e.gradient, e.diameter, e.direction, e.material.GetLength(),
             e.length, e.length2d);
    }
    return out.str();
}

struct Build {
    bool pressure;
    bool withOutNode;
    int form; // 0: a pipe and a point, 1: a well and a point, 2: two wells
    bool twice;
};

std::string BuildAndDump(const hxgraphtest::DrawnNetwork& net, const Build& b, unsigned seed,
                         bool literal) {
    HxDbWtPipeGraph g;
    HxWtSetPipeGraphLiteralLookup(g, literal);
    g.SetPipeGraphType(b.pressure ? HxDbWtPipeGraph::kPressure : HxDbWtPipeGraph::kGravity);
    g.SetWithOutNode(b.withOutNode);
    std::string statuses;
    for (int round = 0; round < (b.twice ? 2 : 1); ++round) {
        size_t p = (seed + round) % net.pipes.size();
        size_t a = seed % net.nodes.size();
        size_t z = (seed * 7 + 3) % net.nodes.size();
        AcGePoint3d s = net.pipeStart[p], e = net.pipeEnd[p];
        AcGePoint3d pick(s.x + (e.x - s.x) * 0.3, s.y + (e.y - s.y) * 0.3, 0);
        int status = b.form == 0   ? g.CreateGraph(net.pipes[p], pick)
                     : b.form == 1 ? g.CreateGraph(net.nodes[a], pick)
                                   : g.CreateGraph(net.nodes[a], net.nodes[z]);
        statuses += std::to_string(status) + ' ';
    }
    g.CreateLinkGulleyEdge();
    HxDList<int> path;
    g.FindGraphPipePath(net.nodes[seed % net.nodes.size()], net.nodes[0], path);
    return statuses + ListText(path) + '\n' + Dump(g);
}

class Differential : public HostTest {};

TEST_F(Differential, IndexedLookupsMatchAPlainScan) {
    const Shape shapes[] = {Shape::Tree, Shape::GridTree, Shape::GridLoops};
    int compared = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Shape shape = shapes[seed % 3];
        hxhost::resetDrawings();
        auto net = hxgraphtest::DrawRandomNetwork(shape, 8 + static_cast<int>(seed % 23), seed);
        for (int variant = 0; variant < 8; ++variant) {
            Build b{(variant & 1) != 0, (variant & 2) != 0, static_cast<int>((seed + variant) % 3),
                    (variant & 4) != 0};
            std::string indexed =
                BuildAndDump(net, b, seed + static_cast<unsigned>(variant), false);
            std::string literal = BuildAndDump(net, b, seed + static_cast<unsigned>(variant), true);
            ASSERT_EQ(indexed, literal) << "seed " << seed << " variant " << variant;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 320);
}

} // namespace
