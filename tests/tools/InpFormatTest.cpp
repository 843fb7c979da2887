// The EPANET and SWMM input files in process: what the writers write reads
// back to the same model, malformed files give errors at their lines, and
// findings are reported without failing.
#include <gtest/gtest.h>

#include "EpanetWriter.h"
#include "InpReader.h"
#include "InpText.h"
#include "SwmmWriter.h"

namespace hxwt {
namespace {

InpNode node(const std::string& id, NodeKind kind, double elevation, double x, double y) {
    InpNode n;
    n.id = id;
    n.kind = kind;
    n.elevation = elevation;
    n.x = x;
    n.y = y;
    n.hasPlace = true;
    n.handle = "H" + id;
    return n;
}

InpLink link(const std::string& id, const std::string& from, const std::string& to, double length,
             double diameter) {
    InpLink l;
    l.id = id;
    l.from = from;
    l.to = to;
    l.length = length;
    l.diameter = diameter;
    l.handle = "H" + id;
    return l;
}

bool hasMessage(const InpRead& read, int line, const std::string& text, bool error) {
    for (const InpMessage& m : read.messages)
        if (m.line == line && m.error == error && m.text.find(text) != std::string::npos)
            return true;
    return false;
}

void expectSameNetwork(const InpModel& a, const InpModel& b) {
    ASSERT_EQ(a.nodes.size(), b.nodes.size());
    ASSERT_EQ(a.links.size(), b.links.size());
    for (const InpNode& x : a.nodes) { // the writers group nodes by kind
        const int at = findNode(b, x.id);
        ASSERT_GE(at, 0) << x.id;
        const InpNode& y = b.nodes[static_cast<size_t>(at)];
        EXPECT_EQ(x.kind, y.kind) << x.id;
        EXPECT_NEAR(x.elevation, y.elevation, 1e-3) << x.id;
        EXPECT_NEAR(x.depth, y.depth, 1e-3) << x.id;
        EXPECT_NEAR(x.area, y.area, 1e-2) << x.id;
        EXPECT_DOUBLE_EQ(x.x, y.x);
        EXPECT_DOUBLE_EQ(x.y, y.y);
    }
    for (size_t i = 0; i < a.links.size(); ++i) {
        const InpLink &x = a.links[i], &y = b.links[i];
        EXPECT_EQ(x.id + " " + x.from + " " + x.to, y.id + " " + y.from + " " + y.to);
        EXPECT_NEAR(x.length, y.length, 1e-3) << x.id;
        EXPECT_NEAR(x.diameter, y.diameter, 1e-4) << x.id;
        EXPECT_NEAR(x.roughness, y.roughness, 1e-4) << x.id;
        EXPECT_NEAR(x.inOffset, y.inOffset, 1e-3) << x.id;
        EXPECT_NEAR(x.outOffset, y.outOffset, 1e-3) << x.id;
    }
}

TEST(InpFormat, SwmmFileReadsBackSectionBySection) {
    InpModel m;
    m.format = InpFormat::Swmm;
    m.title = "drain";
    m.flowUnits = "LPS";
    m.nodes = {node("W1", NodeKind::Junction, 9.7, 30, 0), node("S", NodeKind::Storage, 9.5, 60, 0),
               node("O", NodeKind::Outfall, 9.0, 0, -1.25)};
    m.nodes[0].depth = 2.5;
    m.nodes[1].depth = 3;
    m.nodes[1].area = 24;
    m.links = {link("P1", "S", "W1", 30, 0.4), link("P2", "W1", "O", 30.125, 0.5)};
    for (InpLink& l : m.links) {
        l.kind = LinkKind::Conduit;
        l.roughness = 0.013;
    }
    m.links[1].inOffset = 0.45;
    m.links[1].outOffset = 1.0;
    const std::string text = writeSwmm(m);
    const InpRead back = parseInp(text);
    EXPECT_FALSE(back.failed());
    for (const InpMessage& msg : back.messages) // every section written is read
        EXPECT_NE(msg.text.find("link lengths and roughness"), std::string::npos) << msg.text;
    EXPECT_EQ(back.model.format, InpFormat::Swmm);
    EXPECT_EQ(back.model.title, "drain");
    EXPECT_EQ(back.model.flowUnits, "LPS");
    expectSameNetwork(m, back.model);
    EXPECT_NE(text.find(";handle HP2\nP2 "), std::string::npos) << text;
}

TEST(InpFormat, EpanetFileReadsBackWithMetricSizes) {
    InpModel m;
    m.format = InpFormat::Epanet;
    m.flowUnits = "LPS";
    m.headloss = "D-W";
    m.nodes = {node("S1", NodeKind::Reservoir, 40, 0, 0),
               node("J1", NodeKind::Junction, 14.8, 40, 0), node("T", NodeKind::Tank, 20, 40, 40)};
    m.nodes[1].demand = 2.5;
    m.nodes[2].depth = 4;
    m.nodes[2].area = 3.14159265358979 * 25.0; // a 10 m circle
    m.links = {link("P1", "S1", "J1", 40, 0.3), link("P2", "J1", "T", 40.5, 0.2)};
    for (InpLink& l : m.links)
        l.roughness = 0.1;
    const InpRead back = parseInp(writeEpanet(m));
    EXPECT_FALSE(back.failed());
    EXPECT_EQ(back.model.headloss, "D-W");
    EXPECT_DOUBLE_EQ(back.model.nodes[static_cast<size_t>(findNode(back.model, "J1"))].demand, 2.5);
    expectSameNetwork(m, back.model);
}

TEST(InpFormat, MalformedFilesFailAtTheirLines) {
    const std::string head = "[JUNCTIONS]\nA 1\nB 2\n[COORDINATES]\nA 0 0\nB 1 0\n";
    struct Case {
        std::string text;
        int line;
        const char* message;
    } cases[] = {
        {"stray\n" + head + "[PIPES]\nP A B 1 100 100\n", 1, "before the first section"},
        {head + "[PIPES]\nP A B x 100 100\n", 8, "length: 'x' is not a number"},
        {head + "[PIPES]\nP A B 1 100\n", 8, "wants ID NODE1 NODE2"},
        {head + "[PIPES]\nP A C 1 100 100\n", 8, "unknown node C"},
        {head + "[PIPES]\nP A A 1 100 100\n", 8, "starts and ends at node A"},
        {head + "[PIPES]\nP A B 1 100 100\nP B A 1 100 100\n", 9, "link P is defined again"},
        {head + "[RESERVOIRS]\nA 5\n[PIPES]\nP A B 1 100 100\n", 8, "node A is defined again"},
        {head + "[RESERVOIRS]\nR 5\n[PIPES]\nP A R 1 100 100\n", 8, "node R has no coordinates"},
        {head + "A 3 3\n[PIPES]\nP A B 1 100 100\n", 7, "coordinates of node A given again"},
        {"[TITLE]\nx\n[JUNCTIONS]\nA 1\n", 0, "neither an EPANET nor a SWMM"},
        {head + "[PIPES]\n[CONDUITS]\n", 0, "both EPANET and SWMM"},
        {"[OPTIONS]\nUNITS XYZ\n" + head + "[PIPES]\nP A B 1 100 100\n", 1, "unknown flow units"},
        {"[JUNCTIONS]\nA 1 1e999\n[PIPES]\n", 2, "demand: '1e999' is not a number"},
    };
    for (const Case& c : cases) {
        const InpRead read = parseInp(c.text);
        EXPECT_TRUE(read.failed()) << c.message;
        EXPECT_TRUE(hasMessage(read, c.line, c.message, true)) << c.message << " at " << c.line;
    }
}

TEST(InpFormat, FindingsAreReportedWithoutFailing) {
    const std::string text = "[OPTIONS]\nFLOW_UNITS CFS\n[JUNCTIONS]\nJ 100 5\n"
                             "[OUTFALLS]\nO 90 FREE\n[CONDUITS]\nC J O 10 0.01 0 1\n"
                             "[XSECTIONS]\nC TRAPEZOIDAL 2 1 1 1\nZ CIRCULAR 1\n"
                             "[COORDINATES]\nJ 0 0\nO 10 0\nQ 3 3\n[WHATEVER]\nx\n[RAINGAGES]\ng\n";
    const InpRead read = parseInp(text);
    EXPECT_FALSE(read.failed());
    EXPECT_TRUE(hasMessage(read, 1, "converted from feet", false));
    EXPECT_TRUE(hasMessage(read, 10, "TRAPEZOIDAL section", false));
    EXPECT_TRUE(hasMessage(read, 11, "cross-section of unknown link Z", false));
    EXPECT_TRUE(hasMessage(read, 15, "coordinates of unknown node Q", false));
    EXPECT_TRUE(hasMessage(read, 16, "unknown section [WHATEVER]", false));
    EXPECT_TRUE(hasMessage(read, 18, "[RAINGAGES] (1 lines) is not carried", false));
    // Feet to metres: elevations, depths, lengths, offsets and section heights.
    const InpModel& m = read.model;
    EXPECT_NEAR(m.nodes[0].elevation, 30.48, 1e-9);
    EXPECT_NEAR(m.nodes[0].depth, 1.524, 1e-9);
    EXPECT_NEAR(m.links[0].length, 3.048, 1e-9);
    EXPECT_NEAR(m.links[0].outOffset, 0.3048, 1e-9);
    EXPECT_NEAR(m.links[0].diameter, 0.6096, 1e-9);
}

TEST(InpFormat, IdsAreShortUniqueAndTraceable) {
    std::unordered_set<std::string> used;
    const std::string longName(40, 'x');
    const struct {
        std::string name, handle, id;
    } rows[] = {
        {"W1", "1A", "W1"},
        {"W1", "1B", "W1_1B"},            // taken: the handle added
        {"my well;2", "1C", "my_well_2"}, // blanks and ';' replaced
        {"", "1D", "P1D"},                // no name: prefix and handle
        {"  ", "1E", "P1E"},
        {longName, "2F", std::string(28, 'x') + "_2F"}, // cut to 31 with the handle
        {"W1_1B", "3", "W1_1B_3"},
    };
    for (const auto& r : rows) {
        const std::string id = fileId(r.name, "P", r.handle, used);
        EXPECT_EQ(id, r.id) << r.name;
        EXPECT_LE(id.size(), 31u);
    }
}

} // namespace
} // namespace hxwt
