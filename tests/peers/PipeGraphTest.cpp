// The generic pipe graph (HxDbPipeGraph): collection order and connection
// lists, loops, paths, record removal, reset and copies.
#include "HostTest.h"
#include "HxWtDbObject.h"
#include "NetworkBuilder.h"
#include "dbents.h"

#include <functional>
#include <vector>

namespace {

using Ids = std::vector<AcDbObjectId>;

Ids toIds(HxDbObjectIdList& list) {
    Ids ids;
    for (list.First(); !list.IsEnd(); list.Next())
        ids.push_back(list.Current());
    return ids;
}

// Exposes the record lists that only derived graphs see.
class Graph : public HxDbPipeGraph {
public:
    using HxDbPipeGraph::HxDbPipeGraph;
    Ids records() const {
        Ids ids;
        auto& list = const_cast<HxPDList<HxDbPipeGraphEnt>&>(m_entList);
        for (list.First(); !list.IsEnd(); list.Next())
            ids.push_back(list.Current()->GetObjectId());
        return ids;
    }
    Ids equipment() const {
        Ids ids;
        auto& list = const_cast<HxPDList<HxDbPipeGraphEquip>&>(m_equipList);
        for (list.First(); !list.IsEnd(); list.Next())
            ids.push_back(list.Current()->GetObjectId());
        return ids;
    }
    Ids connections(AcDbObjectId id) const {
        HxDbObjectIdList out;
        if (HxDbPipeGraphEnt* rec = FindPipeGraphEnt(id))
            rec->GetConnectEnt(out);
        return toIds(out);
    }
    Ids firstPath() const {
        HxDbObjectIdList out;
        auto& paths = const_cast<HxPDList<HxDbPipeGraphPath>&>(m_pathList);
        if (paths.Count() > 0)
            paths.At(0)->GetPathPipeId(out);
        return toIds(out);
    }
};

class PipeGraph : public HostTest {
protected:
    NetworkBuilder net;
};

// W1 --P1-- W2 --P2-- W3, and P3 from W2 up to W4.
struct Tee {
    AcDbObjectId w1, w2, w3, w4, p1, p2, p3;
    explicit Tee(NetworkBuilder& net)
        : w1(net.well(0, 0)), w2(net.well(10, 0)), w3(net.well(20, 0)), w4(net.well(10, 10)),
          p1(net.pipe(0, 0, 10, 0)), p2(net.pipe(10, 0, 20, 0)), p3(net.pipe(10, 0, 10, 10)) {}
};

TEST_F(PipeGraph, CollectsBreadthFirstWithOrderedConnections) {
    const Tee t(net);
    net.well(50, 50); // not connected
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(t.p1));
    EXPECT_EQ(g.records(), (Ids{t.p1, t.w1, t.w2, t.p2, t.p3, t.w3, t.w4}));
    EXPECT_EQ(g.connections(t.p1), (Ids{t.w1, t.w2, t.p2, t.p3}));
    EXPECT_EQ(g.connections(t.w2), (Ids{t.p1, t.p2, t.p3}));
    EXPECT_EQ(g.connections(t.p3), (Ids{t.w2, t.p1, t.p2, t.w4}));
    EXPECT_EQ(g.connections(t.w4), (Ids{t.p3}));
    EXPECT_FALSE(g.HasLoop());
}

TEST_F(PipeGraph, CollectingAgainAddsNoDuplicates) {
    const Tee t(net);
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(t.w4));
    ASSERT_TRUE(g.CreateRelateGraph(t.p2));
    EXPECT_EQ(g.records().size(), 7u);
    EXPECT_EQ(g.records().front(), t.w4);
}

TEST_F(PipeGraph, RefusesWhatIsNotAProductEntity) {
    const AcDbObjectId line =
        hxhost::addToModelSpace(new AcDbLine(AcGePoint3d(), AcGePoint3d(1, 0, 0)));
    const AcDbObjectId gone = net.well(0, 0);
    AcDbObject* obj = nullptr;
    ASSERT_EQ(acdbOpenObject(obj, gone, AcDb::kForWrite), Acad::eOk);
    obj->erase();
    obj->close();
    Graph g;
    EXPECT_FALSE(g.CreateRelateGraph(AcDbObjectId()));
    EXPECT_FALSE(g.CreateRelateGraph(line));
    EXPECT_FALSE(g.CreateRelateGraph(gone));
    EXPECT_TRUE(g.records().empty());
}

TEST_F(PipeGraph, LoneEntityGivesOneRecord) {
    const AcDbObjectId symbol =
        hxhost::addToModelSpace(new HxDbSymbElevation(AcGePoint3d(0, 0, 0), L"3.2"));
    net.pipe(0, 0, 5, 0);
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(symbol));
    EXPECT_EQ(g.records(), Ids{symbol});
    EXPECT_TRUE(g.connections(symbol).empty());
}

