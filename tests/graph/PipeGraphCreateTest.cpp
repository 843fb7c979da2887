// Creation: every status of the failure table, the drawing written only by
// the pipe-flag step, pruning at the picked end, and reset for reuse.
#include "PipeNetworkTest.h"

namespace {

// R is the root at the west end of A; Q and S are other branches of R, with
// W3 beyond S and W4.
class Creation : public PipeNetworkTest {
protected:
    void SetUp() override {
        well("R", 0, 0);
        well("W1", 10, 0);
        well("W2", 0, 10);
        well("W3", -10, -10);
        well("W4", 0, -10);
        pipe("A", "R", "W1");
        pipe("Q", "R", "W2");
        pipe("S", "R", "W4");
        pipe("T", "W4", "W3");
    }

    // The stored flag of every pipe and the object count: all the graph may
    // change in the drawing.
    std::string drawingState() const {
        std::string out = std::to_string(hxhost::objectCount());
        for (const char* p : {"A", "Q", "S", "T"})
            out += std::string(" ") + p + "=" + std::to_string(flagOf(p));
        return out;
    }
};

TEST_F(Creation, EveryStatusIsReachedAndNothingIsWrittenBeforeTheFlagStep) {
    auto openEnd = [](Creation& t) {
        t.point("x", 30, 0);
        t.pipe("X", "W1", "x");
    };
    auto island = [](Creation& t) { t.well("Z", 50, 50); };
    auto loop = [](Creation& t) { t.pipe("L", "W1", "W2"); };
    auto box = [](Creation& t) { t.equipment("E", 0, 20); };     // touches nothing
    auto boxOnW2 = [](Creation& t) { t.equipment("E", 0, 10); }; // around W2
    struct Case {
        const char* what;
        void (*draw)(Creation&);
        int kind;
        const char* from;
        const char* to; // null: CreateGraph(from, point)
        AcGePoint3d point;
        int status;
    } cases[] = {
        {"gravity tree", nullptr, 1, "A", nullptr, {1, 0, 0}, 0},
        {"path to a pipe", nullptr, 1, "R", "A", {}, 1},
        {"path from a pipe", nullptr, 1, "A", "W1", {}, 1},
        {"pressure from a well", nullptr, 2, "R", nullptr, {}, 3},
        {"open end picked", openEnd, 1, "X", nullptr, {30, 0, 0}, 4},
        {"no path", island, 1, "R", "Z", {}, 4},
        {"gravity loop", loop, 1, "A", nullptr, {1, 0, 0}, 5},
        {"path in a loop", loop, 2, "W1", "W2", {}, 5},
        {"unknown kind", nullptr, 3, "A", nullptr, {1, 0, 0}, 6},
        {"equipment as root", box, 1, "E", nullptr, {}, 7},
        {"path from equipment", boxOnW2, 1, "E", "R", {}, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        hxhost::resetDrawings();
        SetUp();
        if (c.draw != nullptr)
            c.draw(*this);
        std::string before = drawingState();
        HxDbWtPipeGraph g;
        g.SetPipeGraphType(static_cast<HxDbWtPipeGraph::GraphType>(c.kind));
        int status = c.to != nullptr ? g.CreateGraph(id(c.from), id(c.to))
                                     : g.CreateGraph(id(c.from), c.point);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(drawingState(), before);
        EXPECT_EQ(hxhost::describeOutstanding(), "");
        // Bad parameters and a kind mismatch stop before the base graph is built.
        EXPECT_EQ(g.EntList().Count() == 0, status == 1 || status == 3);
    }
}

TEST_F(Creation, PruningKeepsOnlyThePickedBranch) {
    HxDbWtPipeGraph g;
    ASSERT_EQ(g.CreateGraph(id("A"), near("R", "W1")), 0);
    EXPECT_EQ(g.rootId, id("R"));
    EXPECT_EQ(nodeList(g), "R W1");
    EXPECT_EQ(edgeList(g), "A");
    for (const char* gone : {"Q", "S", "T", "W2", "W3", "W4"})
        EXPECT_EQ(g.FindPipeGraphEnt(id(gone)), nullptr) << gone;
}

TEST_F(Creation, RootIsTheNearerEndInPlanWithTiesToTheStart) {
    well("H", 20, 0, 7.5);
    point("h", 20, 0); // under H: B's end differs from H in z only
    pipe("B", "W1", "h");
    struct Case {
        const char* pipe;
        AcGePoint3d point;
        const char* root;
    } cases[] = {{"A", {5, 0, 0}, "R"},
                 {"A", {4.9, 3, 0}, "R"},
                 {"A", {5.1, 0, 0}, "W1"},
                 {"B", {19, 0, 0}, "H"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.pipe << c.point.x);
        HxDbWtPipeGraph g;
        g.SetPipeGraphType(HxDbWtPipeGraph::kPressure);
        EXPECT_EQ(g.CreateGraph(id(c.pipe), c.point), 0);
        EXPECT_EQ(nameOf(g.rootId), c.root);
    }
}

TEST_F(Creation, ResetEmptiesTheGraphButKeepsRolesKindAndSwitch) {
    HxDbWtPipeGraph g;
    g.SetPipeGraphType(HxDbWtPipeGraph::kPressure);
    g.SetWithOutNode(true);
    ASSERT_EQ(g.CreateGraph(id("A"), near("R", "W1")), 0);
    ASSERT_EQ(g.startEdge, 0);
    g.ResetGraph();
    EXPECT_EQ(g.nodes.Count() + g.edges.Count() + g.EntList().Count(), 0);
    EXPECT_EQ(g.startEdge, -1);
    EXPECT_EQ(g.FindNodeIndex(id("R")), -1);
    EXPECT_EQ(g.rootId, id("R"));
    EXPECT_EQ(g.graphType, HxDbWtPipeGraph::kPressure);
    EXPECT_TRUE(g.IsWithOutNode());

    ASSERT_EQ(g.CreateGraph(id("R"), id("W3")), 0);
    EXPECT_EQ(nodeList(g), "R W4 W3");
    ASSERT_EQ(g.pathNodeOrder.Count(), 3);
    g.ResetGraph();
    EXPECT_EQ(g.pathEdgeOrder.Count() + g.pathNodeOrder.Count(), 0);
}

} // namespace
