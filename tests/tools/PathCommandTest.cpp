// hxwt path on the gravity sample: a leaf well to the outlet, in order.
#include "HostTest.h"
#include "ToolRunner.h"

namespace {

const std::string kGravity = std::string("'") + HXWT_EXAMPLES_DIR + "/gravity.dxf'";

TEST(ToolPath, LeafWellToTheOutletInOrder) {
    ToolResult r = runTool("path " + kGravity + " --from D --to 8");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("path: W5 -> W4 -> W1 -> O\npath edges: 14 13 10\n"), std::string::npos)
        << r.out;
}

TEST(ToolPath, JsonListsThePathInOrder) {
    ToolResult r = runTool("path " + kGravity + " --from D --to 8 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\"path\": {\"nodes\": [0, 1, 2, 3], \"edges\": [0, 1, 2]}"),
              std::string::npos)
        << r.out;
}

TEST(ToolPath, PipesAreRefusedAsEnds) {
    ToolResult r = runTool("path " + kGravity + " --from 10 --to 8");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("参数类型错误."), std::string::npos) << r.err;
}

} // namespace
