// hxwt run: the module loaded as the host loads it, a command run by name.
#include "HostTest.h"
#include "ToolRunner.h"

namespace {

TEST(ToolRun, SampleRunsAndPrintsNothingOfItsOwn) {
    ToolResult r = runTool("run sample");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "command sample ran\n");
    EXPECT_EQ(r.err, "");
}

TEST(ToolRun, UnknownCommandFails) {
    ToolResult r = runTool("run nosuchcommand");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("unknown command: nosuchcommand"), std::string::npos) << r.err;
}

TEST(ToolRun, WithoutACommandListsTheRegisteredOnes) {
    ToolResult r = runTool("run");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "registered commands: 1\n  group        command\n  HxWtUtility  sample\n");
}

TEST(ToolRun, MissingModuleFailsWithItsPath) {
    ToolResult r = runTool("run sample --module /nonexistent/libHxWtUtility.so");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("/nonexistent/libHxWtUtility.so"), std::string::npos) << r.err;
}

} // namespace
