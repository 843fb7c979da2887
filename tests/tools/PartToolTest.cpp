// hxwt lib and hxwt valve as processes: the bundled library answers from any
// working directory, its drawings regenerate byte for byte, valve sizes are
// set where the tool may write (and refused where it may not), and what it
// writes passes ezdxf's audit.
#include "HostTest.h"
#include "TempTree.h"
#include "ToolRunner.h"

#include <unistd.h>

namespace {

const std::string kExamples = HXWT_EXAMPLES_DIR;

std::string quoted(const std::string& s) {
    return "'" + s + "'";
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool passesAudit(const std::string& path) {
    const std::string check = kExamples + "/../tests/host/fixtures/ezdxf_check.py";
    return std::system(("/usr/bin/python3 " + quoted(check) + " " + quoted(path)).c_str()) == 0;
}

// Runs the tool from another working directory.
ToolResult runElsewhere(const std::string& args) {
    TempTree elsewhere("cwd");
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere.path());
    ToolResult r = runTool(args);
    std::filesystem::current_path(before);
    return r;
}

TEST(PartTool, RegeneratesTheBundledDrawings) {
    TempTree out("libsample");
    const char* files[] = {"valves.dxf",
                           "DwgLib/ValveLib/SysLib/GateValve.dxf",
                           "DwgLib/ValveLib/SysLib/ButterflyValve.dxf",
                           "DwgLib/ValveLib/SysLib/CheckValve.dxf",
                           "DwgLib/ValveLib/MyLib/ReducingValve.dxf",
                           "DwgLib/OtherAttLib/SysLib/YStrainer.dxf",
                           "DwgLib/OtherAttLib/SysLib/WaterMeter.dxf",
                           "DwgLib/OtherAttLib/MyLib/FlowMeter.dxf"};
    for (const char* f : files)
        std::filesystem::create_directories(std::filesystem::path(out.path(f)).parent_path());
    ASSERT_EQ(runTool("lib sample " + quoted(out.path())).exitCode, 0);
    for (const char* f : files) {
        EXPECT_TRUE(out.read(f) == fileText(kExamples + "/" + f))
            << f << " differs from examples/" << f;
        EXPECT_TRUE(passesAudit(out.path(f))) << f;
    }
}

TEST(PartTool, AnswersOnTheBundledLibraryFromAnyDirectory) {
    const std::string main = " --main-dir " + quoted(kExamples);
    const std::string valveLib = quoted(kExamples + "/DwgLib/ValveLib");
    const struct {
        std::string args;
        int exitCode;
        std::string says;
    } cases[] = {
        {"lib path " + valveLib + " CheckValve", 0, "/DwgLib/ValveLib/SysLib/CheckValve.dxf\n"},
        {"lib path " + valveLib + " \xE9\x97\xB8\xE9\x98\x80 --json", 0, "\"exists\": true"},
        {"lib 3d valve \xE5\x87\x8F\xE5\x8E\x8B\xE9\x98\x80" + main, 0, "ReducingValve.obj"},
        {"lib 3d valve PlugValve" + main, 1, "its file3d is empty"},
        {"lib 3d other \xE6\xB0\xB4\xE8\xA1\xA8" + main, 0, "OtherAtt3dLib/SysLib/WaterMeter.obj"},
        {"lib 3d other Nope --main-dir /none", 1, "MyLib.dml:0: the file does not open"},
        {"lib 3d pump Nope" + main, 2, "expected 'valve' or 'other'"},
        {"valve size " + quoted(kExamples + "/valves.dxf") + " --ref 1B", 0, "length  150 mm"},
        {"valve size " + quoted(kExamples + "/valves.dxf") + " --ref 2C", 1, "no size marker"},
        {"valve size " + quoted(kExamples + "/valves.dxf") + " --ref 8", 1,
         "not a block reference"},
        {"valve size " + quoted(kExamples + "/valves.dxf") + " --ref FFFF", 2, "no object"},
        {"valve size " + quoted(kExamples + "/DwgLib/ValveLib/SysLib/GateValve.dxf") + " --json", 0,
         "\"length\": 230, \"height\": 300"},
    };
    for (const auto& c : cases) {
        const ToolResult r = runElsewhere(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args << "\n" << r.err;
        EXPECT_NE((r.out + r.err).find(c.says), std::string::npos) << c.args << "\n"
                                                                   << r.out << r.err;
    }
}

TEST(PartTool, SetsSizesOnlyWhereItMayWrite) {
    TempTree tree("valveset");
    const std::string valves = tree.write("valves.dxf", fileText(kExamples + "/valves.dxf"));
    const std::string before = tree.read("valves.dxf");
    const std::string out = tree.path("out.dxf");
    const struct {
        std::string args;
        int exitCode;
        std::string says;
    } refusals[] = {
        {"valve size " + valves + " --ref 13 --set 1,2", 2, "needs -o"},
        {"valve size " + valves + " --ref 13 --set 1,2 -o " + valves, 2, "not written over"},
        {"valve size " + valves + " --ref 13 --set 1,x -o " + out, 2, "LENGTH,HEIGHT"},
        {"valve size " + valves + " --set 1,2", 2, "needs -o"},
        {"valve size " + valves + " --set 1,2 -o " + out, 1, "no size marker"},
    };
    for (const auto& c : refusals) {
        const ToolResult r = runTool(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << "\n" << r.err;
    }
    EXPECT_TRUE(tree.read("valves.dxf") == before);
    EXPECT_FALSE(std::filesystem::exists(out));

    ToolResult r = runTool("valve size " + valves + " --ref 13 --set 250,310 -o " + out);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("height  310 mm"), std::string::npos) << r.out;
    EXPECT_TRUE(passesAudit(out));
    EXPECT_NE(runTool("valve size " + out + " --ref 13").out.find("length  250 mm"),
              std::string::npos);
    EXPECT_NE(runTool("valve size " + out + " --ref 1B").out.find("length  150 mm"),
              std::string::npos);

    const std::string gate =
        tree.write("Gate.dxf", fileText(kExamples + "/DwgLib/ValveLib/SysLib/GateValve.dxf"));
    const std::string gateBefore = tree.read("Gate.dxf");
    const std::string gateOut = tree.path("GateSet.dxf");
    r = runTool("valve size " + gate + " --set 240.5,320 -o " + gateOut);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("length  240.5 mm"), std::string::npos) << r.out;
    EXPECT_TRUE(tree.read("Gate.dxf") == gateBefore) << "the valve drawing is only read";
    EXPECT_NE(runTool("valve size " + gateOut).out.find("height  320 mm"), std::string::npos);
    EXPECT_TRUE(passesAudit(gateOut));
}

} // namespace
