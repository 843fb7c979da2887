// Gravity networks: orientation toward the outlet from a picked pipe or well,
// the path builder between two wells, dead ends and withOutNode.
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

TEST_F(GravityNetwork, EdgesRunTowardTheRootOrAlongThePath) {
    // W5 shares W3's spot, so both are reached by C, and D from there up to
    // an open end has two wells but meets no new node.
    auto twin = [](GravityNetwork& t) {
        t.well("W5", 20, -5);
        t.point("end", 30, -5);
        t.pipe("D", "W3", "end");
    };
    struct Case {
        const char* what;
        void (*draw)(GravityNetwork&);
        bool withOutNode;
        const char* from;
        const char* to; // null: CreateGraph(from, a point a tenth along A from O)
        int status;
        const char* root;
        std::string flows, relations;
    } cases[] = {
        {"picked pipe", nullptr, false, "A", nullptr, 0, "O", "A:W1->O B:W2->W1 C:W3->W1",
         "O(ins A) W1(ins B C out A) W2(out B) W3(out C)"},
        {"picked well: the root, nothing pruned", nullptr, false, "W1", nullptr, 0, "W1",
         "A:O->W1 B:W2->W1 C:W3->W1", "W1(ins A B C) O(out A) W2(out B) W3(out C)"},
        {"dead end: D reaches no new node upstream", twin, false, "W1", nullptr, 6, "W1",
         "A:O->W1 B:W2->W1 C:W5->W1 D:-->W3",
         "W1(ins A B C) O(out A) W2(out B) W3(ins D out C) W5()"},
        {"dead end accepted as an open end with withOutNode", twin, true, "W1", nullptr, 0, "W1",
         "B:W2->W1 C:W5->W1 D:-->W3", "W1(ins B C) O() W2(out B) W3(ins D out C) W5(out D)"},
        {"path from the first well to the second", nullptr, false, "W2", "O", 0, "W2",
         "B:W2->W1 A:W1->O", "W2(out B) W1(in B out A) O(in A)"},
        {"path through a pipe that is not a network pipe",
         [](GravityNetwork& t) {
             t.well("W4", 30, 5);
             t.pipe("E", "W2", "W4", 2);
         },
         false, "W4", "O", 0, "W4", "B:-->- A:-->-", "W4() W1() W2() O()"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        hxhost::resetDrawings();
        SetUp();
        if (c.draw != nullptr)
            c.draw(*this);
        HxDbWtPipeGraph g;
        g.SetWithOutNode(c.withOutNode);
        int status = c.to != nullptr ? g.CreateGraph(id(c.from), id(c.to))
                                     : g.CreateGraph(id(c.from), near("O", "W1"));
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(nameOf(g.rootId), c.root);
        EXPECT_EQ(flows(g), c.flows);
        EXPECT_EQ(relations(g), c.relations);
        EXPECT_EQ(g.startEdge, -1) << "only the pressure builders set it";
    }
}

} // namespace
