// hxwt sample: each bundled sample regenerates byte for byte.
#include "HostTest.h"
#include "ToolRunner.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ToolSample, RegeneratesTheCommittedExamples) {
    for (const char* name : {"gravity", "pressure", "loop", "supply", "overlaps"}) {
        std::string out = "/tmp/hxwt-sample-" + std::to_string(getpid()) + "-" + name + ".dxf";
        ToolResult r = runTool(std::string("sample ") + name + " '" + out + "'");
        EXPECT_EQ(r.exitCode, 0) << name << ": " << r.err;
        std::string made = readFile(out);
        std::string committed = readFile(std::string(HXWT_EXAMPLES_DIR) + "/" + name + ".dxf");
        EXPECT_FALSE(made.empty()) << name;
        EXPECT_TRUE(made == committed) << name << " differs from examples/" << name << ".dxf";
        std::remove(out.c_str());
    }
}

TEST(ToolSample, UnknownNameFailsAndWritesNothing) {
    std::string out = "/tmp/hxwt-sample-" + std::to_string(getpid()) + "-none.dxf";
    ToolResult r = runTool("sample nosuch '" + out + "'");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("no sample named nosuch"), std::string::npos) << r.err;
    EXPECT_TRUE(readFile(out).empty());
}

} // namespace