TEST_F(PipeGraph, EquipmentGetsItsOwnRecordToo) {
    const AcDbObjectId w = net.well(0, 0);
    const AcDbObjectId box = net.equipment(9, -1, 11, 1);
    const AcDbObjectId a = net.pipe(0, 0, 10, 0);
    const AcDbObjectId b = net.pipe(10, 0.5, 20, 0.5);
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(w));
    EXPECT_EQ(g.records(), (Ids{w, a, box, b}));
    EXPECT_EQ(g.equipment(), Ids{box});
    EXPECT_EQ(g.connections(box), (Ids{a, b}));
}

struct LoopCase {
    const char* name;
    std::function<AcDbObjectId(NetworkBuilder&)> draw; // returns the seed
    bool loop;
};

TEST_F(PipeGraph, LoopsThroughWellsJointsAndEquipment) {
    const LoopCase cases[] = {
        {"tree at wells", [](NetworkBuilder& n) { return Tee(n).p1; }, false},
        {"square of wells", [](NetworkBuilder& n) { return n.grid(2, 2, 10.0, false); }, true},
        {"triangle of bare joints",
         [](NetworkBuilder& n) {
             n.pipe(0, 0, 10, 0);
             n.pipe(10, 0, 5, 5);
             return n.pipe(5, 5, 0, 0);
         },
         true},
        {"star of bare joints",
         [](NetworkBuilder& n) {
             n.pipe(0, 0, 10, 0);
             n.pipe(0, 0, 0, 10);
             return n.pipe(-10, 0, 0, 0);
         },
         false},
        {"two pipes between two wells",
         [](NetworkBuilder& n) {
             n.well(0, 0);
             n.well(10, 0);
             n.pipe(0, 0, 10, 0);
             return n.pipe(10, 0, 0, 0);
         },
         true},
        {"two pipes from a well into one box",
         [](NetworkBuilder& n) {
             n.equipment(9, -2, 11, 2);
             n.pipe(0, 0, 10, 1);
             return n.pipe(0, 0, 10, -1);
         },
         true},
        {"one pipe from a well into a box",
         [](NetworkBuilder& n) {
             n.equipment(9, -2, 11, 2);
             n.well(0, 0);
             return n.pipe(0, 0, 10, 1);
         },
         false},
        {"pipe with both ends in one box",
         [](NetworkBuilder& n) {
             n.equipment(0, 0, 10, 10);
             return n.pipe(1, 1, 5, 5);
         },
         true},
        {"tree of a grid", [](NetworkBuilder& n) { return n.grid(6, 5, 10.0, true); }, false},
        {"full grid", [](NetworkBuilder& n) { return n.grid(6, 5, 10.0, false); }, true},
    };
    for (const LoopCase& c : cases) {
        const AcDbObjectId seed = c.draw(net);
        Graph g;
        ASSERT_TRUE(g.CreateRelateGraph(seed)) << c.name;
        EXPECT_EQ(g.HasLoop(), c.loop) << c.name;
        hxhost::resetDrawings();
    }
}

TEST_F(PipeGraph, PathRunsFromTheFirstEntity) {
    const Tee t(net);
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(t.w1));
    EXPECT_EQ(g.FindPipePath(t.w1, t.w3), 1);
    EXPECT_EQ(g.firstPath(), (Ids{t.p1, t.p2}));
    EXPECT_EQ(g.FindPipePath(t.w4, t.w1), 1);
    EXPECT_EQ(g.firstPath(), (Ids{t.p3, t.p1}));
    EXPECT_EQ(g.FindPipePath(t.p2, t.w1), 1);
    EXPECT_EQ(g.firstPath(), (Ids{t.p2, t.p1}));
    EXPECT_EQ(g.FindPipePath(t.w2, t.p3), 1);
    EXPECT_EQ(g.firstPath(), (Ids{t.p3}));
    EXPECT_EQ(g.PathList().Count(), 1);
}

TEST_F(PipeGraph, PathThroughJointsAndEquipment) {
    const AcDbObjectId a = net.well(0, 0);
    const AcDbObjectId p = net.pipe(0, 0, 5, 0);
    const AcDbObjectId q = net.pipe(5, 0, 10, 0);
    net.equipment(9, -1, 11, 1);
    const AcDbObjectId r = net.pipe(20, 0, 10.5, 0.5);
    const AcDbObjectId b = net.well(20, 0);
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(a));
    EXPECT_EQ(g.FindPipePath(a, b), 1);
    EXPECT_EQ(g.firstPath(), (Ids{p, q, r}));
}

