// Creation: every status of the failure table, the drawing written only by
// the pipe-flag step, pruning at the picked end, and reset for reuse.
#include "PipeNetworkTest.h"

#include <functional>

namespace {

// R is the root at the west end of A; Q and S are other branches of R, with
// W3 beyond S; E is equipment on R's east side, touching R only.
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
    struct Case {
        const char* what;
        std::function<void(Creation&)> draw;
        std::function<int(Creation&, HxDbWtPipeGraph&)> create;
        int status;
    } cases[] = {
        {"gravity tree", nullptr,
         [](Creation& t, HxDbWtPipeGraph& g) {
             return g.CreateGraph(t.id("A"), t.near("R", "W1"));
         },
         0},
        {"path to a pipe", nullptr,
         [](Creation& t, HxDbWtPipeGraph& g) { return g.CreateGraph(t.id("R"), t.id("A")); }, 1},
        {"path from a pipe", nullptr,
         [](Creation& t, HxDbWtPipeGraph& g) { return g.CreateGraph(t.id("A"), t.id("W1")); }, 1},
        {"pressure from a well", nullptr,
         [](Creation& t, HxDbWtPipeGraph& g) {
             g.SetPipeGraphType(HxDbWtPipeGraph::kPressure);
             return g.CreateGraph(t.id("R"), AcGePoint3d());
         },
         3},
        {"open end picked",
         [](Creation& t) {
             t.point("x", 30, 0);
             t.pipe("X", "W1", "x");
         },
         [](Creation& t, HxDbWtPipeGraph& g) { return g.CreateGraph(t.id("X"), t.at("x")); }, 4},
        {"no path", [](Creation& t) { t.well("Z", 50, 50); },
         [](Creation& t, HxDbWtPipeGraph& g) { return g.CreateGraph(t.id("R"), t.id("Z")); }, 4},
        {"gravity loop", [](Creation& t) { t.pipe("L", "W1", "W2"); },
         [](Creation& t, HxDbWtPipeGraph& g) {
             return g.CreateGraph(t.id("A"), t.near("R", "W1"));
         },
         5},
        {"path in a loop", [](Creation& t) { t.pipe("L", "W1", "W2"); },
         [](Creation& t, HxDbWtPipeGraph& g) {
             g.SetPipeGraphType(HxDbWtPipeGraph::kPressure);
             return g.CreateGraph(t.id("W1"), t.id("W2"));
         },
         5},
        {"unknown kind", nullptr,
         [](Creation& t, HxDbWtPipeGraph& g) {
             g.SetPipeGraphType(static_cast<HxDbWtPipeGraph::GraphType>(3));
             return g.CreateGraph(t.id("A"), t.near("R", "W1"));
         },
         6},
        {"equipment as root", [](Creation& t) { t.equipment("E", 0, 20); },
         [](Creation& t, HxDbWtPipeGraph& g) { return g.CreateGraph(t.id("E"), AcGePoint3d()); },
         7},
        {"path from equipment", [](Creation& t) { t.equipment("E", 0, 10); },
         [](Creation& t, HxDbWtPipeGraph& g) { return g.CreateGraph(t.id("E"), t.id("R")); }, 7},
    };
    for (const Case& c : cases) {
        hxhost::resetDrawings();
        SetUp();
        if (c.draw)
            c.draw(*this);
        std::string before = drawingState();
        HxDbWtPipeGraph g;
        EXPECT_EQ(c.create(*this, g), c.status) << c.what;
        EXPECT_EQ(drawingState(), before) << c.what;
        EXPECT_EQ(hxhost::describeOutstanding(), "") << c.what;
    }
}

TEST_F(Creation, PressureFromAWellBuildsNoBaseGraph) {
    HxDbWtPipeGraph g;
    g.SetPipeGraphType(HxDbWtPipeGraph::kPressure);
    EXPECT_EQ(g.CreateGraph(id("R"), AcGePoint3d()), 3);
    EXPECT_EQ(g.EntList().Count(), 0);
    EXPECT_EQ(g.pickedId, id("R"));
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

TEST_F(Creation, EndIsChosenByDistanceWithTiesToTheStart) {
    struct Case {
        AcGePoint3d point;
        const char* root;
    } cases[] = {{{5, 0, 0}, "R"}, {{4.9, 3, 0}, "R"}, {{5.1, 0, 0}, "W1"}};
    for (const Case& c : cases) {
        HxDbWtPipeGraph g;
        g.SetPipeGraphType(HxDbWtPipeGraph::kPressure);
        EXPECT_EQ(g.CreateGraph(id("A"), c.point), 0);
        EXPECT_EQ(nameOf(g.rootId), c.root) << c.point.x;
    }
}

TEST_F(Creation, RootMatchesInPlanOnly) {
    well("H", 20, 0, 7.5); // differs from B's end in z only
    auto* b = new HxDbWtPipe(AcGePoint3d(10, 0, 0), AcGePoint3d(20, 0, 0));
    AcDbObjectId bId = hxhost::addToModelSpace(b);
    HxDbWtPipeGraph g;
    EXPECT_EQ(g.CreateGraph(bId, AcGePoint3d(19, 0, 0)), 0);
    EXPECT_EQ(g.rootId, id("H"));
}

TEST_F(Creation, ResetAllowsANewCreation) {
    HxDbWtPipeGraph g;
    ASSERT_EQ(g.CreateGraph(id("A"), near("R", "W1")), 0);
    g.ResetGraph();
    EXPECT_EQ(g.nodes.Count() + g.edges.Count(), 0);
    EXPECT_EQ(g.EntList().Count(), 0);
    EXPECT_EQ(g.startEdge, -1);
    EXPECT_EQ(g.CreateGraph(id("W2"), AcGePoint3d()), 0);
    EXPECT_EQ(g.rootId, id("W2"));
    EXPECT_EQ(g.nodes.Count(), 5);
}

} // namespace
