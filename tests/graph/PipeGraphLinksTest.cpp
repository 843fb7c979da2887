// Equipment and gulley links: flag 3 written on pipes ending on equipment
// (the graph's only write to the drawing), refused upgrades, and the gulley
// pipes of every node.
#include "PipeNetworkTest.h"

#include "hxhost/HostControl.h"

namespace {

class Links : public PipeNetworkTest {
protected:
    void SetUp() override {
        pool("O", 0, 0);
        well("W1", 10, 0);
        equipment("E", 10, 10);
        pipe("A", "O", "W1");
    }
};

TEST_F(Links, PipeOnEquipmentIsFlaggedAndLeftOut) {
    struct Case {
        int flagBefore;
        bool lockedLayer;
        int flagAfter;
        std::string edges;
        int status; // K ends on equipment, no node: a network pipe K cannot be related
    } cases[] = {{1, false, 3, "A", 0}, {2, false, 3, "A", 0}, {1, true, 1, "A K", 6}};
    for (const Case& c : cases) {
        hxhost::resetDrawings();
        SetUp();
        pipe("K", "W1", "E", c.flagBefore);
        if (c.lockedLayer)
            hxhost::failNext(hxhost::kFaultUpgrade, 2);
        HxDbWtPipeGraph g;
        EXPECT_EQ(g.CreateGraph(id("A"), near("O", "W1")), c.status);
        hxhost::clearFaults();
        EXPECT_EQ(flagOf("K"), c.flagAfter) << c.flagBefore << c.lockedLayer;
        EXPECT_EQ(flagOf("A"), 1);
        EXPECT_EQ(edgeList(g), c.edges);
    }
}

TEST_F(Links, FlagIsWrittenEvenWhenTheRelationFails) {
    pipe("K", "W1", "E");
    point("j", 20, 0);
    point("k", 20, 5);
    pipe("B", "W1", "j");
    pipe("C", "j", "k");
    HxDbWtPipeGraph g;
    EXPECT_EQ(g.CreateGraph(id("A"), near("O", "W1")), 6);
    EXPECT_EQ(flagOf("K"), 3);
}

TEST_F(Links, GulleyPipesListNonNetworkPipesInConnectionOrder) {
    point("g1", 15, 5);
    point("g2", 15, -5);
    pipe("G1", "W1", "g1", 2);
    pipe("G2", "W1", "g2", 2);
    HxDbWtPipeGraph g;
    EXPECT_EQ(g.CreateLinkGulleyEdge(), 0) << "no nodes yet";
    ASSERT_EQ(g.CreateGraph(id("A"), near("O", "W1")), 0);
    EXPECT_EQ(g.CreateLinkGulleyEdge(), 1);
    EXPECT_EQ(idNames(g.FindNode(id("W1"))->gulleyPipes), "G1 G2");
    EXPECT_EQ(idNames(g.FindNode(id("O"))->gulleyPipes), "");
    EXPECT_EQ(g.CreateLinkGulleyEdge(), 1);
    EXPECT_EQ(idNames(g.FindNode(id("W1"))->gulleyPipes), "G1 G2 G1 G2") << "not cleared";
}

} // namespace
