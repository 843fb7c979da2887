// The generic pipe graph (HxDbPipeGraph): collection order and connection
// lists, loops, paths, record removal, reset and copies.
#include "HostTest.h"
#include "HxWtDbObject.h"
#include "NetworkBuilder.h"
#include "dbents.h"

#include <algorithm>
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
    template <class Rec> static Ids idsOf(const HxPDList<Rec>& records) {
        Ids ids;
        auto& list = const_cast<HxPDList<Rec>&>(records);
        for (list.First(); !list.IsEnd(); list.Next())
            ids.push_back(list.Current()->GetObjectId());
        return ids;
    }
    Ids records() const { return idsOf(m_entList); }
    Ids equipment() const { return idsOf(m_equipList); }
    Ids connections(AcDbObjectId id) const {
        HxDbObjectIdList out;
        if (HxDbPipeGraphEnt* rec = FindPipeGraphEnt(id))
            rec->GetConnectEnt(out);
        return toIds(out);
    }
    Ids firstPath() const {
        HxDbObjectIdList out;
        if (m_pathList.Count() > 0)
            const_cast<HxPDList<HxDbPipeGraphPath>&>(m_pathList).At(0)->GetPathPipeId(out);
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
    // Collecting again from elsewhere adds no duplicates.
    ASSERT_TRUE(g.CreateRelateGraph(t.w4));
    EXPECT_EQ(g.records().size(), 7u);
}

TEST_F(PipeGraph, SeedRules) {
    const AcDbObjectId line =
        hxhost::addToModelSpace(new AcDbLine(AcGePoint3d(), AcGePoint3d(1, 0, 0)));
    const AcDbObjectId gone = net.well(0, 0);
    AcDbObject* obj = nullptr;
    ASSERT_EQ(acdbOpenObject(obj, gone, AcDb::kForWrite), Acad::eOk);
    obj->erase();
    obj->close();
    Graph g;
    for (const AcDbObjectId& refused : {AcDbObjectId(), line, gone})
        EXPECT_FALSE(g.CreateRelateGraph(refused));
    EXPECT_TRUE(g.records().empty());
    // A product entity outside the network kinds is one record on its own.
    const AcDbObjectId symbol =
        hxhost::addToModelSpace(new HxDbSymbElevation(AcGePoint3d(0, 0, 0), L"3.2"));
    net.pipe(0, 0, 5, 0);
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

TEST_F(PipeGraph, LoopsThroughWellsJointsAndEquipment) {
    using N = NetworkBuilder;
    const struct {
        const char* name;
        AcDbObjectId (*draw)(N&); // returns the seed
        bool loop;
        size_t records;
    } cases[] = {
        {"tree at wells", [](N& n) { return Tee(n).p1; }, false, 7},
        {"square of wells", [](N& n) { return n.grid(2, 2, 10.0, false); }, true, 8},
        {"triangle of bare joints",
         [](N& n) { return n.pipe(0, 0, 10, 0), n.pipe(10, 0, 5, 5), n.pipe(5, 5, 0, 0); }, true,
         3},
        {"star of bare joints",
         [](N& n) { return n.pipe(0, 0, 10, 0), n.pipe(0, 0, 0, 10), n.pipe(-10, 0, 0, 0); }, false,
         3},
        {"two pipes between two wells",
         [](N& n) { return n.well(0, 0), n.well(10, 0), n.pipe(0, 0, 10, 0), n.pipe(10, 0, 0, 0); },
         true, 4},
        {"two pipes from a well into one box",
         [](N& n) { return n.equipment(9, -2, 11, 2), n.pipe(0, 0, 10, 1), n.pipe(0, 0, 10, -1); },
         true, 3},
        {"one pipe from a well into a box",
         [](N& n) { return n.equipment(9, -2, 11, 2), n.well(0, 0), n.pipe(0, 0, 10, 1); }, false,
         3},
        {"pipe with both ends in one box",
         [](N& n) { return n.equipment(0, 0, 10, 10), n.pipe(1, 1, 5, 5); }, true, 2},
        {"tree of a grid", [](N& n) { return n.grid(6, 5, 10.0, true); }, false, 59},
        {"full grid", [](N& n) { return n.grid(30, 30, 10.0, false); }, true, 900 + 2 * 29 * 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Graph g;
        ASSERT_TRUE(g.CreateRelateGraph(c.draw(net)));
        EXPECT_EQ(g.HasLoop(), c.loop);
        EXPECT_EQ(g.records().size(), c.records);
        hxhost::resetDrawings();
    }
}

TEST_F(PipeGraph, PathsRunFromTheFirstEntityOrFail) {
    const Tee t(net);
    const AcDbObjectId far = net.well(100, 100);
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(t.w1));
    const struct {
        AcDbObjectId from, to;
        Ids path; // empty: no path (result 0)
    } cases[] = {
        {t.w1, t.w3, {t.p1, t.p2}},
        {t.w4, t.w1, {t.p3, t.p1}},
        {t.p2, t.w1, {t.p2, t.p1}},
        {t.w2, t.p3, {t.p3}},
        {t.w1, far, {}},
        {t.w1, t.w1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(g.FindPipePath(c.from, c.to), c.path.empty() ? 0 : 1);
        EXPECT_EQ(g.firstPath(), c.path);
        EXPECT_EQ(g.PathList().Count(), c.path.empty() ? 0 : 1);
    }
    ASSERT_TRUE(g.RemoveEnt(t.p2));
    EXPECT_EQ(g.FindPipePath(t.w1, t.w3), 0);
}

TEST_F(PipeGraph, PathThroughJointsEquipmentAndTheShortWayRound) {
    const AcDbObjectId a = net.well(0, 0);
    const AcDbObjectId p = net.pipe(0, 0, 5, 0);
    const AcDbObjectId q = net.pipe(5, 0, 10, 0);
    net.equipment(9, -1, 11, 1);
    const AcDbObjectId r = net.pipe(20, 0, 10.5, 0.5);
    const AcDbObjectId b = net.well(20, 0);
    // The long way back from b to a: four pipes up, across and down.
    const Ids around{net.pipe(0, 10, 0, 0), net.pipe(10, 10, 0, 10), net.pipe(20, 10, 10, 10),
                     net.pipe(20, 0, 20, 10)};
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(a));
    ASSERT_TRUE(g.HasLoop());
    EXPECT_EQ(g.FindPipePath(a, b), 1);
    EXPECT_EQ(g.firstPath(), (Ids{p, q, r}));
    // Cutting the short way opens the loop; the path goes round.
    ASSERT_TRUE(g.RemoveEnt(q));
    EXPECT_FALSE(g.HasLoop());
    EXPECT_EQ(g.FindPipePath(a, b), 1);
    EXPECT_EQ(g.firstPath(), around);
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
    Graph g;
    ASSERT_TRUE(g.CreateRelateGraph(net.grid(8, 8, 10.0, true)));
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

TEST_F(PipeGraph, CopiesAreIndependentAndResetEmpties) {
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
    }
    EXPECT_EQ(g.connections(t.p1), (Ids{t.w1, t.w2, t.p2, t.p3}));
    g.Reset();
    EXPECT_TRUE(g.records().empty());
    EXPECT_EQ(g.PathList().Count(), 0);
    EXPECT_EQ(g.FindPipeGraphEnt(t.w1), nullptr);
    ASSERT_TRUE(g.CreateRelateGraph(t.w4));
    EXPECT_EQ(g.records().front(), t.w4);
    EXPECT_EQ(copy.records().size(), 6u);
}

} // namespace
