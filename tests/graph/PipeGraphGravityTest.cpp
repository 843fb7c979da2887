// Gravity networks: orientation toward the outlet from a picked pipe, the
// path builder between two wells, dead ends and withOutNode.
#include "PipeNetworkTest.h"

namespace {

// Outlet O with A up to W1, and B (W2) and C (W3) feeding W1.
class GravityNetwork : public PipeNetworkTest {
protected:
    void SetUp() override {
        pool("O", 0, 0);
        well("W1", 10, 0);
        well("W2", 20, 5);
        well("W3", 20, -5);
        pipe("A", "O", "W1");
        pipe("B", "W1", "W2");
        pipe("C", "W1", "W3");
    }
};

TEST_F(GravityNetwork, FlowRunsTowardTheOutlet) {
    HxDbWtPipeGraph g;
    ASSERT_EQ(g.CreateGraph(id("A"), near("O", "W1")), 0);
    EXPECT_EQ(g.rootId, id("O"));
    expectFlow(g, "W2 -> W1 -> O");
    expectFlow(g, "W3 -> W1");
    HxDbWtPipeNode* o = g.FindNode(id("O"));
    HxDbWtPipeNode* w1 = g.FindNode(id("W1"));
    EXPECT_EQ(edgeNames(g, o->inEdges), "A");
    EXPECT_EQ(o->outEdge, -1);
    EXPECT_EQ(edgeName(g, w1->outEdge), "A");
    EXPECT_EQ(edgeNames(g, w1->inEdges), "B C");
    EXPECT_EQ(edgeName(g, g.FindNode(id("W2"))->outEdge), "B");
    EXPECT_EQ(edgeName(g, g.FindNode(id("W3"))->outEdge), "C");
    EXPECT_EQ(g.startEdge, -1) << "only the pressure builders set it";
}

TEST_F(GravityNetwork, PickedWellIsTheRootAndNothingIsPruned) {
    HxDbWtPipeGraph g;
    ASSERT_EQ(g.CreateGraph(id("W1"), AcGePoint3d(999, 999, 0)), 0);
    EXPECT_EQ(g.rootId, id("W1"));
    EXPECT_EQ(g.nodes.Count(), 4);
    expectFlow(g, "O -> W1");
    expectFlow(g, "W2 -> W1");
}

TEST_F(GravityNetwork, DeadEndFailsUnlessWithOutNode) {
    point("end", 30, -5);
    pipe("D", "W3", "end");
    struct Case {
        bool withOutNode;
        int status;
        std::string edges;
    } cases[] = {{false, 6, "A B C D"}, {true, 0, "B C"}};
    for (const Case& c : cases) {
        HxDbWtPipeGraph g;
        g.SetWithOutNode(c.withOutNode);
        EXPECT_EQ(g.CreateGraph(id("A"), near("O", "W1")), c.status) << c.withOutNode;
        EXPECT_EQ(edgeList(g), c.edges) << c.withOutNode;
    }
}

TEST_F(GravityNetwork, PathRunsFromTheFirstWellToTheSecond) {
    HxDbWtPipeGraph g;
    ASSERT_EQ(g.CreateGraph(id("W2"), id("O")), 0);
    EXPECT_EQ(edgeList(g), "B A");
    EXPECT_EQ(nodeList(g), "W2 W1 O");
    EXPECT_EQ(nodeNames(g, g.pathNodeOrder), "W2 W1 O");
    EXPECT_EQ(edgeNames(g, g.pathEdgeOrder), "B A");
    expectFlow(g, "W2 -> W1 -> O");
    struct Expect {
        std::string node, in, out;
    } nodes[] = {{"W2", "-", "B"}, {"W1", "B", "A"}, {"O", "A", "-"}};
    for (const Expect& e : nodes) {
        HxDbWtPipeNode* n = g.FindNode(id(e.node));
        EXPECT_EQ(edgeName(g, n->inEdge), e.in) << e.node;
        EXPECT_EQ(edgeName(g, n->outEdge), e.out) << e.node;
        EXPECT_EQ(n->inEdges.Count(), 0) << e.node;
    }
    EXPECT_EQ(g.endId, id("O"));
    EXPECT_EQ(g.FindEdge(id("C")), nullptr) << "the side pipe is not on the path";
}

TEST_F(GravityNetwork, PathSkipsPipesThatAreNotNetworkPipes) {
    well("W4", 30, 5);
    pipe("E", "W2", "W4", 2);
    HxDbWtPipeGraph g;
    EXPECT_EQ(g.CreateGraph(id("W4"), id("O")), 0);
    EXPECT_EQ(edgeList(g), "B A");
    EXPECT_EQ(nodeList(g), "W4 W1 W2 O");
    EXPECT_EQ(g.FindNode(id("W4"))->outEdge, -1) << "the walk cannot leave the root";
    EXPECT_EQ(edgeFlow(g, "B"), "B: - -> -");
}

TEST_F(GravityNetwork, UnitsConvertForADrawingInMetres) {
    HxDbSetDrawUnit(nullptr, 1);
    HxDbWtPipeGraph g;
    ASSERT_EQ(g.CreateGraph(id("A"), near("O", "W1")), 0);
    HxDbWtPipeEdge* a = g.FindEdge(id("A"));
    EXPECT_DOUBLE_EQ(a->upriverHeight, 12.5);
    EXPECT_DOUBLE_EQ(a->length, 10000.0);
    EXPECT_DOUBLE_EQ(a->length2d, 10000.0);
    EXPECT_EQ(a->material, CString(L"PE"));
    EXPECT_EQ(g.FindNode(id("O"))->poolLength, 4000.0);
}

} // namespace
