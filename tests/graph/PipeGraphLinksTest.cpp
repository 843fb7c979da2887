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
        bool deadEnd; // B to a bare point and on to another: the relation fails
        int flagAfter;
        std::string edges;
        int status; // K ends on equipment, no node: a network pipe K cannot be related
    } cases[] = {{1, false, false, 3, "A", 0},
                 {2, false, false, 3, "A", 0},
                 {1, true, false, 1, "A K", 6},
                 {1, false, true, 3, "A B C", 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.flagBefore << c.lockedLayer << c.deadEnd);
        hxhost::resetDrawings();
        SetUp();
        pipe("K", "W1", "E", c.flagBefore);
        if (c.deadEnd) {
            point("j", 20, 0);
            point("k", 20, 5);
            pipe("B", "W1", "j");
            pipe("C", "j", "k");
        }
        if (c.lockedLayer)
            hxhost::failNext(hxhost::kFaultUpgrade, 2);
        HxDbWtPipeGraph g;
        EXPECT_EQ(g.CreateGraph(id("A"), near("O", "W1")), c.status);
        hxhost::clearFaults();
        EXPECT_EQ(flagOf("K"), c.flagAfter);
        EXPECT_EQ(flagOf("A"), 1);
        EXPECT_EQ(edgeList(g), c.edges);
    }
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
