// hxwt path on the gravity sample: a leaf well to the outlet, in order.
#include "HostTest.h"
#include "ToolRunner.h"

namespace {

const std::string kGravity = std::string("'") + HXWT_EXAMPLES_DIR + "/gravity.dxf'";

TEST(ToolPath, JsonListsThePathInOrder) {
    ToolResult r = runTool("path " + kGravity + " --from D --to 8 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\"path\": {\"nodes\": [0, 1, 2, 3], \"edges\": [0, 1, 2]}"),
              std::string::npos)
        << r.out;
}

TEST(ToolPath, PathsRunFromTheFirstWellToTheSecond) {
    struct Case {
        std::string from, to, path;
    } cases[] = {
        {"D", "8", "path: W5 -> W4 -> W1 -> O\npath edges: 14 13 10\n"},
        {"D", "E", "path: W5 -> W4 -> W1 -> W2 -> W6\npath edges: 14 13 11 15\n"},
        {"8", "B", "path: O -> W1 -> W2 -> W3\npath edges: 10 11 12\n"},
    };
    for (const Case& c : cases) {
        ToolResult r = runTool("path " + kGravity + " --from " + c.from + " --to " + c.to);
        EXPECT_EQ(r.exitCode, 0) << c.from << " " << c.to << ": " << r.err;
        EXPECT_NE(r.out.find(c.path), std::string::npos) << r.out;
    }
}

TEST(ToolPath, FailuresExitNonZeroWithTheirMessage) {
    const std::string loop = std::string("'") + HXWT_EXAMPLES_DIR + "/loop.dxf'";
    struct Case {
        std::string args;
        int exitCode;
        std::string err;
    } cases[] = {
        {"path " + kGravity + " --from 10 --to 8", 1, "参数类型错误."},
        {"path " + loop + " --from B --to 8", 1, "重力流管网有环形."},
        {"path " + kGravity + " --from D --to zz", 2, "no object with handle zz"},
    };
    for (const Case& c : cases) {
        ToolResult r = runTool(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << c.args << "\n" << r.err;
    }
}

} // namespace
