// The relation step: pressure networks oriented away from the source (or
// linked without direction when there is a loop), gravity networks toward
// the outlet and gravity paths from their first node; dead ends and open
// upstream ends.
#include "PipeNetworkTest.h"

namespace {

// Pool O with A up to W1, and B (to W2) and C (to W3) at W1.
class Relation : public PipeNetworkTest {
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

void Loop(Relation& t) {
    t.pipe("D", "W2", "W3");
}

// D from W2 to a bare point where only E goes on: D reaches no node.
void PipeBeyond(Relation& t) {
    t.point("j", 30, 5);
    t.point("k", 30, 15);
    t.pipe("D", "W2", "j");
    t.pipe("E", "j", "k");
}

// W5 shares W3's spot, so C reaches both, and D from there to an open end
// joins two wells but meets no new node.
void Twin(Relation& t) {
    t.well("W5", 20, -5);
    t.point("end", 30, -5);
    t.pipe("D", "W3", "end");
}

// W4 joined to W2 by a pipe that is not a network pipe.
void SideWell(Relation& t) {
    t.well("W4", 30, 5);
    t.pipe("E", "W2", "W4", 2);
}

TEST_F(Relation, EdgesAreOrientedFromTheRoot) {
    struct Case {
        const char* what;
        void (*draw)(Relation&);
        int kind; // 1 gravity, 2 pressure
        bool withOutNode;
        const char* from;
        const char* to; // null: CreateGraph(from, a point a tenth along A from O)
        int status;
        const char* root;
        const char* startEdge;
        std::string flows, relations;
    } cases[] = {
        {"pressure: out edges in connection order", nullptr, 2, false, "A", nullptr, 0, "O", "A",
         "A:O->W1 B:W1->W2 C:W1->W3", "O(outs A) W1(in A outs B C) W2(in B) W3(in C)"},
        {"pressure picked at W1's end of B: only the far side", nullptr, 2, false, "B", nullptr, 0,
         "W1", "B", "B:W1->W2", "W1(outs B) W2(in B)"},
        {"pressure with a loop: links without direction", Loop, 2, false, "A", nullptr, 0, "O", "A",
         "A:-->- B:-->- C:-->- D:-->-", "O(links A) W1(links A B C) W2(links B D) W3(links C D)"},
        {"pressure: an edge reaching no node fails after startEdge is set", PipeBeyond, 2, false,
         "A", nullptr, 6, "O", "A", "A:O->W1 B:W1->W2 C:W1->W3 D:W2->- E:-->-",
         "O(outs A) W1(in A outs B C) W2(in B outs D) W3()"},
        {"gravity from a pipe", nullptr, 1, false, "A", nullptr, 0, "O", "-",
         "A:W1->O B:W2->W1 C:W3->W1", "O(ins A) W1(ins B C out A) W2(out B) W3(out C)"},
        {"gravity from a well: the root, nothing pruned", nullptr, 1, false, "W1", nullptr, 0, "W1",
         "-", "A:O->W1 B:W2->W1 C:W3->W1", "W1(ins A B C) O(out A) W2(out B) W3(out C)"},
        {"gravity: D reaches no new node upstream", Twin, 1, false, "W1", nullptr, 6, "W1", "-",
         "A:O->W1 B:W2->W1 C:W5->W1 D:-->W3",
         "W1(ins A B C) O(out A) W2(out B) W3(ins D out C) W5()"},
        {"gravity with withOutNode: D is an open end", Twin, 1, true, "W1", nullptr, 0, "W1", "-",
         "B:W2->W1 C:W5->W1 D:-->W3", "W1(ins B C) O() W2(out B) W3(ins D out C) W5(out D)"},
        {"gravity path from the first well to the second", nullptr, 1, false, "W2", "O", 0, "W2",
         "-", "B:W2->W1 A:W1->O", "W2(out B) W1(in B out A) O(in A)"},
        {"gravity path through a pipe that is not a network pipe", SideWell, 1, false, "W4", "O", 0,
         "W4", "-", "B:-->- A:-->-", "W4() W1() W2() O()"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        hxhost::resetDrawings();
        SetUp();
        if (c.draw != nullptr)
            c.draw(*this);
        HxDbWtPipeGraph g;
        g.SetPipeGraphType(static_cast<HxDbWtPipeGraph::GraphType>(c.kind));
        g.SetWithOutNode(c.withOutNode);
        int status = c.to != nullptr ? g.CreateGraph(id(c.from), id(c.to))
                                     : g.CreateGraph(id(c.from), near("O", "W1"));
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(nameOf(g.rootId), c.root);
        EXPECT_EQ(edgeName(g, g.startEdge), c.startEdge);
        EXPECT_EQ(flows(g), c.flows);
        EXPECT_EQ(relations(g), c.relations);
    }
}

} // namespace
