// The graph model: lookups (first match wins, index kept in step with the
// lists), flags and deep copies.
#include "HostTest.h"

#include "HxDbWtPipeGraph.h"
#include "HxDbWtPipeGraphVerify.h"

namespace {

// Ids that only need to compare: lookups never open them.
AcDbObjectId fakeId(std::uintptr_t n) {
    return n == 0 ? AcDbObjectId() : AcDbObjectId(reinterpret_cast<AcDbStub*>(n * 16));
}

void addNode(HxDbWtPipeGraph& g, int n) {
    auto* node = new HxDbWtPipeNode;
    node->entityId = fakeId(n);
    g.nodes.Append(node);
}

void addEdge(HxDbWtPipeGraph& g, int n) {
    auto* edge = new HxDbWtPipeEdge;
    edge->pipeId = fakeId(n);
    g.edges.Append(edge);
}

class PipeGraphModel : public HostTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override { HxWtSetPipeGraphLiteralLookup(graph, GetParam()); }
    HxDbWtPipeGraph graph;
};

INSTANTIATE_TEST_SUITE_P(Lookup, PipeGraphModel, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Literal" : "Indexed"; });

TEST_P(PipeGraphModel, FirstMatchWinsInListOrderAndMissesGiveMinusOne) {
    for (int n : {0, 7}) { // the empty graph, null id included
        EXPECT_EQ(graph.FindNodeIndex(fakeId(n)) + graph.FindEdgeIndex(fakeId(n)), -2);
        EXPECT_EQ(graph.FindNode(fakeId(n)), nullptr);
        EXPECT_EQ(graph.FindEdge(fakeId(n)), nullptr);
    }
    for (int n : {3, 5, 3, 0, 9, 5}) {
        addNode(graph, n);
        addEdge(graph, n);
    }
    struct Case {
        int id;
        int index;
    } cases[] = {{3, 0}, {5, 1}, {0, 3}, {9, 4}, {4, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        graph.nodes.GoTo(1);
        graph.edges.GoTo(2);
        EXPECT_EQ(graph.FindNodeIndex(fakeId(c.id)), c.index);
        EXPECT_EQ(graph.FindEdgeIndex(fakeId(c.id)), c.index);
        HxDbWtPipeNode* node = graph.FindNode(fakeId(c.id));
        HxDbWtPipeEdge* edge = graph.FindEdge(fakeId(c.id));
        EXPECT_EQ(graph.nodes.CurrentIndex() * 10 + graph.edges.CurrentIndex(), 12)
            << "lookups leave the cursors alone";
        EXPECT_EQ(node, c.index < 0 ? nullptr : graph.nodes.At(c.index));
        EXPECT_EQ(edge, c.index < 0 ? nullptr : graph.edges.At(c.index));
    }
}

TEST_P(PipeGraphModel, LookupsFollowAppendsAndClears) {
    addNode(graph, 1);
    EXPECT_EQ(graph.FindNodeIndex(fakeId(2)), -1);
    addNode(graph, 2);
    EXPECT_EQ(graph.FindNodeIndex(fakeId(2)), 1);
    graph.nodes.RemoveAll(); // a caller clearing the list directly
    addNode(graph, 2);
    EXPECT_EQ(graph.FindNodeIndex(fakeId(2)), 0);
    EXPECT_EQ(graph.FindNodeIndex(fakeId(1)), -1);
    addNode(graph, 1);
    EXPECT_EQ(graph.FindNode(fakeId(1)), graph.nodes.At(1));
}

// Changes that keep the list's count and its first and last positions: the
// lookups still answer for the list as it is now.
TEST_P(PipeGraphModel, LookupsFollowChangesThatKeepCountAndEnds) {
    const struct {
        const char* change;
        void (*apply)(HxDbWtPipeGraph&);
        int newIndex;
    } cases[] = {
        {"middle replaced",
         [](HxDbWtPipeGraph& g) {
             g.nodes.RemoveAt(1);
             auto* node = new HxDbWtPipeNode;
             node->entityId = fakeId(9);
             g.nodes.InsertAt(1, node);
         },
         1},
        {"first overwritten in place",
         [](HxDbWtPipeGraph& g) {
             g.nodes.First();
             delete g.nodes.Current();
             auto* node = new HxDbWtPipeNode;
             node->entityId = fakeId(9);
             g.nodes.SetCurrent(node);
         },
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        graph.ResetGraph();
        for (int n : {1, 2, 3})
            addNode(graph, n);
        ASSERT_EQ(graph.FindNodeIndex(fakeId(3)), 2); // indexed before the change
        c.apply(graph);
        EXPECT_EQ(graph.FindNodeIndex(fakeId(9)), c.newIndex);
        EXPECT_EQ(graph.FindNode(fakeId(9)), graph.nodes.At(c.newIndex));
        EXPECT_EQ(graph.FindNodeIndex(fakeId(3)), 2);
    }
}

TEST_P(PipeGraphModel, FlagsAccumulateBits) {
    addNode(graph, 1);
    addEdge(graph, 1);
    EXPECT_EQ(graph.AddNodeFlag(fakeId(1), 4) + graph.AddNodeFlag(fakeId(1), 1), 2);
    EXPECT_EQ(graph.AddPipeFlag(fakeId(1), 2) + graph.AddPipeFlag(fakeId(1), 2), 2);
    EXPECT_EQ(graph.AddNodeFlag(fakeId(2), 8) + graph.AddPipeFlag(fakeId(2), 8), 0);
    EXPECT_EQ(graph.nodes.At(0)->GetData(), 5u);
    EXPECT_EQ(graph.edges.At(0)->GetData(), 2u);
}

TEST_F(HostTest, CopiesOfAGraphOwnTheirOwnElements) {
    auto original = std::make_unique<HxDbWtPipeGraph>();
    addNode(*original, 1);
    addEdge(*original, 2);
    HxDbWtPipeNode* node = original->nodes.At(0);
    node->inEdges.Append(0);
    node->Lock();
    node->AddBit(6);
    node->prefix = L"YS";
    original->startEdge = 0;
    original->SetWithOutNode(true);
    HxWtSetPipeGraphLiteralLookup(*original, true);

    HxDbWtPipeGraph copy(*original);
    HxDbWtPipeGraph assigned;
    addNode(assigned, 9);
    assigned = *original;
    original.reset(); // the copies must not share anything with it

    for (HxDbWtPipeGraph* g : {&copy, &assigned}) {
        ASSERT_EQ(g->nodes.Count(), 1);
        ASSERT_EQ(g->edges.Count(), 1);
        EXPECT_EQ(g->FindNodeIndex(fakeId(1)), 0);
        EXPECT_EQ(g->FindEdgeIndex(fakeId(2)), 0);
        EXPECT_EQ(g->FindNodeIndex(fakeId(9)), -1);
        HxDbWtPipeNode* n = g->nodes.At(0);
        EXPECT_EQ(n->inEdges.Count(), 1);
        EXPECT_EQ(n->IsLocked(), 1);
        EXPECT_EQ(n->GetData(), 6u);
        EXPECT_EQ(n->prefix, CString(L"YS"));
        EXPECT_EQ(g->startEdge, 0);
        EXPECT_TRUE(g->IsWithOutNode());
        EXPECT_TRUE(HxWtIsPipeGraphLiteralLookup(*g));
    }
    EXPECT_NE(copy.nodes.At(0), assigned.nodes.At(0));

    HxDbWtPipeGraph moved(std::move(copy));
    EXPECT_EQ(moved.FindEdgeIndex(fakeId(2)), 0);
    EXPECT_EQ(copy.edges.Count(), 0);
    HxDbWtPipeNode movedNode(std::move(*assigned.nodes.At(0)));
    EXPECT_EQ(assigned.nodes.At(0)->inEdges.Count(), 1) << "moving a node copies";
}

} // namespace
