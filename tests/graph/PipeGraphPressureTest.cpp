// Pressure networks: orientation away from the source, the picked pipe's
// edge, loops (undirected link lists) and dead ends.
#include "PipeNetworkTest.h"

namespace {

class Pressure : public PipeNetworkTest {
protected:
    HxDbWtPipeGraph graph() {
        HxDbWtPipeGraph g;
        g.SetPipeGraphType(HxDbWtPipeGraph::kPressure);
        return g;
    }
};

TEST_F(Pressure, ChainFlowsAwayFromTheRoot) {
    well("R", 0, 0);
    well("W1", 10, 0);
    well("W2", 20, 0);
    pipe("A", "R", "W1");
    pipe("B", "W1", "W2");
    HxDbWtPipeGraph g = graph();
    ASSERT_EQ(g.CreateGraph(id("A"), near("R", "W1")), 0);
    expectFlow(g, "R -> W1 -> W2");
    EXPECT_EQ(edgeName(g, g.startEdge), "A");
    struct Expect {
        std::string node, in, outs;
    } nodes[] = {{"R", "-", "A"}, {"W1", "A", "B"}, {"W2", "B", ""}};
    for (const Expect& e : nodes) {
        HxDbWtPipeNode* n = g.FindNode(id(e.node));
        EXPECT_EQ(edgeName(g, n->inEdge), e.in) << e.node;
        EXPECT_EQ(edgeNames(g, n->outEdges), e.outs) << e.node;
    }
}

TEST_F(Pressure, PickedInTheMiddleKeepsOnlyTheFarSide) {
    well("R", 0, 0);
    well("W1", 10, 0);
    well("W2", 20, 0);
    pipe("A", "R", "W1");
    pipe("B", "W1", "W2");
    HxDbWtPipeGraph g = graph();
    ASSERT_EQ(g.CreateGraph(id("B"), near("W1", "W2")), 0);
    EXPECT_EQ(g.rootId, id("W1"));
    EXPECT_EQ(edgeList(g), "B");
    EXPECT_EQ(nodeList(g), "W1 W2");
    expectFlow(g, "W1 -> W2");
}

TEST_F(Pressure, LoopListsLinkedEdgesWithoutDirection) {
    well("R", 0, 0);
    well("W1", 10, 0);
    well("W2", 20, 0);
    well("W3", 15, 10);
    pipe("A", "R", "W1");
    pipe("B", "W1", "W2");
    pipe("C", "W2", "W3");
    pipe("D", "W3", "W1");
    HxDbWtPipeGraph g = graph();
    ASSERT_EQ(g.CreateGraph(id("A"), near("R", "W1")), 0);
    EXPECT_EQ(edgeName(g, g.startEdge), "A");
    for (HxDbWtPipeEdge** e = g.edges.FirstPos(); e != nullptr; e = g.edges.NextPos(e))
        EXPECT_EQ(edgeFlow(g, nameOf((*e)->pipeId)), nameOf((*e)->pipeId) + ": - -> -");
    struct Expect {
        std::string node, links;
    } nodes[] = {{"R", "A"}, {"W1", "A B D"}, {"W2", "B C"}, {"W3", "C D"}};
    for (const Expect& e : nodes) {
        HxDbWtPipeNode* n = g.FindNode(id(e.node));
        EXPECT_EQ(edgeNames(g, n->linkEdges), e.links) << e.node;
        EXPECT_EQ(n->inEdge, -1);
        EXPECT_EQ(n->outEdges.Count(), 0);
    }
}

TEST_F(Pressure, StarListsOutEdgesInConnectionOrder) {
    well("R", 0, 0);
    well("W1", 10, 0);
    well("W2", 0, 10);
    well("W3", -10, 0);
    well("S", 0, -10);
    pipe("P", "S", "R");
    pipe("A", "R", "W1");
    pipe("B", "R", "W2");
    pipe("C", "R", "W3");
    HxDbWtPipeGraph g = graph();
    ASSERT_EQ(g.CreateGraph(id("P"), near("S", "R")), 0);
    EXPECT_EQ(g.rootId, id("S"));
    EXPECT_EQ(edgeNames(g, g.FindNode(id("R"))->outEdges), "A B C");
    expectFlow(g, "S -> R -> W2");
}

TEST_F(Pressure, EdgeEndingOnlyAtAPipeFails) {
    well("R", 0, 0);
    well("W1", 10, 0);
    point("j", 20, 0);
    point("k", 20, 10);
    pipe("A", "R", "W1");
    pipe("B", "W1", "j");
    pipe("C", "j", "k");
    HxDbWtPipeGraph g = graph();
    EXPECT_EQ(g.CreateGraph(id("A"), near("R", "W1")), 6);
    EXPECT_EQ(edgeName(g, g.startEdge), "A") << "set before the failure";
}

} // namespace
