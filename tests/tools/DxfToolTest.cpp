// hxwt info and hxwt copy on drawings the test writes through the stand-in
// database.
#include "HostTest.h"
#include "ToolRunner.h"

#include "HxWtDbObject.h"
#include "acutads.h"
#include "dbapserv.h"
#include "dbents.h"
#include "dbsymtb.h"
#include "hxhost/Drawing.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

class DxfToolTest : public HostTest {
protected:
    void TearDown() override {
        for (const std::string& path : m_files)
            std::remove(path.c_str());
        HostTest::TearDown();
    }

    std::string tempFile(const std::string& name) {
        const std::string path = ::testing::TempDir() + "hxwt_tool_" + name;
        m_files.push_back(path);
        return path;
    }
    static std::string slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static AcDbDatabase* db() { return acdbHostApplicationServices()->workingDatabase(); }

    // A drawing of two lines on layer PIPES (one with xdata of HXTEST), a
    // circle and a text, saved as name; returns its path.
    std::string writeDrawing(const std::string& name) {
        AcDbRegAppTable* apps = nullptr;
        EXPECT_EQ(db()->getRegAppTable(apps, AcDb::kForWrite), Acad::eOk);
        auto* app = new AcDbRegAppTableRecord;
        app->setName(L"HXTEST");
        EXPECT_EQ(apps->add(app), Acad::eOk);
        app->close();
        apps->close();
        hxhost::addLayer(L"PIPES");
        auto* line = new AcDbLine({0, 0, 0}, {1, 0, 0});
        line->setLayer(L"PIPES");
        const AcDbObjectId tagged = hxhost::addToModelSpace(line);
        hxhost::addToModelSpace(new AcDbLine({1, 0, 0}, {2, 0, 0}));
        hxhost::addToModelSpace(new AcDbCircle({0, 0, 0}, AcGeVector3d::kZAxis, 1));
        hxhost::addToModelSpace(new AcDbText({0, 0, 0}, L"12.5"));
        AcDbObject* obj = nullptr;
        EXPECT_EQ(acdbOpenObject(obj, tagged, AcDb::kForWrite), Acad::eOk);
        resbuf* chain = acutBuildList(1001, L"HXTEST", 1000, L"keep me", 1070, 42, 0);
        EXPECT_EQ(obj->setXData(chain), Acad::eOk);
        acutRelRb(chain);
        obj->close();
        const std::string path = tempFile(name);
        const std::wstring wide(path.begin(), path.end());
        EXPECT_EQ(db()->saveAs(wide.c_str(), false), Acad::eOk);
        return path;
    }

    static bool has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

private:
    std::vector<std::string> m_files;
};

TEST_F(DxfToolTest, InfoListsKindsLayersAndApplications) {
    const std::string path = writeDrawing("info.dxf");
    const ToolResult r = runTool("info '" + path + "'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const char* expected[] = {
        "entities: 4\n",        "  AcDbCircle 1\n",          "  AcDbLine 2\n",
        "  AcDbText 1\n",       "layers: 2\n  0\n  PIPES\n", "  HXTEST\n",
        "custom entities: 0\n",
    };
    for (const char* part : expected)
        EXPECT_TRUE(has(r.out, part)) << part << "\nin:\n" << r.out;
}

TEST_F(DxfToolTest, InfoListsProductEntitiesThroughTheirCodecs) {
    auto* pipe = new HxDbWtPipe({0, 0, 0}, {30, 40, 0});
    ASSERT_EQ(pipe->SetDiameter(300), Acad::eOk);
    const AcDbObjectId pipeId = hxhost::addToModelSpace(pipe);
    hxhost::addToModelSpace(new HxDbWtWell({30, 40, 0}));
    const std::string path = writeDrawing("network.dxf");
    ACHAR handle[20] = {};
    pipeId.handle().getIntoAsciiBuffer(handle, 20);
    // A pipe of 300 drawing units (millimetres) across, 50 long: 300 mm, 0.05 m.
    const std::string pipeLine =
        "    " + std::string(handle, handle + wcslen(handle)) + "          1      300        0.05";
    const ToolResult r = runTool("info '" + path + "'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const char* expected[] = {"entities: 6\n", "  HxDbWtPipe 1\n", "  HxDbWtWell 1\n",
                              "  HXWT_PIPE\n", "  HXWT_WELL\n",    "custom entities: 2\n",
                              "  pipes: 1\n",  "  wells: 1\n",     "drawing unit: millimetres\n"};
    for (const char* part : expected)
        EXPECT_TRUE(has(r.out, part)) << part << "\nin:\n" << r.out;
    EXPECT_TRUE(has(r.out, pipeLine)) << pipeLine << "\nin:\n" << r.out;
}

TEST_F(DxfToolTest, CopyKeepsEverythingItUnderstands) {
    const std::string in = writeDrawing("in.dxf");
    const std::string out = tempFile("out.dxf");
    const ToolResult r = runTool("copy '" + in + "' '" + out + "'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(has(r.out, "0 findings reading, 0 writing")) << r.out;
    EXPECT_EQ(slurp(out), slurp(in)); // the round trip is exact
}

TEST_F(DxfToolTest, CopyReportsWhatItCannotKeep) {
    std::string text = slurp(writeDrawing("odd.dxf"));
    // An entity kind the stand-in does not hold, with xdata, in the entities.
    const std::string entities = "ENTITIES\n";
    const std::size_t at = text.find(entities);
    ASSERT_NE(at, std::string::npos);
    text.insert(at + entities.size(),
                "  0\nELLIPSE\n  5\nFF0\n  8\n0\n1001\nHXTEST\n1000\nlost?\n");
    const std::string in = tempFile("odd2.dxf");
    std::ofstream(in, std::ios::binary) << text;
    const std::string out = tempFile("odd_out.dxf");
    const ToolResult r = runTool("copy '" + in + "' '" + out + "'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.err, "ELLIPSE")) << r.err;
    EXPECT_TRUE(has(r.err, "odd2.dxf:")) << r.err; // file and line of the finding
    EXPECT_FALSE(has(r.out, " 0 findings reading")) << r.out;
    EXPECT_TRUE(has(slurp(out), "keep me")); // the xdata of what it kept stays
}

TEST_F(DxfToolTest, CopyRefusesToWriteOverItsInput) {
    const std::string in = writeDrawing("self.dxf");
    const std::string before = slurp(in);
    const std::string dir = in.substr(0, in.rfind('/'));
    const std::string same = dir + "/./" + in.substr(in.rfind('/') + 1);
    const ToolResult r = runTool("copy '" + in + "' '" + same + "'");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(has(r.err, "is the input")) << r.err;
    EXPECT_EQ(slurp(in), before);
}

TEST_F(DxfToolTest, BadFilesGiveTheFileAndLine) {
    const std::string bad = tempFile("bad.dxf");
    std::ofstream(bad, std::ios::binary) << "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\nx\n";
    struct Case {
        std::string args;
        std::string message;
    };
    const Case cases[] = {
        {"info '" + bad + "'", "bad.dxf:"},
        {"copy '" + bad + "' '" + tempFile("never.dxf") + "'", "bad.dxf:"},
        {"info /nonexistent/none.dxf", "none.dxf"},
    };
    for (const Case& c : cases) {
        const ToolResult r = runTool(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args;
        EXPECT_TRUE(has(r.err, c.message)) << r.err;
    }
    std::ifstream never(::testing::TempDir() + "hxwt_tool_never.dxf");
    EXPECT_FALSE(never.good());
}

} // namespace
