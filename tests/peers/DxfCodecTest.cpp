// The product's entities through DXF files: written as standard entities with
// xdata, read back as the same entities, accepted by an independent reader,
// and malformed data refused by the codecs.
#include "HostTest.h"
#include "HxWtDbObject.h"
#include "NetworkBuilder.h"
#include "acedads.h"
#include "dbapserv.h"
#include "dbents.h"
#include "hxhost/DxfCodec.h"
#include "hxhost/DxfFile.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

class DxfCodec : public HostTest {
protected:
    void TearDown() override {
        std::remove(m_path.c_str());
        HostTest::TearDown();
    }
    std::wstring path() const { return std::wstring(m_path.begin(), m_path.end()); }

    // A network of every kind, with values that must survive the trip.
    std::vector<AcDbObjectId> drawEverything() {
        std::vector<AcDbObjectId> ids{
            net.well(0, 0, -2.0, 0.0), net.pool(20, 0, 6, 4), net.equipment(9, -1, 11, 1),
            net.pipe(AcGePoint3d(0, 0, 1), AcGePoint3d(10, 0, 0.5), HxDbWtPipe::kEquipLinkPipe),
            hxhost::addToModelSpace(new HxDbSymbElevation(AcGePoint3d(5, 5, 0), L"12.350")),
            // after the pipe with fields: a shorter chain of the same application
            net.pipe(AcGePoint3d(50, 50, 0), AcGePoint3d(60, 50, 0), HxDbWtPipe::kEquipLinkPipe)};
        HxDbWtPipe* pipe = nullptr;
        EXPECT_EQ(acdbOpenObject(pipe, ids[3], AcDb::kForWrite), Acad::eOk);
        pipe->SetMaterial(L"球墨铸铁");
        pipe->SetHeights(1.0 / 3.0, 0.1);
        pipe->Fields().SetField(L"编号", L"J-1");
        pipe->close();
        HxDbSetDrawUnit(nullptr, 1);
        return ids;
    }

    NetworkBuilder net;
    std::string m_path = "/tmp/hxwt_peers_" + std::to_string(getpid()) + ".dxf";
};

TEST_F(DxfCodec, DrawingRoundTripsEveryEntity) {
    const std::vector<AcDbObjectId> ids = drawEverything();
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    ASSERT_EQ(db->saveAs(path().c_str(), false), Acad::eOk) << hxhost::lastFileError();
    AcDbDatabase copy(false, true);
    ASSERT_EQ(copy.readDwgFile(path().c_str()), Acad::eOk) << hxhost::lastFileError();
    EXPECT_TRUE(hxhost::lastFileFindings().empty());
    EXPECT_EQ(HxDbGetDrawUnit(&copy), 1);
    for (const AcDbObjectId& id : ids) {
        AcDbEntity* mine = nullptr;
        ASSERT_EQ(acdbOpenAcDbEntity(mine, id, AcDb::kForRead), Acad::eOk);
        AcDbObjectId other;
        ASSERT_EQ(copy.getAcDbObjectId(other, false, mine->handle()), Acad::eOk);
        AcDbEntity* theirs = nullptr;
        ASSERT_EQ(acdbOpenAcDbEntity(theirs, other, AcDb::kForRead), Acad::eOk);
        EXPECT_EQ(theirs->isA(), mine->isA()) << mine->isA()->name();
        // Compare values with the layer taken from this drawing.
        std::unique_ptr<AcDbEntity> probe(static_cast<AcDbEntity*>(theirs->isA()->create()));
        EXPECT_EQ(probe->copyFrom(theirs), Acad::eOk);
        EXPECT_EQ(probe->setLayer(mine->layerId()), Acad::eOk);
        EXPECT_TRUE(probe->isEqualTo(mine)) << mine->isA()->name();
        theirs->close();
        mine->close();
    }
    // The network read back connects as drawn.
    HxDbPipeGraph graph;
    AcDbObjectId pipe;
    ASSERT_EQ(copy.getAcDbObjectId(pipe, false, ids[3].handle()), Acad::eOk);
    ASSERT_TRUE(graph.CreateRelateGraph(pipe));
    EXPECT_EQ(graph.EntList().Count(), 3);
}

TEST_F(DxfCodec, OtherCadProgramsAcceptTheFile) {
    if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "python3-ezdxf is not installed";
    drawEverything();
    ASSERT_EQ(acdbHostApplicationServices()->workingDatabase()->saveAs(path().c_str(), false),
              Acad::eOk);
    const std::string check =
        "/usr/bin/python3 -c \"import ezdxf,sys; d=ezdxf.readfile(sys.argv[1]); "
        "a=d.audit(); n=len(d.modelspace()); "
        "sys.exit(1 if a.has_errors or n != 6 else 0)\" '" +
        m_path + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(check.c_str()), 0);
}

TEST_F(DxfCodec, MalformedXDataIsRefused) {
    const hxhost::DxfCustomCodec* codec = hxhost::findDxfCodec(HxDbWtPipe::desc());
    ASSERT_NE(codec, nullptr);
    acdbRegApp(L"HXWT_PIPE");
    const AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
    const struct {
        const char* name;
        resbuf* chain;
    } cases[] = {
        {"version only", acutBuildList(1001, L"HXWT_PIPE", 1070, 1, 0)},
        {"unknown version", acutBuildList(1001, L"HXWT_PIPE", 1070, 9, 1071, 1, 0)},
        {"flag as text", acutBuildList(1001, L"HXWT_PIPE", 1070, 1, 1000, L"1", 0)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(codec->makeCustom(line, c.chain), nullptr) << c.name;
        acutRelRb(c.chain);
    }
    // The right chain on the wrong kind of entity.
    HxDbWtPipe pipe(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
    resbuf* good = codec->makeXData(pipe);
    ASSERT_NE(good, nullptr);
    const AcDbCircle circle(AcGePoint3d(), AcGeVector3d(0, 0, 1), 1.0);
    EXPECT_EQ(codec->makeCustom(circle, good), nullptr);
    AcDbEntity* back = codec->makeCustom(line, good);
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->isEqualTo(&pipe));
    delete back;
    acutRelRb(good);
}

} // namespace
