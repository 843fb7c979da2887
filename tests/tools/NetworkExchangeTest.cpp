// hxwt export and import end to end: the bundled samples written for EPANET
// and SWMM, public networks carried into a drawing and out again with their
// topology, EPANET's engine solving what is written, and the failures.
#include "HostTest.h"
#include "ToolRunner.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <unistd.h>

#include "InpReader.h"

namespace {

using hxwt::InpModel;

const std::string kNetworks = HXWT_NETWORKS_DIR;

std::string temp(const std::string& name) {
    return ::testing::TempDir() + "hxwt_x" + std::to_string(getpid()) + "_" + name;
}

std::string example(const char* name) {
    return std::string(HXWT_EXAMPLES_DIR) + "/" + name + ".dxf";
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

InpModel parsed(const std::string& path) {
    hxwt::InpRead read;
    std::string error;
    EXPECT_TRUE(hxwt::readInpFile(path, read, &error)) << error;
    EXPECT_FALSE(read.failed()) << path;
    return read.model;
}

// Each link as "ID:FROM>TO" (ends sorted when the order does not count).
std::set<std::string> topology(const InpModel& m, bool ordered) {
    std::set<std::string> links;
    for (const auto& l : m.links) {
        const bool swap = !ordered && l.to < l.from;
        links.insert(l.id + ":" + (swap ? l.to : l.from) + ">" + (swap ? l.from : l.to));
    }
    return links;
}

std::set<std::string> nodeIds(const InpModel& m) {
    std::set<std::string> ids;
    for (const auto& n : m.nodes)
        ids.insert(n.id);
    return ids;
}

// The export command that import suggests, writing to out.
std::string suggestedExport(const ToolResult& imported, const std::string& out) {
    std::smatch m;
    const std::regex pick("hxwt (export .*) -o NETWORK.inp");
    EXPECT_TRUE(std::regex_search(imported.out, m, pick)) << imported.out;
    return m.size() > 1 ? m[1].str() + " -o '" + out + "'" : "";
}

// EPANET's engine on the file; false with its output when it does not solve.
bool engineSolves(const std::string& inp, std::string& output) {
    const std::string log = temp("engine.log");
    const std::string cmd =
        "node '" + std::string(HXWT_ENGINE_CHECK) + "' '" + inp + "' >'" + log + "' 2>&1";
    const int rc = std::system(cmd.c_str());
    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    output = text.str();
    std::remove(log.c_str());
    return rc == 0;
}

bool haveEngine() {
    return std::system("command -v node >/dev/null 2>&1") == 0;
}

class NetworkExchange : public HostTest {};

TEST_F(NetworkExchange, PressureSampleIsAnEpanetFileTheEngineSolves) {
    const std::string out = temp("pressure.inp");
    ToolResult r = runTool("export " + example("pressure") + " --pick E --at 2,0 --pressure -o " +
                           out + " --roughness 120");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("5 junctions, 1 reservoirs, 0 tanks, 5 pipes"), std::string::npos);
    EXPECT_NE(r.err.find("no elevation samples"), std::string::npos) << r.err;
    const InpModel m = parsed(out);
    EXPECT_EQ(topology(m, true), (std::set<std::string>{"PE:S1>J1", "PF:J1>J2", "P10:J1>J3",
                                                        "P11:J2>J4", "P12:J2>J5"}));
    EXPECT_EQ(m.nodes[static_cast<size_t>(hxwt::findNode(m, "S1"))].kind,
              hxwt::NodeKind::Reservoir);
    EXPECT_DOUBLE_EQ(m.links[0].length, 40.0); // drawn in metres
    EXPECT_DOUBLE_EQ(m.links[0].diameter, 0.4);
    EXPECT_DOUBLE_EQ(m.links[0].roughness, 120.0);
    if (!haveEngine())
        GTEST_SKIP() << "node is not installed: the engine check is skipped";
    std::string engine;
    EXPECT_TRUE(engineSolves(out, engine)) << engine;
    std::remove(out.c_str());
}

TEST_F(NetworkExchange, GravitySampleIsASwmmFileRunningDownstream) {
    const std::string out = temp("gravity.inp"), again = temp("gravity.dxf");
    ToolResult r = runTool("export " + example("gravity") + " --pick 10 --at 2,0 -o " + out +
                           " --manning 0.011");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("4 gulley pipe(s) are not network pipes"), std::string::npos) << r.err;
    const InpModel m = parsed(out);
    EXPECT_EQ(topology(m, true), (std::set<std::string>{"P10:W1>O", "P11:W2>W1", "P13:W4>W1",
                                                        "P12:W3>W2", "P15:W6>W2", "P14:W5>W4"}));
    // Outlet O: rim 12 less its 3 m depth; W1: rim 12.2 less 2.5. The outlet
    // pipe leaves W1 at 10.15 and reaches O at 10.
    const auto& outlet = m.nodes[static_cast<size_t>(hxwt::findNode(m, "O"))];
    EXPECT_EQ(outlet.kind, hxwt::NodeKind::Outfall);
    EXPECT_NEAR(outlet.elevation, 9.0, 1e-9);
    EXPECT_NEAR(m.nodes[static_cast<size_t>(hxwt::findNode(m, "W1"))].elevation, 9.7, 1e-9);
    const auto& p10 = *std::find_if(m.links.begin(), m.links.end(),
                                    [](const hxwt::InpLink& l) { return l.id == "P10"; });
    EXPECT_NEAR(p10.inOffset, 0.45, 1e-9);
    EXPECT_NEAR(p10.outOffset, 1.0, 1e-9);
    EXPECT_DOUBLE_EQ(p10.roughness, 0.011);
    // Read back into a drawing, the file gives the same network.
    r = runTool("import " + out + " -o " + again);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("6 wells, 1 pools, 6 pipes, 7 elevation symbols"), std::string::npos);
    std::remove(out.c_str());
    std::remove(again.c_str());
}

