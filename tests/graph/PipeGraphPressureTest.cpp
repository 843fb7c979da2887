// Pressure networks: orientation away from the source, the picked pipe's
// edge, loops (undirected link lists) and dead ends.
#include "PipeNetworkTest.h"

namespace {

// The chain R - A - W1 - B - W2; each case may draw more around it.
class Pressure : public PipeNetworkTest {
protected:
    void SetUp() override {
        well("R", 0, 0);
        well("W1", 10, 0);
        well("W2", 20, 0);
        pipe("A", "R", "W1");
        pipe("B", "W1", "W2");
    }
};

TEST_F(Pressure, EdgesRunAwayFromTheRootUnlessThereIsALoop) {
    struct Case {
        const char* what;
        void (*draw)(Pressure&);
        const char* picked; // picked near its end `from`, the other being `to`
        const char *from, *to;
        int status;
        const char* root;
        const char* startEdge;
        std::string flows, relations;
    } cases[] = {
        {"chain", nullptr, "A", "R", "W1", 0, "R", "A", "A:R->W1 B:W1->W2",
         "R(outs A) W1(in A outs B) W2(in B)"},
        {"picked in the middle keeps only the far side", nullptr, "B", "W1", "W2", 0, "W1", "B",
         "B:W1->W2", "W1(outs B) W2(in B)"},
        {"star: out edges in connection order",
         [](Pressure& t) {
             t.well("W3", 0, 10);
             t.well("W4", -10, 0);
             t.well("S", 0, -10);
             t.pipe("P", "S", "R");
             t.pipe("C", "R", "W3");
             t.pipe("D", "R", "W4");
         },
         "P", "S", "R", 0, "S", "P", "P:S->R A:R->W1 C:R->W3 D:R->W4 B:W1->W2",
         "S(outs P) R(in P outs A C D) W1(in A outs B) W3(in C) W4(in D) W2(in B)"},
        {"loop: linked edges without direction",
         [](Pressure& t) {
             t.well("W3", 15, 10);
             t.pipe("C", "W2", "W3");
             t.pipe("D", "W3", "W1");
         },
         "A", "R", "W1", 0, "R", "A", "A:-->- B:-->- D:-->- C:-->-",
         "R(links A) W1(links A B D) W2(links B C) W3(links C D)"},
        {"an edge ending only at a pipe fails after startEdge is set",
         [](Pressure& t) {
             t.point("j", 30, 0);
             t.point("k", 30, 10);
             t.pipe("C", "W2", "j");
             t.pipe("D", "j", "k");
         },
         "A", "R", "W1", 6, "R", "A", "A:R->W1 B:W1->W2 C:W2->- D:-->-",
         "R(outs A) W1(in A outs B) W2(in B outs C)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        hxhost::resetDrawings();
        SetUp();
        if (c.draw != nullptr)
            c.draw(*this);
        HxDbWtPipeGraph g;
        g.SetPipeGraphType(HxDbWtPipeGraph::kPressure);
        EXPECT_EQ(g.CreateGraph(id(c.picked), near(c.from, c.to)), c.status);
        EXPECT_EQ(nameOf(g.rootId), c.root);
        EXPECT_EQ(edgeName(g, g.startEdge), c.startEdge);
        EXPECT_EQ(flows(g), c.flows);
        EXPECT_EQ(relations(g), c.relations);
    }
}

} // namespace
