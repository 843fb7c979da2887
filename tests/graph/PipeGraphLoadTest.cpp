// Loading: what becomes a node or an edge, in which order, and the unit
// conversions (diameters truncated after the division).
#include "PipeNetworkTest.h"

namespace {

class Loading : public PipeNetworkTest {};

TEST_F(Loading, DiameterAndHeightsFollowTheDrawingUnit) {
    struct Case {
        unsigned char unit;
        double diameter;
        int expected;
        double upriver;
    } cases[] = {
        {1, 0.3, 300, 12.5}, {1, 0.7, 699, 12.5},   {1, 0.35, 349, 12.5},
        {0, 0.3, 0, 0.0125}, {0, 700, 700, 0.0125},
    };
    for (const Case& c : cases) {
        hxhost::resetDrawings();
        HxDbSetDrawUnit(nullptr, c.unit);
        pool("O", 0, 0);
        well("W", 10, 0, 3.5);
        pipe("P", "O", "W", 1, c.diameter);
        HxDbWtPipeGraph g;
        ASSERT_EQ(g.CreateGraph(id("P"), near("O", "W")), 0);
        HxDbWtPipeEdge* p = g.FindEdge(id("P"));
        EXPECT_EQ(p->diameter, c.expected) << c.diameter;
        EXPECT_DOUBLE_EQ(p->upriverHeight, c.upriver) << c.diameter;
        HxDbWtPipeNode* w = g.FindNode(id("W"));
        EXPECT_DOUBLE_EQ(w->location.z, c.unit != 0 ? 3500.0 : 3.5);
        EXPECT_DOUBLE_EQ(w->location.x, 10.0) << "plan positions are not converted";
        EXPECT_EQ(w->kind, 1);
        EXPECT_EQ(g.FindNode(id("O"))->kind, 2);
        EXPECT_EQ(g.FindNode(id("O"))->prefix, CString(L"O"));
    }
}

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
    HxDbWtPipeGraph g;
    ASSERT_EQ(g.CreateGraph(id("A"), near("O", "W1")), 0);
    EXPECT_EQ(edgeList(g), "A B");
    EXPECT_EQ(g.nodes.Count(), 4);
    EXPECT_EQ(g.pathEdgeOrder.Count() + g.pathNodeOrder.Count(), 0);
}

TEST_F(Loading, WithOutNodeDropsPipesWithFewerThanTwoWells) {
    pool("O", 0, 0);
    well("W1", 10, 0);
    well("W2", 20, 0);
    pipe("A", "O", "W1");
    pipe("B", "W1", "W2");
    struct Case {
        bool withOutNode;
        std::string edges;
    } cases[] = {{false, "B A"}, {true, "B"}};
    for (const Case& c : cases) {
        HxDbWtPipeGraph g;
        g.SetWithOutNode(c.withOutNode);
        g.CreateGraph(id("W2"), AcGePoint3d());
        EXPECT_EQ(edgeList(g), c.edges) << c.withOutNode;
    }
}

TEST_F(Loading, PathLoadingNumbersWhatItCreates) {
    well("W0", 0, 0);
    well("W1", 10, 0);
    well("W2", 20, 0);
    pipe("P1", "W0", "W1");
    pipe("P2", "W1", "W2");
    HxDbWtPipeGraph g;
    ASSERT_EQ(g.CreateGraph(id("W0"), id("W2")), 0);
    EXPECT_EQ(edgeList(g), "P1 P2");
    EXPECT_EQ(nodeList(g), "W0 W1 W2");
    EXPECT_EQ(names(g.pathEdgeOrder, [](int i) { return std::to_string(i); }), "0 1");
    EXPECT_EQ(names(g.pathNodeOrder, [](int i) { return std::to_string(i); }), "0 1 2");
}

} // namespace
