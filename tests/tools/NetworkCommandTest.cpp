// hxwt network on the bundled samples: the table, the failure path, JSON and
// SVG. Handles are those of the committed examples (the samples are drawn
// in a fixed order: gravity's outlet pool is 8, its outlet pipe 10).
#include "HostTest.h"
#include "ToolRunner.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string example(const char* name) {
    return std::string("'") + HXWT_EXAMPLES_DIR + "/" + name + ".dxf'";
}

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

bool has(const std::string& text, const std::string& what) {
    return text.find(what) != std::string::npos;
}

TEST(ToolNetwork, GravitySampleFlowsToTheOutlet) {
    ToolResult r = runTool("network " + example("gravity") + " --pick 10 --at 2,0");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, "gravity network, root 8, 7 nodes, 6 edges")) << r.out;
    // Each branch pipe runs toward the outlet, never away from it.
    for (const char* flow :
         {"W1 -> 1 O", "W2 -> 0 W1", "W4 -> 0 W1", "W3 -> 2 W2", "W6 -> 2 W2", "W5 -> 3 W4"})
        EXPECT_TRUE(has(r.out, flow)) << flow << "\n" << r.out;
    // Gulley pipes (flag 2) and the pipe on equipment (flag 3) are listed
    // with their wells and are not edges.
    EXPECT_TRUE(has(r.out, "16 17\n")) << r.out;
    EXPECT_EQ(count(r.out, " -> "), 6u);
}

TEST(ToolNetwork, PressureSampleFlowsAwayFromTheSource) {
    ToolResult r = runTool("network " + example("pressure") + " --pick E --at 2,0 --pressure");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, "pressure network, root 8, 6 nodes, 5 edges")) << r.out;
    for (const char* flow : {"S1 -> 1 J1", "J1 -> 2 J2", "J1 -> 3 J3", "J2 -> 4 J4", "J2 -> 5 J5"})
        EXPECT_TRUE(has(r.out, flow)) << flow << "\n" << r.out;
}

TEST(ToolNetwork, PickedWellIsTheRootOfTheWholeNetwork) {
    ToolResult r = runTool("network " + example("gravity") + " --pick 9");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, "gravity network, root 9, 7 nodes, 6 edges")) << r.out;
    EXPECT_TRUE(has(r.out, "O -> ")) << "the outlet now drains into the picked well\n" << r.out;
    // Its heights say otherwise: the engineer is told, pipe by pipe.
    EXPECT_TRUE(has(r.err, "warning: pipe 10 (O -> W1) runs uphill")) << r.err;
    EXPECT_EQ(count(r.err, "runs uphill"), 1u) << r.err;
}

TEST(ToolNetwork, FailuresExitNonZeroWithTheirMessage) {
    struct Case {
        std::string args;
        int exitCode;
        std::string err;
    } cases[] = {
        {"network " + example("loop") + " --pick E --at 2,0", 1, "重力流管网有环形."},
        {"network " + example("pressure") + " --pick 8 --pressure", 1, "管网类型与参数不匹配."},
        {"network " + example("gravity") + " --pick FFFF --at 0,0", 2,
         "no object with handle FFFF"},
        {"network " + example("gravity") + " --pick 10 --at 2", 2, "--at wants X,Y"},
        {"network " + example("supply") + " --pick 10 --at 1,0 --pressure", 1, "建立管网关联失败."},
        {"network /nonexistent.dxf --pick 10 --at 2,0", 2, "nonexistent.dxf"},
    };
    for (const Case& c : cases) {
        ToolResult r = runTool(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args;
        EXPECT_TRUE(has(r.err, c.err)) << c.args << "\n" << r.err;
    }
}

TEST(ToolNetwork, JsonCarriesStatusNodesAndEdges) {
    ToolResult r = runTool("network " + example("gravity") + " --pick 10 --at 2,0 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, "\"status\": 0,")) << r.out;
    EXPECT_TRUE(has(r.out, "\"root\": \"8\"")) << r.out;
    EXPECT_EQ(count(r.out, "\"kind\": "), 7u);
    EXPECT_EQ(count(r.out, "\"startNode\": "), 6u);
    EXPECT_TRUE(has(r.out, "{\"index\": 1, \"handle\": \"8\", \"kind\": \"pool\", \"name\": \"O\", "
                           "\"location\": [0, 0, 12], \"inEdges\": [0], \"outEdges\": []"))
        << r.out;
    EXPECT_TRUE(has(r.out, "{\"index\": 0, \"handle\": \"10\", \"startNode\": 0, \"endNode\": 1, "
                           "\"linkNodes\": [], \"diameter\": 500, \"length\": 30, "))
        << r.out;
    EXPECT_EQ(r.out, runTool("network " + example("gravity") + " --pick 10 --at 2,0 --json").out)
        << "the same drawing gives the same JSON";
}

TEST(ToolNetwork, JsonOfAFailureHasTheStatusAndMessage) {
    ToolResult r = runTool("network " + example("loop") + " --pick E --at 2,0 --json");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(has(r.out, "\"status\": 5,")) << r.out;
    EXPECT_TRUE(has(r.out, "\"message\": \"重力流管网有环形.\"")) << r.out;
}

TEST(ToolNetwork, SvgDrawsPipesWellsAndTheOutlet) {
    std::string svg = "/tmp/hxwt-network-" + std::to_string(getpid()) + ".svg";
    ToolResult r =
        runTool("network " + example("gravity") + " --pick 10 --at 2,0 --svg '" + svg + "'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::ifstream in(svg, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string drawing = text.str();
    std::remove(svg.c_str());
    EXPECT_EQ(count(drawing, "<title>pipe "), 6u) << "one line per edge";
    EXPECT_EQ(count(drawing, "\" marker-end=\"url(#flow)\"><title>pipe"), 6u)
        << "every edge has a direction";
    EXPECT_EQ(count(drawing, "<circle class=\"node\" cx"), 7u) << "one circle per well, one legend";
    EXPECT_EQ(count(drawing, "<rect class=\"node root\""), 1u) << "the outlet pool, marked";
    EXPECT_TRUE(has(drawing, ">DN500<")) << drawing;
    EXPECT_TRUE(has(drawing, ">W5<")) << drawing;
}

TEST(ToolNetwork, SvgOfThePressureSampleMarksItsSourceWell) {
    std::string svg = "/tmp/hxwt-pressure-" + std::to_string(getpid()) + ".svg";
    ToolResult r = runTool("network " + example("pressure") +
                           " --pick E --at 2,0 --pressure --svg '" + svg + "'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::ifstream in(svg, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::remove(svg.c_str());
    EXPECT_EQ(count(text.str(), "\" marker-end=\"url(#flow)\"><title>pipe"), 5u)
        << "a pressure tree has a direction too";
    EXPECT_EQ(count(text.str(), "<title>well"), 0u);
    EXPECT_EQ(count(text.str(), "<circle class=\"node root\""), 2u) << "the root and its legend";
    EXPECT_TRUE(has(text.str(), ">S1 (root)<")) << text.str();
}

} // namespace