TEST_F(NetworkExchange, NetworksThatCannotBeWrittenSayWhy) {
    const std::string out = temp("refused.inp");
    const struct {
        std::string args;
        int exitCode;
        const char* message;
    } rows[] = {
        {example("loop") + " --pick C --at 2,0", 1, "the network is not written"},
        {example("pressure") + " --pick E --at 2,0 --pressure --flow-units GPM", 2, "use LPS"},
        {example("gravity") + " --pick 10 --at 2,0 --flow-units CMH", 2, "use CMS, LPS or MLD"},
        {example("gravity") + " --pick 999 --at 2,0", 2, "no object with handle 999"},
        {example("gravity") + " --pick 10 --at '2;0'", 2, "--at wants X,Y"},
        {"/nonexistent.dxf --pick 10 --at 2,0", 2, "/nonexistent.dxf"},
    };
    for (const auto& row : rows) {
        ToolResult r = runTool("export " + row.args + " -o " + out);
        EXPECT_EQ(r.exitCode, row.exitCode) << row.args << "\n" << r.err;
        EXPECT_NE(r.err.find(row.message), std::string::npos) << row.args << "\n" << r.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << row.args;
    }
    ToolResult r =
        runTool("export " + example("gravity") + " --pick 10 --at 2,0 -o " + example("gravity"));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("(the same file): not written over"), std::string::npos) << r.err;
}

TEST_F(NetworkExchange, MalformedInputFilesNameTheirLineAndWriteNothing) {
    const std::string in = temp("bad.inp"), out = temp("bad.dxf");
    const struct {
        std::string text;
        const char* message;
    } rows[] = {
        {"[JUNCTIONS]\nA 1\n[PIPES]\nP A B 1 2 3\n", ":4: pipe P: unknown node B"},
        {"[JUNCTIONS]\nA one\n[PIPES]\n", ":2: elevation: 'one' is not a number"},
        {"[CONDUITS]\nC A\n", ":2: [CONDUITS] wants NAME FROM TO"},
        {std::string("\0\x01\xff[", 4), ": neither an EPANET nor a SWMM"},
        {"", ": neither an EPANET nor a SWMM"},
    };
    for (const auto& row : rows) {
        writeText(in, row.text);
        ToolResult r = runTool("import " + in + " -o " + out);
        EXPECT_EQ(r.exitCode, 2) << row.message;
        EXPECT_NE(r.err.find(in + row.message), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    EXPECT_EQ(runTool("import /nonexistent.inp -o " + out).exitCode, 2);
    EXPECT_EQ(runTool("import " + in + " -o " + in).exitCode, 2);
    std::remove(in.c_str());
}

TEST_F(NetworkExchange, NodesSharingAPlaceAreMovedApartAndKeepTheirLevels) {
    const std::string in = temp("pump.inp"), dxf = temp("pump.dxf"), out = temp("pump_out.inp");
    writeText(in, "[JUNCTIONS]\nA 12.5\nB 11\n[RESERVOIRS]\nR 20\n[PIPES]\nP A B 100 150 100\n"
                  "[PUMPS]\nU R A HEAD C\n[COORDINATES]\nR 5 5\nA 5 5\nB 50 5\n[OPTIONS]\n"
                  "Units LPS\n");
    ToolResult r = runTool("import " + in + " -o " + dxf);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find(in + ":5: node R shares its place with node A: drawn 0.01 further"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find(":9: pump U has no diameter: drawn with 150 mm"), std::string::npos);
    // ezdxf reads the drawing and its audit finds nothing.
    const std::string audit = "/usr/bin/python3 " HXWT_EZDXF_CHECK " '" + dxf + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(audit.c_str()), 0) << audit;
    // The ground level read back at each node is its elevation.
    r = runTool("elevation " + dxf + " 5,5 5.01,5 50,5");
    EXPECT_EQ(r.out, "   x  y  level (m)\n   5  5       12.5\n5.01  5         20\n"
                     "  50  5         11\n");
    // Exported from the pump at the reservoir: the same nodes and links.
    r = runTool(suggestedExport(runTool("import " + in + " -o " + dxf), out));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(topology(parsed(out), false), (std::set<std::string>{"U:A>R", "P:A>B"}));
    std::remove(in.c_str());
    std::remove(dxf.c_str());
    std::remove(out.c_str());
}

class PublicNetworks : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        if (!std::filesystem::exists(kNetworks + "/NET1.inp"))
            GTEST_SKIP() << kNetworks << " is absent: public network tests skipped";
    }
};