TEST_F(PipeGraph, ShortestPathAroundALoop) {
    // Square W(0,0) W(0,10) W(10,0) W(10,10): from (0,0) to (10,0) directly.
    const AcDbObjectId w00 = net.grid(2, 2, 10.0, false);
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(w00));
    HxDbObjectIdList wells;
    HxDbPipeEntity* first = nullptr;
    const AcDbObjectId direct = g.connections(w00).front();
    ASSERT_EQ(acdbOpenObject(first, direct, AcDb::kForRead), Acad::eOk);
    first->GetConnectEnt(wells, HxDbWtWell::desc());
    first->close();
    const Ids ends = toIds(wells);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(g.FindPipePath(ends[0], ends[1]), 1);
    EXPECT_EQ(g.firstPath(), Ids{direct});
}

TEST_F(PipeGraph, NoPathLeavesTheListEmpty) {
    const Tee t(net);
    const AcDbObjectId far = net.well(100, 100);
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(t.w1));
    ASSERT_EQ(g.FindPipePath(t.w1, t.w3), 1);
    EXPECT_EQ(g.FindPipePath(t.w1, far), 0);
    EXPECT_EQ(g.PathList().Count(), 0);
    EXPECT_EQ(g.FindPipePath(t.w1, t.w1), 0);
    EXPECT_EQ(g.PathList().Count(), 0);
    ASSERT_TRUE(g.RemoveEnt(t.p2));
    EXPECT_EQ(g.FindPipePath(t.w1, t.w3), 0);
}

TEST_F(PipeGraph, RemoveEntDropsRecordAndEveryMention) {
    const Tee t(net);
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(t.p1));
    EXPECT_TRUE(g.RemoveEnt(t.w2));
    EXPECT_EQ(g.FindPipeGraphEnt(t.w2), nullptr);
    EXPECT_EQ(g.connections(t.p1), (Ids{t.w1, t.p2, t.p3}));
    EXPECT_EQ(g.connections(t.p3), (Ids{t.p1, t.p2, t.w4}));
    EXPECT_FALSE(g.RemoveEnt(t.w2));
    EXPECT_EQ(g.records(), (Ids{t.p1, t.w1, t.p2, t.p3, t.w3, t.w4}));
}

TEST_F(PipeGraph, RemovalsInAnyOrderKeepTheRestInOrder) {
    const AcDbObjectId seed = net.grid(8, 8, 10.0, true);
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(seed));
    Ids expected = g.records();
    // Remove every third record, back to front, then the first and last.
    for (int i = static_cast<int>(expected.size()) - 1; i >= 0; i -= 3) {
        ASSERT_TRUE(g.RemoveEnt(expected[static_cast<size_t>(i)]));
        expected.erase(expected.begin() + i);
    }
    for (const AcDbObjectId id : {expected.front(), expected.back()}) {
        ASSERT_TRUE(g.RemoveEnt(id));
        expected.erase(std::find(expected.begin(), expected.end(), id));
    }
    EXPECT_EQ(g.records(), expected);
    for (const AcDbObjectId& id : expected)
        EXPECT_NE(g.FindPipeGraphEnt(id), nullptr);
}

TEST_F(PipeGraph, ResetEmptiesEverything) {
    const Tee t(net);
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(t.w1));
    g.FindPipePath(t.w1, t.w4);
    g.Reset();
    EXPECT_TRUE(g.records().empty());
    EXPECT_EQ(g.PathList().Count(), 0);
    EXPECT_EQ(g.FindPipeGraphEnt(t.w1), nullptr);
    ASSERT_TRUE(g.CreateRelateGraph(t.w4));
    EXPECT_EQ(g.records().size(), 7u);
}

TEST_F(PipeGraph, CopiesAreIndependent) {
    const Tee t(net);
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(t.p1));
    g.FindPipePath(t.w1, t.w3);
    Graph copy(g);
    Graph assigned;
    assigned = g;
    for (Graph* c : {&copy, &assigned}) {
        EXPECT_EQ(c->records(), g.records());
        EXPECT_EQ(c->firstPath(), g.firstPath());
        EXPECT_NE(c->FindPipeGraphEnt(t.w2), g.FindPipeGraphEnt(t.w2));
        EXPECT_TRUE(c->RemoveEnt(t.w2));
        EXPECT_TRUE(c->HasLoop() == false);
    }
    EXPECT_NE(g.FindPipeGraphEnt(t.w2), nullptr);
    EXPECT_EQ(g.connections(t.p1), (Ids{t.w1, t.w2, t.p2, t.p3}));
    EXPECT_EQ(g.records().size(), 7u);
}

TEST_F(PipeGraph, CollectsAGridInFull) {
    const AcDbObjectId seed = net.grid(30, 30, 10.0, false);
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(seed));
    EXPECT_EQ(g.records().size(), 900u + 2u * 29u * 30u);
    EXPECT_TRUE(g.HasLoop());
}

} // namespace
