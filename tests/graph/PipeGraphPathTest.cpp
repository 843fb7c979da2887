// Path queries, status messages and highlighting.
#include "PipeNetworkTest.h"

#include "hxhost/Session.h"

namespace {

// W1 - P1 - W2 - P2 - W3 - P3 - W4, built as a gravity network toward W1.
class Paths : public PipeNetworkTest {
protected:
    void SetUp() override {
        well("W1", 0, 0);
        well("W2", 10, 0);
        well("W3", 20, 0);
        well("W4", 30, 0);
        pipe("P1", "W1", "W2");
        pipe("P2", "W2", "W3");
        pipe("P3", "W3", "W4");
    }
    // The base graph's first path between two entities of g.
    HxDbPipeGraphPath* firstPath(HxDbWtPipeGraph& g, const char* from, const char* to) {
        g.FindPipePath(id(from), id(to));
        auto& paths = const_cast<HxPDList<HxDbPipeGraphPath>&>(g.PathList());
        return paths.Count() > 0 ? paths.At(0) : nullptr;
    }
};

TEST_F(Paths, GraphPathAppendsEdgeIndicesInPathOrder) {
    well("Z", 90, 90);
    HxDbWtPipeGraph g;
    ASSERT_EQ(g.CreateGraph(id("W1"), id("W3")), 0); // P3 is not loaded
    struct Case {
        const char *from, *to;
        int result;
        std::string edges; // behind the "-" that was there
    } cases[] = {{"W3", "W1", 1, "- P2 P1"}, {"W1", "W4", 1, "- P1 P2 -"}, {"W1", "Z", 0, "-"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + c.to);
        HxDList<int> result;
        result.Append(-1);
        EXPECT_EQ(g.FindGraphPipePath(id(c.from), id(c.to), result), c.result);
        EXPECT_EQ(edgeNames(g, result), c.edges);
    }
}

TEST_F(Paths, PathNodesFollowTheEdgesAndStopAtAMissingNode) {
    struct Case {
        const char *graphFrom, *graphTo; // the gravity path the graph is built on
        const char *from, *to;           // the base graph's path asked for
        int direction;
        bool clearP3End;
        int result;
        std::string nodes;
    } cases[] = {
        {"W1", "W4", "W1", "W2", 1, false, 1, "W1 W2"},
        {"W1", "W4", "W1", "W2", 0, false, 1, "W2 W1"},
        {"W1", "W4", "W1", "W4", 1, false, 1, "W1 W2 W3 W4"},
        {"W1", "W4", "W1", "W4", 0, false, 1, "W2 W1 W2 W3"},
        // P1 is no edge: the leading node comes only from the first id.
        {"W2", "W4", "W1", "W4", 1, false, 1, "W3 W4"},
        {"W2", "W4", "W1", "W4", 1, true, 0, "W3 -"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nodes);
        HxDbWtPipeGraph g;
        ASSERT_EQ(g.CreateGraph(id(c.graphFrom), id(c.graphTo)), 0);
        if (c.clearP3End)
            g.FindEdge(id("P3"))->endNode = -1;
        HxDbPipeGraphPath* path = firstPath(g, c.from, c.to);
        ASSERT_NE(path, nullptr);
        HxDList<int> result;
        EXPECT_EQ(g.GetPipePathNode(*path, result, c.direction), c.result);
        EXPECT_EQ(nodeNames(g, result), c.nodes);
    }
}

TEST_F(HostTest, ErrorMessagesAreExact) {
    const wchar_t* messages[] = {L"",
                                 L"\n参数类型错误.",
                                 L"\n打开实体失败.",
                                 L"\n管网类型与参数不匹配.",
                                 L"\n管网过滤失败.",
                                 L"\n重力流管网有环形.",
                                 L"\n建立管网关联失败.",
                                 L"\n无法找到节点信息."};
    HxDbWtPipeGraph g;
    for (int code = -1; code <= 8; ++code) {
        hxhost::clearCommandLine();
        g.PrintErrorCode(code);
        EXPECT_EQ(hxhost::commandLine(), code >= 1 && code <= 7 ? messages[code] : L"") << code;
    }
}

TEST_F(Paths, HighlightSwitchesEveryEdgePipeThatCanBeGotInOneTransaction) {
    HxDbWtPipeGraph g;
    ASSERT_EQ(g.CreateGraph(id("W1"), id("W4")), 0);
    hxhost::failNext(hxhost::kFaultOpen, 1);
    g.Highlight();
    EXPECT_FALSE(hxhost::isHighlighted(id("P1"))) << "could not be got";
    EXPECT_TRUE(hxhost::isHighlighted(id("P2")));
    EXPECT_TRUE(hxhost::isHighlighted(id("P3")));
    EXPECT_FALSE(hxhost::isHighlighted(id("W1"))) << "nodes are never highlighted";
    AcTransactionManager* tm = acDocManagerPtr()->curDocument()->transactionManager();
    EXPECT_EQ(tm->numActiveTransactions(), 0);
    g.UnHighlight();
    EXPECT_FALSE(hxhost::isHighlighted(id("P2")));
    EXPECT_EQ(tm->numActiveTransactions(), 0);

    HxDbWtPipeGraph empty;
    empty.Highlight(); // starts and ends a transaction with nothing to do
    EXPECT_EQ(hxhost::outstanding(hxhost::Resource::Transaction), 0);
}

} // namespace