TEST_F(PublicNetworks, EpanetNetworksComeBackWithTheirTopologyAndSolve) {
    for (const char* name : {"NET1", "hanoi-3", "Net3"}) {
        const std::string in = kNetworks + "/" + name + ".inp";
        const std::string dxf = temp(std::string(name) + ".dxf");
        const std::string out = temp(std::string(name) + "_out.inp");
        ToolResult r = runTool("import " + in + " -o " + dxf);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        r = runTool(suggestedExport(r, out));
        ASSERT_EQ(r.exitCode, 0) << name << "\n" << r.err;
        const InpModel original = parsed(in), exported = parsed(out);
        EXPECT_EQ(nodeIds(exported), nodeIds(original)) << name;
        EXPECT_EQ(topology(exported, false), topology(original, false)) << name;
        // Junction elevations come back from the drawing's elevation symbols.
        for (const auto& n : original.nodes) {
            const auto& back = exported.nodes[static_cast<size_t>(hxwt::findNode(exported, n.id))];
            if (n.kind == hxwt::NodeKind::Junction) {
                EXPECT_NEAR(back.elevation, n.elevation, 1e-3) << name << " " << n.id;
            }
        }
        std::string engine;
        if (haveEngine()) {
            EXPECT_TRUE(engineSolves(out, engine)) << name << "\n" << engine;
        }
        std::remove(dxf.c_str());
        std::remove(out.c_str());
    }
}

TEST_F(PublicNetworks, SwmmNetworkComesBackDownstreamWithItsLevels) {
    const std::string in = kNetworks + "/Site_Drainage_Model.inp";
    const std::string dxf = temp("site.dxf"), out = temp("site_out.inp");
    ToolResult r = runTool("import " + in + " -o " + dxf);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = runTool(suggestedExport(r, out));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const InpModel original = parsed(in), exported = parsed(out);
    EXPECT_EQ(topology(exported, true), topology(original, true));
    for (const auto& n : original.nodes) {
        const auto& back = exported.nodes[static_cast<size_t>(hxwt::findNode(exported, n.id))];
        EXPECT_NEAR(back.elevation, n.elevation, 1e-3) << n.id;
        EXPECT_EQ(back.kind, n.kind) << n.id;
    }
    std::map<std::string, const hxwt::InpLink*> links;
    for (const auto& l : exported.links)
        links[l.id] = &l;
    for (const auto& l : original.links) {
        EXPECT_NEAR(links.at(l.id)->inOffset, l.inOffset, 1e-3) << l.id;
        EXPECT_NEAR(links.at(l.id)->outOffset, l.outOffset, 1e-3) << l.id;
    }
    std::remove(dxf.c_str());
    std::remove(out.c_str());
}

TEST_F(PublicNetworks, EveryPublicNetworkImportsOrSaysWhy) {
    for (const auto& entry : std::filesystem::directory_iterator(kNetworks)) {
        if (entry.path().extension() != ".inp")
            continue;
        const std::string dxf = temp("any.dxf");
        ToolResult r = runTool("import '" + entry.path().string() + "' -o " + dxf);
        EXPECT_EQ(r.exitCode, 0) << entry.path() << "\n" << r.err;
        std::istringstream lines(r.err);
        for (std::string line; std::getline(lines, line);)
            EXPECT_EQ(line.rfind("hxwt: " + entry.path().string(), 0), 0u) << line;
        std::remove(dxf.c_str());
    }
}

} // namespace
