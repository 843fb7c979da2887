// hxwt elevation on the example terrain: levels at points, the CSV grid, the
// JSON array, the SVG map, and the failures.
#include "HostTest.h"
#include "ToolRunner.h"

#include "arxHeaders.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

const std::string kTerrain = std::string(HXWT_EXAMPLES_DIR) + "/terrain.dxf";

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class ElevationTool : public HostTest {};

TEST_F(ElevationTool, LevelsAtPointsOneLineEach) {
    ToolResult r = runTool("elevation " + kTerrain + " 0,0 50,50 30,20 300,300");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    // Samples of a text, a block attribute and a multi-line text; a point
    // inside the triangle of the three nearest; one far outside.
    EXPECT_EQ(r.out, "  x    y  level (m)\n  0    0      12.35\n 50   50       13.9\n"
                     " 30   20     13.045\n300  300       17.1\n");
}

TEST_F(ElevationTool, JsonAndGrid) {
    ToolResult r = runTool("elevation " + kTerrain + " 0,0 100,100 --json");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "[{\"x\": 0, \"y\": 0, \"level\": 12.35}, "
                     "{\"x\": 100, \"y\": 100, \"level\": 15.25}]\n");
    r = runTool("elevation " + kTerrain + " --grid 0,0,100,50,50");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "x,y,level\n0,0,12.35\n50,0,13.9\n100,0,13.1\n"
                     "0,50,13.9\n50,50,13.9\n100,50,13.9\n");
}

TEST_F(ElevationTool, SvgMapIsDeterministicAndMarksEverySample) {
    const std::string a = ::testing::TempDir() + "hxwt_terrain_a.svg";
    const std::string b = ::testing::TempDir() + "hxwt_terrain_b.svg";
    EXPECT_EQ(runTool("elevation " + kTerrain + " --svg " + a).exitCode, 0);
    EXPECT_EQ(runTool("elevation " + kTerrain + " --svg " + b).exitCode, 0);
    const std::string svg = slurp(a);
    EXPECT_EQ(svg, slurp(b));
    size_t circles = 0;
    for (size_t at = svg.find("<circle"); at != std::string::npos; at = svg.find("<circle", at + 1))
        ++circles;
    EXPECT_EQ(circles, 12u); // texts, one-line multi-line texts, blocks, symbols
    EXPECT_NE(svg.find(">17.1</text>"), std::string::npos);
    EXPECT_NE(svg.find(">ground level (m)</text>"), std::string::npos) << "a colour legend";
    EXPECT_NE(svg.find("<g class=\"scale\">"), std::string::npos) << "a scale bar";
    std::remove(a.c_str());
    std::remove(b.c_str());
}

TEST_F(ElevationTool, FailuresSayWhy) {
    const std::string empty = ::testing::TempDir() + "hxwt_empty.dxf";
    ASSERT_EQ(acdbHostApplicationServices()->workingDatabase()->saveAs(
                  std::wstring(empty.begin(), empty.end()).c_str(), false),
              Acad::eOk);
    struct Row {
        std::string args;
        int exitCode;
        const char* message;
    };
    const Row rows[] = {
        {empty + " 1,1", 1, "no elevation samples"},
        {"/nonexistent.dxf 1,1", 2, "/nonexistent.dxf: no such file"},
        {kTerrain + " 1:1", 2, "a point is X,Y"},
        {kTerrain + " 1,1 --json --grid 0,0,10,10,1", 2, "use one of them"},
        {kTerrain + " --grid 0,0,10,10,0", 2, "--grid wants"},
        {kTerrain + " --grid 0,0,1e9,1e9,1", 2, "more than"},
    };
    for (const Row& row : rows) {
        ToolResult r = runTool("elevation " + row.args);
        EXPECT_EQ(r.exitCode, row.exitCode) << row.args;
        EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
    }
    std::remove(empty.c_str());
}

} // namespace
