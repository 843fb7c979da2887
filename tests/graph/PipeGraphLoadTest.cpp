// Loading: what becomes a node or an edge, in which order, and the unit
// conversions (diameters truncated after the division).
#include "PipeNetworkTest.h"

#include <cmath>

namespace {

class Loading : public PipeNetworkTest {};

TEST_F(Loading, LengthsDiameterAndHeightsFollowTheDrawingUnit) {
    struct Case {
        unsigned char unit; // 1: metres, converted to millimetres
        double diameter;
        int expected;
        double upriver;
    } cases[] = {
        {1, 0.3, 300, 12.5}, {1, 0.7, 699, 12.5},   {1, 0.35, 349, 12.5},
        {0, 0.3, 0, 0.0125}, {0, 700, 700, 0.0125},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.diameter);
        hxhost::resetDrawings();
        HxDbSetDrawUnit(nullptr, c.unit);
        pool("O", 0, 0);
        well("W", 10, 0, 3.5);
        pipe("P", "O", "W", 1, c.diameter);
        HxDbWtPipeGraph g;
        ASSERT_EQ(g.CreateGraph(id("P"), near("O", "W")), 0);
        double mm = c.unit != 0 ? 1000.0 : 1.0;
        HxDbWtPipeEdge* p = g.FindEdge(id("P"));
        EXPECT_EQ(p->diameter, c.expected);
        EXPECT_DOUBLE_EQ(p->upriverHeight, c.upriver);
        EXPECT_DOUBLE_EQ(p->length2d, 10.0 * mm);
        EXPECT_NEAR(p->length, std::sqrt(100.0 + 3.5 * 3.5) * mm, 1e-9 * mm);
        EXPECT_EQ(p->material, CString(L"PE"));
        HxDbWtPipeNode* w = g.FindNode(id("W"));
        EXPECT_DOUBLE_EQ(w->location.z, 3.5 * mm);
        EXPECT_DOUBLE_EQ(w->location.x, 10.0) << "plan positions are not converted";
        EXPECT_EQ(w->kind, 1);
        HxDbWtPipeNode* o = g.FindNode(id("O"));
        EXPECT_EQ(o->kind, 2);
        EXPECT_EQ(o->prefix, CString(L"O"));
        EXPECT_DOUBLE_EQ(o->poolLength, 4.0 * mm);
    }
}

// Only pipes with flag 1 become edges, with withOutNode only those between two
// wells; path loading numbers the elements it creates.
TEST_F(Loading, OnlyNetworkPipesBecomeEdges) {
    pool("O", 0, 0);
    well("W1", 10, 0);
    well("W2", 20, 0);
    well("W3", 10, 10);
    point("open", 10, -10);
    pipe("A", "O", "W1");
    pipe("B", "W1", "W2");
    pipe("G", "W1", "W3", 2);
    pipe("H", "W1", "open", 3);
    struct Case {
        bool withOutNode;
        const char* to; // null: the network of W2, else the path from W2
        std::string edges, nodes, edgeOrder, nodeOrder;
    } cases[] = {{false, nullptr, "B A", "W2 W1 O W3", "", ""},
                 {true, nullptr, "B", "W2 W1 O W3", "", ""},
                 {false, "O", "B A", "W2 W1 O", "0 1", "0 1 2"}};
    auto number = [](int i) { return std::to_string(i); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to != nullptr ? "path" : c.withOutNode ? "withOutNode" : "network");
        HxDbWtPipeGraph g;
        g.SetWithOutNode(c.withOutNode);
        int status = c.to != nullptr ? g.CreateGraph(id("W2"), id(c.to))
                                     : g.CreateGraph(id("W2"), AcGePoint3d());
        EXPECT_EQ(status, 0);
        EXPECT_EQ(edgeList(g), c.edges);
        EXPECT_EQ(nodeList(g), c.nodes);
        EXPECT_EQ(join(g.pathEdgeOrder, number), c.edgeOrder);
        EXPECT_EQ(join(g.pathNodeOrder, number), c.nodeOrder);
        EXPECT_EQ(nameOf(g.endId), c.to != nullptr ? c.to : "?");
    }
}

} // namespace
